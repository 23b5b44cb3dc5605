#include "core/contestfiles.h"
#include "core/editorlines.h"
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
    QString notDone;
    QString full;
    whenModal([&](QWidget& editor) {
        QListWidget& list = control<QListWidget>(editor, "ManeuvreList");
        ASSERT_EQ(list.count(), 3);
        EXPECT_EQ(list.item(0)->text(), ManeuverListHeading(ManeuverNameWidthWide));
        EXPECT_EQ(list.item(2)->text().size(), 51);
        {
            ModalGuard guard; // the heading opens nothing
            doubleClickRow(list, 0);
            EXPECT_TRUE(guard.opened().isEmpty());
        }
        answerMessage(&notDone);
        click(editor, "EditSchedRemove");
        whenModal([&](QWidget& maneuver) {
            EXPECT_EQ(boxText(maneuver, "ManeuverName"), "F3A");
            control<QLineEdit>(maneuver, "ManeuverNo").setText(QStringLiteral("4"));
            answerMessage(&fault);
            click(maneuver, "ManeuverOK");
            EXPECT_EQ(maneuver.focusWidget(), &control<QLineEdit>(maneuver, "ManeuverNo"));
            click(maneuver, "ManeuverCancel");
        });
        doubleClickRow(list, 1);
        EXPECT_EQ(list.item(1)->text().size(), 36);
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
    EXPECT_EQ(notDone, "Veltra:Ikke Ferdig");
    EXPECT_TRUE(fault.contains(u"from 1 to 3")) << fault.toStdString();
    EXPECT_TRUE(full.contains(u"at most 51")) << full.toStdString();
    EXPECT_EQ(readBytes(home.filePath(QStringLiteral("F3A.sch"))),
              "TOTALTIME, 9\r\nMAN, 01, F3A, 2\r\nMAN, 02, Roll, 1\r\n");
}

TEST_F(ScheduleWindows, AScheduleIsDeletedOnlyAfterYes) {
    clickRow(files(), row("F3A.sch"));
    EXPECT_TRUE(control<QAbstractButton>(library, "ScheduleRemove").isEnabled());
    QString question;
    answerMessage(&question, QMessageBox::No);
    click(library, "ScheduleRemove");
    EXPECT_EQ(question, "Veltra:Vil du virkelig slette 'F3A.sch'");
    EXPECT_TRUE(QFile::exists(home.filePath(QStringLiteral("F3A.sch"))));
    EXPECT_FALSE(control<QAbstractButton>(library, "ScheduleRemove").isEnabled());

    clickRow(files(), row("F3A.sch"));
    answerMessage(&question, QMessageBox::Yes);
    click(library, "ScheduleRemove");
    EXPECT_FALSE(QFile::exists(home.filePath(QStringLiteral("F3A.sch"))));
    EXPECT_EQ(lines(files()), QStringList({QStringLiteral("Klubb.sch")}));
}
