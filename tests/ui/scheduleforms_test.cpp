#include "core/contestfiles.h"
#include "core/editorlines.h"
#include "support/contestfolder.h"
#include "support/windowdriver.h"
#include "ui/scheduleform.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

const QByteArray kClubSchedule = "TOTALTIME, 8\r\n#, Maneuvre                     ,K\r\n"
                                 "MAN, 01, Take off, 1\r\nMAN, 02, Loop, 2\r\nMAN, 03, Rull, 3\r\n";

class ScheduleWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        state.work.ProgramDir = home.path();
        ASSERT_TRUE(writeBytes(home.filePath(QStringLiteral("Klubb.sch")), kClubSchedule));
        ASSERT_TRUE(writeBytes(home.filePath(QStringLiteral("F3A.sch")), "TOTALTIME, 9\r\n"));
        // The loaded competition flies the club schedule.
        state.contest.ContSchedule = QStringLiteral("Klubb.sch");
        ASSERT_TRUE(ReadSchedule(state.contest, state.work, state.texts));
        library.show();
    }

    QListWidget& files() { return control<QListWidget>(library, "CompetitionSchedule"); }
    int row(const char* file) { return rowOf(files(), QLatin1String(file)); }

    QTemporaryDir home;
    AppState state;
    ScheduleForm library{state};
};

void nameSchedule(QWidget& dialog, const char* name, QString* refusal = nullptr) {
    control<QLineEdit>(dialog, "ScheduleName").setText(QString::fromUtf8(name));
    if (refusal)
        answerMessage(refusal);
    click(dialog, "NewSchedOK");
}

} // namespace

// Making a schedule from the library runs in the end-to-end test; here what it refuses and keeps.
TEST_F(ScheduleWindows, ANewScheduleMayNotOverwriteAnotherAndTheCompetitionKeepsItsOwn) {
    QString refusal;
    whenModal([&](QWidget& newSchedule) {
        nameSchedule(newSchedule, "klubb", &refusal);
        whenModal([](QWidget& editor) { click(editor, "EditSchedOK"); });
        nameSchedule(newSchedule, " Sport ");
    });
    click(library, "ScheduleAdd");
    EXPECT_TRUE(refusal.contains(u"exists already")) << refusal.toStdString();
    EXPECT_EQ(readBytes(home.filePath(QStringLiteral("Klubb.sch"))), kClubSchedule);
    EXPECT_EQ(readBytes(home.filePath(QStringLiteral("Sport.sch"))),
              "TOTALTIME, 10\r\n#, Maneuvre                     ,K\r\n");
    click(library, "ScheduleReturn");
    EXPECT_EQ(state.contest.ContSchedule, "Klubb.sch");
    EXPECT_EQ(state.contest.ManeuverName[1], "Loop");
}

TEST_F(ScheduleWindows, AnOpenedScheduleRefusesAManeuverNumberOutOfRangeAndAFiftySecond) {
    QString fault;
    QString full;
    whenModal([&](QWidget& editor) {
        QListWidget& list = control<QListWidget>(editor, "ManeuvreList");
        ASSERT_EQ(list.count(), 3);
        EXPECT_EQ(list.item(0)->text(), ManeuverListHeading(QStringLiteral("Maneuver")));
        EXPECT_EQ(list.item(2)->text().size(), 51);
        {
            ModalGuard guard; // the heading opens nothing
            doubleClickRow(list, 0);
            EXPECT_TRUE(guard.opened().isEmpty());
        }
        whenModal([&](QWidget& maneuver) {
            EXPECT_EQ(boxText(maneuver, "ManeuverName"), "F3A");
            control<QLineEdit>(maneuver, "ManeuverNo").setText(QStringLiteral("4"));
            answerMessage(&fault);
            click(maneuver, "ManeuverOK");
            EXPECT_EQ(maneuver.focusWidget(), &control<QLineEdit>(maneuver, "ManeuverNo"));
            click(maneuver, "ManeuverCancel");
        });
        doubleClickRow(list, 1);
        EXPECT_EQ(list.item(1)->text().size(), list.item(2)->text().size());
        state.contest.ManeuverCount = MaxManeuvers;
        answerMessage(&full);
        click(editor, "EditSchedAdd");
        click(editor, "EditSchedCancel");
    });
    state.contest.ManeuverCount = 1;
    state.contest.ManeuverName[0] = QStringLiteral("stale");
    ASSERT_TRUE(writeBytes(home.filePath(QStringLiteral("F3A.sch")),
                           "TOTALTIME, 9\r\nMAN, 01, F3A, 2\r\nMAN, 02, Roll, 1\r\n"));
    doubleClickRow(files(), row("F3A.sch"));
    EXPECT_TRUE(fault.contains(u"from 1 to 3")) << fault.toStdString();
    EXPECT_TRUE(full.contains(u"at most 51")) << full.toStdString();
    EXPECT_EQ(readBytes(home.filePath(QStringLiteral("F3A.sch"))),
              "TOTALTIME, 9\r\nMAN, 01, F3A, 2\r\nMAN, 02, Roll, 1\r\n");
}

// Each round score file holds its marks in maneuver order.
TEST_F(ScheduleWindows, AManeuverIsRemovedAfterYesUnlessTheCompetitionsStoredMarksDependOnIt) {
    state.work.ContestDir = home.path() + u'/';
    state.contest.ContName = QStringLiteral("Cup");
    addPilot(state.contest, "Per");
    const QString stored = home.filePath(QStringLiteral("Cup Per.R02"));
    ASSERT_TRUE(writeBytes(stored, "SCORE,1,5,5,5\r\n"));
    QString refusal;
    QString question;
    whenModal([&](QWidget& editor) {
        QListWidget& list = control<QListWidget>(editor, "ManeuvreList");
        for (int down = 0; down < 3; ++down)
            QTest::keyClick(&list, Qt::Key_Down);
        answerMessage(&refusal);
        accessKey(editor, Qt::Key_R);
        EXPECT_EQ(list.count(), 4);
        ASSERT_TRUE(QFile::remove(stored));
        answerMessage(&question, QMessageBox::No);
        accessKey(editor, Qt::Key_R);
        EXPECT_EQ(list.count(), 4);
        answerMessage(&question, QMessageBox::Yes);
        accessKey(editor, Qt::Key_R);
        EXPECT_EQ(lines(list).mid(1), QStringList({ManeuverListLine(state.contest, 1),
                                                   ManeuverListLine(state.contest, 2)}));
        EXPECT_TRUE(list.item(2)->text().startsWith(QStringLiteral(" 2 Rull")));
        click(editor, "EditSchedOK");
    });
    doubleClickRow(files(), row("Klubb.sch"));
    EXPECT_TRUE(refusal.contains(u"stored marks")) << refusal.toStdString();
    EXPECT_EQ(question, "Veltra:Remove maneuver 2 'Loop' from the schedule? The maneuvers after it "
                        "move up one number.");
    EXPECT_EQ(readBytes(home.filePath(QStringLiteral("Klubb.sch"))),
              "TOTALTIME, 8\r\n#, Maneuvre                     ,K\r\n"
              "MAN, 01, Take off, 1\r\nMAN, 02, Rull, 3\r\n");
}

TEST_F(ScheduleWindows, AScheduleIsDeletedOnlyAfterYes) {
    clickRow(files(), row("F3A.sch"));
    EXPECT_TRUE(control<QAbstractButton>(library, "ScheduleRemove").isEnabled());
    QString question;
    answerMessage(&question, QMessageBox::No);
    click(library, "ScheduleRemove");
    EXPECT_EQ(question, "Veltra:Do you really want to delete 'F3A.sch'?");
    EXPECT_TRUE(QFile::exists(home.filePath(QStringLiteral("F3A.sch"))));
    EXPECT_FALSE(control<QAbstractButton>(library, "ScheduleRemove").isEnabled());

    clickRow(files(), row("F3A.sch"));
    answerMessage(&question, QMessageBox::Yes);
    click(library, "ScheduleRemove");
    EXPECT_FALSE(QFile::exists(home.filePath(QStringLiteral("F3A.sch"))));
    EXPECT_EQ(lines(files()), QStringList({QStringLiteral("Klubb.sch")}));
}
