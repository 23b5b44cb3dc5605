// The demo contest opened through the real windows, the score window stepped through every
// pilot and every round without a key typed, then closed: every file of the competition's
// folder must be as it was, whether the folder holds intact files or a competition whose
// schedule is missing. A damaged round file is the score window's own test, a refused
// competition file the main window's.
#include "support/windowfixtures.h"

#include <QDir>
#include <QMap>
#include <QSpinBox>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

class StoredFiles : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(QFile::copy(shippedFile("Klubbprogram.sch"), path("Klubbprogram.sch")));
        const QDir demo(QStringLiteral(VELTRA_SOURCE_DIR "/examples/demo"));
        ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("demo")));
        for (const QString& name : demo.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(demo.filePath(name), path("demo/") + name));
        main = start();
    }

    // Every file of the demo folder with its bytes.
    QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> found;
        for (const QString& name : QDir(path("demo")).entryList(QDir::Files))
            found.insert(name, readBytes(path("demo/") + name));
        return found;
    }

    // File, Select competition: the demo folder's only competition file.
    void open() {
        whenModal([](QWidget& dialog) {
            auto& folders = control<QListWidget>(dialog, "Directories");
            doubleClickRow(folders, rowOf(folders, QStringLiteral("demo")));
            clickRow(control<QListWidget>(dialog, "Files"), 0);
            click(dialog, "cmdOK");
        });
        chooseMenu(*main, Qt::Key_F, {Qt::Key_S});
    }

    std::unique_ptr<MainForm> main;
};

} // namespace

// Edit, Scores: every round, every pilot by Next pilot, then Return.
TEST_F(StoredFiles, SteppingThroughTheScoresOfTheDemoContestChangesNoFile) {
    const QMap<QString, QByteArray> before = files();
    MessageGuard messages;
    open();
    ASSERT_EQ(state->contest.PilotCount, 12);
    const int pilots = state->contest.PilotCount;
    const int rounds = state->contest.Rounds;
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
    chooseMenu(*main, Qt::Key_E, {Qt::Key_S});
    EXPECT_EQ(files(), before);
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
}

TEST_F(StoredFiles, WithoutItsScheduleTheScoreWindowDoesNotOpen) {
    ASSERT_TRUE(QFile::remove(path("Klubbprogram.sch")));
    const QMap<QString, QByteArray> before = files();
    {
        MessageGuard messages;
        open();
    }
    QString shown;
    answerMessage(&shown);
    chooseMenu(*main, Qt::Key_E, {Qt::Key_S});
    EXPECT_TRUE(shown.contains(u"Klubbprogram.sch")) << shown.toStdString();
    EXPECT_EQ(files(), before);
}
