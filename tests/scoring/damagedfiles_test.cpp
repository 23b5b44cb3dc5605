#include "core/ansitext.h"
#include "core/contestfiles.h"
#include "core/language.h"
#include "core/settings.h"
#include "scoring/opencontest.h"
#include "scoring/scorefiles.h"
#include "support/testsupport.h"

#include <QDir>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>
#include <random>

using namespace veltra;

namespace {

// A competition folder that is also the program folder: the competition of tests/data with
// its schedule, two rounds of marks of every pilot and the results file they give, the
// settings file and the English language file.
struct Folder {
    QTemporaryDir dir;
    Workspace work;
    Texts texts;

    Folder() {
        work.ContestDir = dir.path() + u'/';
        work.ContestFile = QStringLiteral("cup.cnt");
        work.ProgramDir = dir.path();
    }

    void fill() {
        writeBytes(work.contestPath(), readBytes(testData("contest.cnt")));
        writeBytes(path("Klubbprogram.sch"), readBytes(testData("schedule.sch")));
        writeBytes(path("Veltra.ini"), readBytes(testData("Veltra.ini")));
        writeBytes(path("English.lng"), readBytes(testData("../../resources/program/English.lng")));
        Contest contest;
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
    }

    void copy(const Folder& from) {
        for (const QString& name : QDir(from.dir.path()).entryList(QDir::Files))
            QFile::copy(from.path(name), path(name));
    }

    QString path(const QString& name) const { return dir.path() + u'/' + name; }

    QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> all;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
            all.insert(name, readBytes(path(name)));
        return all;
    }
};

// What the user is told, and what the program holds afterwards, as bytes to compare.
struct Outcome {
    QString messages;
    QByteArray read;
};

// Opens the competition as the main window does.
Outcome openCompetition(Folder& folder) {
    Contest contest;
    Workspace work = folder.work;
    const OpenedContest opened = OpenContest(contest, work, folder.texts);
    QByteArray read = opened.open ? ContestFileBytes(contest) +
                                        ScheduleFileBytes(contest, contest.TotalTime) +
                                        ResultsFileBytes(contest)
                                  : QByteArray("no competition open");
    return {opened.messages.join(u'\n'), read};
}

// Start-up reads the settings and, at the end of the run, writes them as they then are.
Outcome startAndQuit(Folder& folder) {
    Settings settings;
    const QString ini = QStringLiteral("Veltra.ini");
    const Status read = ReadConfigFile(ini, folder.work.ProgramDir, settings);
    QByteArray onDisk = SettingsFileBytes(settings);
    const Status saved = SaveChangedConfigFile(ini, folder.work.ProgramDir, settings, onDisk);
    return {read.message + saved.message, SettingsFileBytes(settings)};
}

Outcome readLanguage(Folder& folder) {
    Texts texts;
    const Status read = ReadLanguageFile(folder.path(QStringLiteral("English.lng")), texts);
    QByteArray all;
    for (const LanguageKey& key : LanguageKeys())
        all += texts.get(QString::fromLatin1(key.key)).toUtf8() + '\n';
    return {read.message, all};
}

// How the program reads a kind of file and what it then writes without being asked. A
// competition's own files are opened with it, and the user may store scores afterwards.
enum class Reader { Competition, Settings, Language };

// One kind of file: where it lies, values out of range (a text and what replaces it) and how
// the program reads it. The keys of settings and language files may be left out, so their
// first lines, cut at a line end, make a complete, shorter file.
struct FileKind {
    const char* name;
    QString file;
    std::vector<std::pair<QByteArray, QByteArray>> outOfRange;
    Reader reader;

    Outcome open(Folder& folder) const {
        switch (reader) {
        case Reader::Competition:
            return openCompetition(folder);
        case Reader::Settings:
            return startAndQuit(folder);
        case Reader::Language:
            break;
        }
        return readLanguage(folder);
    }
    bool keysOptional() const { return reader != Reader::Competition; }
};

struct Variant {
    QString name;
    QByteArray bytes;
    bool cutAtLineEnd = false;
};

std::vector<Variant> damagedVariants(const QByteArray& intact, const FileKind& kind) {
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
    for (const auto& [text, replacement] : kind.outOfRange) {
        const qsizetype at = intact.indexOf(text);
        EXPECT_GE(at, 0) << kind.name << " " << text.constData();
        variants.push_back({QStringLiteral("out of range: ") + fromAnsi(replacement),
                            QByteArray(intact).replace(at, text.size(), replacement)});
    }
    variants.push_back({QStringLiteral("CR line ends"), QByteArray(intact).replace("\r\n", "\r")});
    variants.push_back({QStringLiteral("LF line ends"), QByteArray(intact).replace("\r\n", "\n")});
    return variants;
}

// After opening, the user stores the first pilot's first round unchanged in the score window
// (which opens only when the schedule is loaded): the results file holds exactly the points of
// the intact files. A competition that is not open cannot be written at all.
void storeAsTheUserWould(Folder& folder, const QByteArray& intactResults) {
    Contest contest;
    Workspace work = folder.work;
    const QString competition = work.contestPath();
    const QByteArray before = readBytes(competition);
    if (!OpenContest(contest, work, folder.texts).open) {
        work.EditMode = 1;
        EXPECT_FALSE(SaveContest(contest, work, folder.texts));
        EXPECT_EQ(readBytes(competition), before);
        return;
    }
    if (contest.ManeuverCount == 0)
        return;
    RoundMarks marks;
    ASSERT_TRUE(RecallScores(contest, work, 0, 1, marks));
    ASSERT_TRUE(SaveScores(contest, work, 0, 1, marks));
    EXPECT_EQ(readBytes(ResultsFilePath(contest, work)), intactResults);
}

} // namespace

TEST(DamagedFiles, EveryDamagedFileReadsAsTheIntactOneOrIsNamedAndNoFileChangesUnasked) {
    const QString results = QString::fromUtf8("Vårcupen 2026.RES");
    const std::vector<FileKind> kinds = {
        {"competition",
         QStringLiteral("cup.cnt"),
         {{"NAK-77,1.50,", "NAK-77,-1.00,"},
          {"NAK-77,1.50,", "NAK-77,0.00,"},
          {"NAK-77,1.50,", "NAK-77,99999999999999999999,"},
          {"JUDGE,02,", "JUDGE,1.5,"},
          {"ROUNDS,4", "ROUNDS,12"},
          {"PILOT,003,", "PILOT,102,"},
          {"TEAM,002,Lag,00,", "TEAM,002,Lag,05,"}},
         Reader::Competition},
        {"schedule",
         QStringLiteral("Klubbprogram.sch"),
         {{"MAN, 05,", "MAN, 52,"}, {"Stall turn, 4", "Stall turn, 11"}, {"Loop, 2", "Loop, -2"}},
         Reader::Competition},
        {"results", results, {{", 0", ", 99999999"}, {", 0", ", x"}}, Reader::Competition},
        {"settings",
         QStringLiteral("Veltra.ini"),
         {{"FILES_IN_FILEMENU,3", "FILES_IN_FILEMENU,9"},
          {"FREQUENCY_DISPLAY_MODE,1", "FREQUENCY_DISPLAY_MODE,7"},
          {"BAUDRATE_TO_REMOTE_DISPLAY,9600", "BAUDRATE_TO_REMOTE_DISPLAY,96OO"}},
         Reader::Settings},
        {"language", QStringLiteral("English.lng"), {}, Reader::Language},
    };

    Folder clean;
    clean.fill();
    int variants = 0, reported = 0, intact = 0, shorter = 0, silent = 0, changed = 0;
    for (const FileKind& kind : kinds) {
        const QByteArray original = readBytes(clean.path(kind.file));
        ASSERT_FALSE(original.isEmpty()) << kind.name;
        const QByteArray intactResults = readBytes(clean.path(results));
        const Outcome expected = kind.open(clean);
        ASSERT_TRUE(expected.messages.isEmpty()) << kind.name << expected.messages.toStdString();

        for (const Variant& variant : damagedVariants(original, kind)) {
            SCOPED_TRACE(std::string(kind.name) + ", " + variant.name.toStdString());
            ++variants;
            Folder folder;
            folder.copy(clean);
            const QString damaged = folder.path(kind.file);
            ASSERT_TRUE(writeBytes(damaged, variant.bytes));
            const QMap<QString, QByteArray> before = folder.files();
            const Outcome outcome = kind.open(folder);
            if (folder.files() != before) {
                ++changed;
                ADD_FAILURE() << "a file of the folder changed";
            }
            if (outcome.messages.contains(QDir::toNativeSeparators(damaged))) {
                ++reported;
            } else if (outcome.read == expected.read) {
                ++intact;
            } else if (kind.keysOptional() && variant.cutAtLineEnd) {
                ++shorter; // its first lines make a complete file with keys left out
            } else {
                ++silent;
                ADD_FAILURE() << "read otherwise without a word: "
                              << outcome.messages.toStdString();
            }
            if (kind.reader == Reader::Competition)
                storeAsTheUserWould(folder, intactResults);
        }
    }
    std::cout << "[ damaged files: " << variants << " variants, " << reported
              << " refused or rebuilt with a message naming the file, " << intact
              << " read as the intact file, " << shorter
              << " complete shorter files (cut at a line end), " << silent
              << " read otherwise without a word, " << changed << " changed a file unasked ]"
              << std::endl;
    EXPECT_EQ(silent, 0);
    EXPECT_EQ(changed, 0);
}
