// The demo contest opened through the real windows, the score window stepped through every
// pilot and every round without a key typed, then closed: every file of the competition's
// folder must be as it was, whether the folder holds intact files, a damaged round file, a
// competition whose schedule is missing, or a competition file that is refused.
#include "support/testsupport.h"
#include "support/windowdriver.h"
#include "ui/mainform.h"

#include <QDir>
#include <QMap>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

class StoredFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        for (const char* name : {"English.lng", "Klubbprogram.sch"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(VELTRA_SOURCE_DIR "/resources/program/") +
                                        QLatin1String(name),
                                    home.filePath(QLatin1String(name))));
        ASSERT_TRUE(writeBytes(home.filePath(QStringLiteral("Veltra.ini")),
                               "LANGUAGE_FILE,English.lng\r\n"));
        copyDemo(QStringLiteral("demo"));
        state.work.ProgramDir = home.path();
        main = std::make_unique<MainForm>(state);
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    }

    void copyDemo(const QString& folder) {
        const QDir demo(QStringLiteral(VELTRA_SOURCE_DIR "/examples/demo"));
        ASSERT_TRUE(QDir(home.path()).mkdir(folder));
        for (const QString& name : demo.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(demo.filePath(name), folderPath(folder) + name));
    }

    QString folderPath(const QString& folder) const { return home.filePath(folder) + u'/'; }

    QString demoFile(const char* name) const {
        return folderPath(QStringLiteral("demo")) + QString::fromUtf8("Vårcup Tønsberg 2026") +
               QString::fromUtf8(name);
    }

    // Every file of a competition's folder with its bytes.
    QMap<QString, QByteArray> files(const QString& folder) const {
        QMap<QString, QByteArray> found;
        for (const QString& name : QDir(folderPath(folder)).entryList(QDir::Files))
            found.insert(name, readBytes(folderPath(folder) + name));
        return found;
    }

    // The names of the files added, removed or changed since `before`.
    QStringList changedSince(const QMap<QString, QByteArray>& before, const QString& folder) const {
        const QMap<QString, QByteArray> now = files(folder);
        QStringList changed;
        for (const QString& name : before.keys() + now.keys()) {
            if (before.value(name, "<none>") != now.value(name, "<none>") &&
                !changed.contains(name))
                changed << name;
        }
        return changed;
    }

    // File, Select competition: the folder's only competition file.
    void open(const QString& folder) {
        whenModal([folder](QWidget& dialog) {
            auto& folders = control<QListWidget>(dialog, "Directories");
            doubleClickRow(folders, rowOf(folders, folder));
            clickRow(control<QListWidget>(dialog, "Files"), 0);
            click(dialog, "cmdOK");
        });
        chooseMenu(*main, Qt::Key_F, Qt::Key_S);
    }

    // Edit, Scores: every round, every pilot by Next pilot, then Return.
    void stepThroughScores() {
        const int pilots = state.contest.PilotCount;
        const int rounds = state.contest.Rounds;
        whenModal([pilots, rounds](QWidget& scores) {
            auto& round = control<QSpinBox>(scores, "RoundChange");
            for (int r = 1; r <= rounds; ++r) {
                while (round.value() != r)
                    QTest::keyClick(&round, round.value() < r ? Qt::Key_Up : Qt::Key_Down);
                for (int p = 0; p < pilots; ++p)
                    click(scores, "ScoresNext");
            }
            click(scores, "ScoresOK");
        });
        chooseMenu(*main, Qt::Key_E, Qt::Key_S);
    }

    QTemporaryDir home;
    AppState state;
    std::unique_ptr<MainForm> main;
};

} // namespace

TEST_F(StoredFiles, SteppingThroughTheScoresChangesNoFileIntactOrDamaged) {
    const QMap<QString, QByteArray> before = files(QStringLiteral("demo"));
    MessageGuard messages;
    open(QStringLiteral("demo"));
    ASSERT_EQ(state.contest.PilotCount, 12);
    stepThroughScores();
    EXPECT_EQ(changedSince(before, QStringLiteral("demo")), QStringList());
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();

    // Ingrid's second round cut in half: shown as far as it goes and reported, never rewritten.
    const QString damaged = demoFile(" Ingrid Søvik.R02");
    ASSERT_TRUE(writeBytes(damaged, readBytes(damaged).left(readBytes(damaged).size() / 2)));
    const QMap<QString, QByteArray> cut = files(QStringLiteral("demo"));
    stepThroughScores();
    EXPECT_EQ(changedSince(cut, QStringLiteral("demo")), QStringList());
    ASSERT_FALSE(messages.texts().isEmpty());
    EXPECT_TRUE(messages.texts()[0].startsWith("FEIL " + QDir::toNativeSeparators(damaged)))
        << messages.texts()[0].toStdString();
}

TEST_F(StoredFiles, WithoutItsScheduleTheScoreWindowDoesNotOpen) {
    ASSERT_TRUE(QFile::remove(home.filePath(QStringLiteral("Klubbprogram.sch"))));
    const QMap<QString, QByteArray> before = files(QStringLiteral("demo"));
    {
        MessageGuard messages;
        open(QStringLiteral("demo"));
    }
    QString shown;
    answerMessage(&shown);
    chooseMenu(*main, Qt::Key_E, Qt::Key_S);
    EXPECT_TRUE(shown.contains(u"Klubbprogram.sch")) << shown.toStdString();
    EXPECT_EQ(changedSince(before, QStringLiteral("demo")), QStringList());
}

TEST_F(StoredFiles, ARefusedCompetitionFileIsNeverWritten) {
    copyDemo(QStringLiteral("refused"));
    const QString cnt =
        folderPath(QStringLiteral("refused")) + QString::fromUtf8("Vårcup Tønsberg 2026.cnt");
    ASSERT_TRUE(writeBytes(cnt, readBytes(cnt).replace("ROUNDS,4", "ROUNDS,fire")));
    const QMap<QString, QByteArray> before = files(QStringLiteral("refused"));
    MessageGuard messages;
    open(QStringLiteral("demo"));
    open(QStringLiteral("refused"));

    // A user who agrees to everything: OK in the competition editor, then the draw.
    if (main->menuCommand(QStringLiteral("EditCompetition"))->isEnabled()) {
        whenModal([](QWidget& editor) {
            click(editor, "CompetitionOK");
            if (editor.isVisible())
                click(editor, "CompetitionCancel");
        });
        chooseMenu(*main, Qt::Key_E, Qt::Key_C);
    }
    chooseMenu(*main, Qt::Key_E, Qt::Key_D);
    EXPECT_EQ(changedSince(before, QStringLiteral("refused")), QStringList());
}
