#include "core/contestfiles.h"
#include "scoring/scorefiles.h"
#include "support/windowdriver.h"
#include "ui/competitionform.h"

#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

class CompetitionWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid() && cups.isValid());
        state.work.ProgramDir = home.path();
        ASSERT_TRUE(writeBytes(home.filePath(QStringLiteral("A.sch")),
                               "TOTALTIME, 8\r\n#, Maneuvre                     ,K\r\n"
                               "MAN, 01, Loop, 2\r\n"));
        ASSERT_TRUE(writeBytes(home.filePath(QStringLiteral("F3A.sch")), "TOTALTIME, 7\r\n"));
        form.setContestFileChooser([this](const QString& start) {
            startFolders << start;
            return nextFile;
        });
    }

    // The competition of tests/data, loaded and then opened for Edit, Competition.
    void openExisting() {
        loadExisting();
        form.show();
    }
    void loadExisting() {
        ASSERT_TRUE(QFile::copy(testData("contest.cnt"), cups.filePath(QStringLiteral("cup.cnt"))));
        state.work.ContestDir = cups.path() + u'/';
        state.work.ContestFile = QStringLiteral("cup.cnt");
        ASSERT_TRUE(ReadContest(state.contest, state.work, state.texts));
        state.work.EditMode = 1;
    }

    QLineEdit& box(const char* name) { return control<QLineEdit>(form, name); }
    QListWidget& list(const char* name) { return control<QListWidget>(form, name); }
    bool enabled(const char* name) { return control<QAbstractButton>(form, name).isEnabled(); }

    QTemporaryDir home;
    QTemporaryDir cups;
    AppState state;
    CompetitionForm form{state};
    QStringList startFolders;
    std::optional<ContestFileChoice> nextFile;
};

} // namespace

// Building a competition with judges, pilots and a team runs in the end-to-end test; here what
// the editor refuses and where it saves.
TEST_F(CompetitionWindow, ANewCompetitionIsRefusedWithoutADateAndSavedWhereTheDialogSays) {
    state.contest.ContName = QStringLiteral("Old cup");
    state.work.NewContestPending = 1;
    QSignalSpy named(&form, &CompetitionForm::contestFileNamed);
    form.show();
    EXPECT_EQ(form.windowTitle(), "New competition");
    EXPECT_EQ(QStringList({box("CompetitionName").text(), box("RoundsText").text(),
                           box("StartNoOffsetText").text()}),
              QStringList({"", "4", "1"}));
    EXPECT_EQ(list("ScheduleList").currentItem()->text(), "A.sch");
    QTest::keyClicks(&box("CompetitionName"), QStringLiteral("Vaarcup"));
    QTest::keyClick(&control<QSpinBox>(form, "CompetitionRounds"), Qt::Key_Up);
    QString shown;
    answerMessage(&shown);
    click(form, "CompetitionOK");
    EXPECT_TRUE(shown.startsWith(u"Veltra:The Date box is empty")) << shown.toStdString();
    EXPECT_EQ(form.focusWidget(), &box("CompetitionDate"));
    EXPECT_TRUE(startFolders.isEmpty());
    QTest::keyClicks(&box("CompetitionDate"), QStringLiteral("1. mai"));
    QTest::keyClicks(&box("CompetitionLocation"), QStringLiteral("Moss"));

    // The file dialog cancelled: nothing is written and the editor stays open.
    click(form, "CompetitionOK");
    EXPECT_EQ(startFolders, QStringList({home.path()}));
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(QDir(cups.path()).isEmpty());
    nextFile = ContestFileChoice{QStringLiteral("cup"), cups.path() + u'/'};
    click(form, "CompetitionOK");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(named.count(), 1);
    EXPECT_EQ(readBytes(cups.filePath(QStringLiteral("cup.cnt"))),
              "CONT_NAME,Vaarcup\r\nCONT_DATE,1. mai\r\nCONT_LOCATION,Moss\r\n"
              "CONT_SCHEDULE,A.sch\r\nROUNDS,5\r\nSTART_NO_OFFSET,1\r\n\r\n\r\n\r\n");
    EXPECT_EQ(state.contest.ManeuverCount, 1);
}

TEST_F(CompetitionWindow, ANewCompetitionDoesNotOverwriteAnotherWithoutAsking) {
    ASSERT_TRUE(writeBytes(cups.filePath(QStringLiteral("cup.cnt")), "other"));
    state.work.NewContestPending = 1;
    form.show();
    QTest::keyClicks(&box("CompetitionName"), QStringLiteral("Cup"));
    QTest::keyClicks(&box("CompetitionDate"), QStringLiteral("1. mai"));
    QTest::keyClicks(&box("CompetitionLocation"), QStringLiteral("Moss"));
    nextFile = ContestFileChoice{QStringLiteral("cup.cnt"), cups.path() + u'/'};
    QString question;
    answerMessage(&question, QMessageBox::No);
    click(form, "CompetitionOK");
    EXPECT_TRUE(question.contains(u"cup.cnt exists already")) << question.toStdString();
    EXPECT_EQ(readBytes(cups.filePath(QStringLiteral("cup.cnt"))), "other");
    EXPECT_TRUE(form.isVisible());

    answerMessage(&question, QMessageBox::Yes);
    click(form, "CompetitionOK");
    EXPECT_TRUE(readBytes(cups.filePath(QStringLiteral("cup.cnt"))).startsWith("CONT_NAME,Cup"));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(CompetitionWindow, EditingMovesAndRemovesPilotsAndCancelKeepsTheHeaderOutOfTheStore) {
    state.settings.FrequencyDisplayMode = 1;
    QSignalSpy reset(&form, &CompetitionForm::resultMethodReset);
    openExisting();
    EXPECT_EQ(reset.count(), 1);
    // The competition's schedule is not in the program folder: the last one is offered.
    EXPECT_EQ(list("ScheduleList").currentItem()->text(), "F3A.sch");
    QListWidget& pilots = list("PilotList");
    ASSERT_EQ(pilots.count(), 4);
    EXPECT_TRUE(pilots.item(2)->text().endsWith(u" 61"));

    clickRow(pilots, 0);
    EXPECT_FALSE(enabled("MovePilotUp"));
    state.contest.Pilots[0].RoundScore[0] = 572.0;
    click(form, "MovePilotDown");
    EXPECT_EQ(pilots.currentRow(), 1);
    EXPECT_EQ(state.contest.Pilots[1].Name, QString::fromUtf8("Bjørn Æsøy"));
    EXPECT_EQ(state.contest.Pilots[1].RoundScore[0], 572.0);
    clickRow(pilots, 3);
    EXPECT_FALSE(enabled("MovePilotDown"));

    click(form, "RemovePilot");
    EXPECT_EQ(state.contest.PilotCount, 3);
    EXPECT_EQ(reset.count(), 2);

    // Header text typed meanwhile survives a judge dialog; Cancel keeps it out of the store.
    box("CompetitionLocation").setText(QStringLiteral("Jarlsberg"));
    clickRow(list("JudgeList"), 0);
    click(form, "RemoveJudge");
    EXPECT_EQ(state.contest.JudgeCount, 2);
    whenModal([](QWidget& judge) { click(judge, "JudgeCancel"); });
    click(form, "AddJudge");
    EXPECT_EQ(box("CompetitionLocation").text(), "Jarlsberg");

    // The add buttons stop at ten judges and ninety-nine pilots.
    state.contest.JudgeCount = EditorMaxJudges;
    state.contest.PilotCount = EditorMaxPilots;
    {
        ModalGuard guard;
        click(form, "AddJudge");
        click(form, "AddPilot");
        EXPECT_TRUE(guard.opened().isEmpty()) << guard.opened().join(u',').toStdString();
    }
    EXPECT_EQ(state.contest.JudgeCount, EditorMaxJudges);
    EXPECT_EQ(state.contest.PilotCount, EditorMaxPilots);
    QStringList said;
    answerMessages(&said, {"No"});
    click(form, "CompetitionCancel");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(state.contest.ContLocation, QString::fromUtf8("Ørland flyplass"));
    EXPECT_EQ(readBytes(state.work.contestPath()), readBytes(testData("contest.cnt")));
}

TEST_F(CompetitionWindow, CancelAsksToSaveChangedRecordsAndNoPutsBackWhatIsOnFile) {
    loadExisting();
    state.contest.Pilots[0].RoundScore[0] = 572.0; // as the results file gave it
    form.show();
    const QByteArray onFile = readBytes(state.work.contestPath());
    whenModal([](QWidget& judge) {
        QTest::keyClicks(&control<QLineEdit>(judge, "JudgeName"), QStringLiteral("Ny"));
        click(judge, "JudgeOK");
    });
    click(form, "AddJudge");
    ASSERT_EQ(state.contest.JudgeCount, 4);

    // Cancel on the question goes back to the editor.
    QStringList said;
    answerMessages(&said, {"Cancel"});
    click(form, "CompetitionCancel");
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains(u"Save the changes?")) << said[0].toStdString();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(state.contest.JudgeCount, 4);

    // A rename reaches the score files and the competition file at once; No keeps it and drops
    // everything else.
    const QString marks = RoundScoreFilePath(state.contest, state.work, "Per Olsen", 1);
    ASSERT_TRUE(writeBytes(marks, "SCORE,01,8,8,8,\r\nBONUS,0\r\n\r\n"));
    whenModal([](QWidget& pilot) {
        control<QLineEdit>(pilot, "PilotName").setText(QStringLiteral("Per Ola Olsen"));
        click(pilot, "PilotOK");
    });
    doubleClickRow(list("PilotList"), 3);
    clickRow(list("PilotList"), 0);
    click(form, "RemovePilot");
    answerMessages(&said, {"No"});
    click(form, "CompetitionCancel");
    EXPECT_FALSE(form.isVisible());
    const Contest& c = state.contest;
    EXPECT_EQ(QList<int>({c.JudgeCount, c.PilotCount, c.TeamCount}), QList<int>({3, 4, 3}));
    EXPECT_EQ(c.Pilots[0].RoundScore[0], 572.0);
    EXPECT_EQ(c.Pilots[3].Name, "Per Ola Olsen");
    EXPECT_EQ(c.Teams[0].Members[1], "Per Ola Olsen");
    EXPECT_EQ(readBytes(state.work.contestPath()),
              QByteArray(onFile).replace("Per Olsen", "Per Ola Olsen"));
    EXPECT_FALSE(QFile::exists(marks));

    // Yes saves them.
    form.show();
    whenModal([](QWidget& judge) { click(judge, "JudgeOK"); });
    click(form, "AddJudge");
    answerMessages(&said, {"Yes"});
    click(form, "CompetitionCancel");
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(readBytes(state.work.contestPath()).contains("JUDGE,04,Navn,Nasjon\r\n"));
}
