#include "core/ansitext.h"
#include "core/contestfiles.h"
#include "core/language.h"
#include "core/settings.h"
#include "scoring/opencontest.h"
#include "scoring/scorefiles.h"
#include "support/contestfolder.h"

#include <QDir>
#include <QMap>
#include <gtest/gtest.h>
#include <random>

using namespace veltra;

namespace {

// How the program reads a kind of file: a competition's own files are opened with it (and the
// user may store scores afterwards); start-up reads the settings and writes them back as they
// then are at the end of the run. The keys of settings and language files may be left out, so
// their first lines, cut at a line end, make a complete, shorter file.
enum class Reader { Competition, Settings, Language };

// A folder holding the competition of tests/data with its schedule, two rounds of marks of
// every pilot and the results file they give, the settings file and the English language file.
class DamagedFiles : public ContestFolder {
  protected:
    void fill() {
        writeBytes(work.contestPath(), readBytes(testData("contest.cnt")));
        writeBytes(path("Klubbprogram.sch"), readBytes(testData("schedule.sch")));
        writeBytes(path("Veltra.ini"), readBytes(testData("Veltra.ini")));
        writeBytes(path("English.lng"), readBytes(testData("../../resources/program/English.lng")));
        ReadContest(contest, work, texts);
        ReadSchedule(contest, work, texts);
        for (int i = 0; i < contest.PilotCount; ++i) {
            for (int round = 1; round <= 2; ++round) {
                RoundMarks marks;
                for (int m = 0; m < contest.ManeuverCount; ++m)
                    for (int j = 0; j < contest.JudgeCount; ++j)
                        marks.setMark(m, j, (i * 7 + round * 3 + m + j) % 11);
                marks.setBonus(round - i);
                contest.Pilots[i].RoundScore[round - 1] =
                    RoundPoints(marks, contest, contest.Pilots[i].KFactor);
                SaveScores(contest, work, i, round, marks);
            }
        }
        intact = files();
    }

    QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> all;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
            all.insert(name, readBytes(path(name.toUtf8().constData())));
        return all;
    }

    void restore() {
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
            QFile::remove(path(name.toUtf8().constData()));
        for (auto file = intact.begin(); file != intact.end(); ++file)
            writeBytes(path(file.key().toUtf8().constData()), file.value());
    }

    // What the user is told, and what the program holds afterwards, as bytes to compare.
    std::pair<QString, QByteArray> open(Reader reader) {
        if (reader == Reader::Settings) {
            Settings settings;
            const QString ini = QStringLiteral("Veltra.ini");
            const Status read = ReadConfigFile(ini, work.ProgramDir, settings);
            QByteArray onDisk = SettingsFileBytes(settings);
            const Status saved = SaveChangedConfigFile(ini, work.ProgramDir, settings, onDisk);
            return {read.message + saved.message, SettingsFileBytes(settings)};
        }
        if (reader == Reader::Language) {
            Texts read;
            const Status status = ReadLanguageFile(path("English.lng"), read);
            QByteArray all;
            for (const LanguageKey& key : LanguageKeys())
                all += read.get(QString::fromLatin1(key.key)).toUtf8() + '\n';
            return {status.message, all};
        }
        Contest opened;
        Workspace at = work;
        const OpenedContest result = OpenContest(opened, at, texts);
        return {result.messages.join(u'\n'), result.open
                                                 ? ContestFileBytes(opened) +
                                                       ScheduleFileBytes(opened, opened.TotalTime) +
                                                       ResultsFileBytes(opened)
                                                 : QByteArray("no competition open")};
    }

    // The user stores the first pilot's first round unchanged in the score window (which opens
    // only when the schedule is loaded): the results file holds exactly the points of the
    // intact files. A competition that is not open cannot be written at all.
    void storeAsTheUserWould(const QString& results) {
        Contest opened;
        Workspace at = work;
        const QByteArray before = readBytes(work.contestPath());
        if (!OpenContest(opened, at, texts).open) {
            at.EditMode = 1;
            EXPECT_FALSE(SaveContest(opened, at, texts));
            EXPECT_EQ(readBytes(work.contestPath()), before);
            return;
        }
        if (opened.ManeuverCount == 0)
            return;
        RoundMarks marks;
        ASSERT_TRUE(RecallScores(opened, at, 0, 1, marks));
        ASSERT_TRUE(SaveScores(opened, at, 0, 1, marks));
        EXPECT_EQ(readBytes(ResultsFilePath(opened, at)), intact.value(results));
    }

    QMap<QString, QByteArray> intact;
};

struct Variant {
    QString name;
    QByteArray bytes;
    bool cutAtLineEnd = false;
};

std::vector<Variant> damagedVariants(const QByteArray& intact, const QList<QByteArray>& ranges,
                                     const char* file) {
    std::mt19937 random(20261206);
    std::vector<Variant> variants{{QStringLiteral("empty"), QByteArray()}};
    for (int percent : {10, 50, 90}) {
        const QByteArray cut = intact.left(intact.size() * percent / 100);
        variants.push_back({QStringLiteral("cut at %1 %").arg(percent), cut,
                            cut.endsWith('\n') || cut.endsWith('\r')});
    }
    variants.push_back({QStringLiteral("UTF-8 byte order mark"), "\xEF\xBB\xBF" + intact});
    variants.push_back({QStringLiteral("UTF-16"), utf16File(fromAnsi(intact))});
    QByteArray noise(intact.size(), Qt::Uninitialized);
    for (char& byte : noise)
        byte = static_cast<char>(random() % 256);
    variants.push_back({QStringLiteral("random bytes"), noise});
    // Bit rot that turns characters into control characters; a flip into another printable
    // character is a different text that no reader can tell from the real one.
    QByteArray flipped = intact;
    for (int n = 0; n < 3; ++n) {
        char& byte = flipped[random() % flipped.size()];
        byte = static_cast<char>(byte & 0x1F);
        if (byte == '\t' || byte == '\r' || byte == '\n')
            byte = '\x1B';
    }
    variants.push_back({QStringLiteral("flipped bytes"), flipped});
    for (const QByteArray& range : ranges) {
        const QList<QByteArray> parts = range.split('|'); // the file, a text, its replacement
        if (parts.at(0) != file)
            continue;
        const qsizetype at = intact.indexOf(parts.at(1));
        EXPECT_GE(at, 0) << range.constData();
        variants.push_back({QStringLiteral("out of range: ") + fromAnsi(parts.at(2)),
                            QByteArray(intact).replace(at, parts.at(1).size(), parts.at(2))});
    }
    variants.push_back({QStringLiteral("CR line ends"), QByteArray(intact).replace("\r\n", "\r")});
    variants.push_back({QStringLiteral("LF line ends"), QByteArray(intact).replace("\r\n", "\n")});
    return variants;
}

} // namespace

TEST_F(DamagedFiles, EveryDamagedFileReadsAsTheIntactOneOrIsNamedAndNoFileChangesUnasked) {
    const QString results = QString::fromUtf8("Vårcupen 2026.RES");
    const std::pair<const char*, Reader> kinds[] = {{"cup.cnt", Reader::Competition},
                                                    {"Klubbprogram.sch", Reader::Competition},
                                                    {"Vårcupen 2026.RES", Reader::Competition},
                                                    {"Veltra.ini", Reader::Settings},
                                                    {"English.lng", Reader::Language}};
    // Values out of range: the file, a text in it and what replaces it.
    const QList<QByteArray> ranges = readBytes(testData("out_of_range_values.txt")).split('\n');
    fill();
    for (const auto& [name, reader] : kinds) {
        const QString file = path(name);
        const QByteArray original = intact.value(QString::fromUtf8(name));
        ASSERT_FALSE(original.isEmpty()) << name;
        const auto [noMessages, expected] = open(reader);
        ASSERT_TRUE(noMessages.isEmpty()) << name << noMessages.toStdString();

        for (const Variant& variant : damagedVariants(original, ranges, name)) {
            SCOPED_TRACE(std::string(name) + ", " + variant.name.toStdString());
            restore();
            ASSERT_TRUE(writeBytes(file, variant.bytes));
            const QMap<QString, QByteArray> before = files();
            const auto [messages, read] = open(reader);
            EXPECT_EQ(files(), before) << "a file of the folder changed";
            const bool named = messages.contains(QDir::toNativeSeparators(file));
            const bool shorter = reader != Reader::Competition && variant.cutAtLineEnd;
            EXPECT_TRUE(named || read == expected || shorter)
                << "read otherwise without a word: " << messages.toStdString();
            if (reader == Reader::Competition)
                storeAsTheUserWould(results);
        }
    }
}
