#include "scoring/scorefiles.h"
#include "support/windowdriver.h"
#include "ui/scoresform.h"

#include <QDir>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

class ScoresWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        state.work.ContestDir = dir.path() + u'/';
        Contest& c = state.contest;
        c.ContName = QString::fromUtf8("Vårcup");
        c.Rounds = 3;
        c.JudgeCount = 5;
        c.ManeuverCount = 3;
        c.ManeuverName = {QStringLiteral("Loop"), QStringLiteral("Roll"), QStringLiteral("Spin")};
        c.ManeuverK = {3, 2, 0};
        c.PilotCount = 3;
        c.Pilots[0].Name = QString::fromUtf8("Bjørn");
        c.Pilots[0].KFactor = 1.10;
        c.Pilots[1].Name = QString::fromUtf8("Kåre");
        c.Pilots[2].Name = QString::fromUtf8("Åse");
    }

    void open() {
        form = std::make_unique<ScoresForm>(state);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        grid = &control<QTableWidget>(*form, "ResultGrid");
        pilots = &control<QListWidget>(*form, "PilotList");
        bonus = &control<QSpinBox>(*form, "ScoresBonus");
    }

    void type(const char* keys) {
        for (const char* k = keys; *k; ++k)
            QTest::keyClick(grid, *k);
    }

    QString cell(int row, int column) const { return grid->item(row, column)->text(); }
    QString roundFile(int pilot, int r) const {
        return RoundScoreFilePath(state.contest, state.work, state.contest.Pilots[pilot].Name, r);
    }

    QTemporaryDir dir;
    AppState state;
    std::unique_ptr<ScoresForm> form;
    QTableWidget* grid = nullptr;
    QListWidget* pilots = nullptr;
    QSpinBox* bonus = nullptr;
};

} // namespace

TEST_F(ScoresWindow, TypedMarksWalkDownTheColumnAndRecomputeEveryKey) {
    open();
    EXPECT_EQ(grid->columnCount(), 8);
    EXPECT_EQ(grid->rowCount(), 5);
    EXPECT_EQ(cell(3, 1), ""); // K-factor 0 shows as an empty cell
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), 2);

    // One judge's column at a time, as the judges' sheets are typed: 8, 7, 9, 8, 8 on the loop.
    type("8a5");
    EXPECT_EQ(cell(1, 2), "8");
    EXPECT_EQ(cell(2, 2), "5"); // "a" was ignored
    type("x");                  // 10 on the last maneuver, then on to the next judge's row 1
    EXPECT_EQ(cell(3, 2), "10");
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), 3);
    type("7  ");
    QTest::keyClick(grid, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_Right);
    type("9");
    EXPECT_EQ(cell(1, 4), "9");
    grid->setCurrentCell(1, 5);
    type("8");
    grid->setCurrentCell(1, 6);
    type("8");
    EXPECT_EQ(cell(1, 7), "72"); // (40 - 9 - 7) x 3
    EXPECT_EQ(cell(4, 2), QString::number(8 * 3 + 5 * 2 + 10));

    // The last judge column's last row sends the cursor back to row 1 of the same column.
    grid->setCurrentCell(3, 6);
    type("4");
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), 6);
    const double points = (72 + 5 * 2 + 14) * 1.10;
    EXPECT_EQ(cell(4, 7), QStringLiteral(" 105.6"));
    EXPECT_DOUBLE_EQ(state.contest.Pilots[0].RoundScore[0], points);

    bonus->setValue(-10);
    EXPECT_DOUBLE_EQ(state.contest.Pilots[0].RoundScore[0], (72 + 10 + 14 - 10) * 1.10);
    EXPECT_EQ(cell(4, 7), QStringLiteral("  94.6"));
}

TEST_F(ScoresWindow, MovingOnStoresAndRecallsAndAnUnscoredPilotGetsZero) {
    open();
    bonus->setValue(10);
    type("999");
    EXPECT_EQ(cell(4, 7), QStringLiteral("  70.4")); // (27 + 18 + 9 + 10) x 1.10
    click(*form, "ScoresNext");
    EXPECT_TRUE(QFile::exists(roundFile(0, 1)));
    EXPECT_EQ(pilots->currentRow(), 1);
    EXPECT_EQ(bonus->value(), 0);
    EXPECT_EQ(cell(1, 2), "");
    EXPECT_EQ(cell(4, 7), QStringLiteral("   0.0"));
    EXPECT_EQ(state.contest.Pilots[1].RoundScore[0], 0.0);

    click(*form, "ScoresNext");
    click(*form, "ScoresNext");
    EXPECT_EQ(pilots->currentRow(), 0); // Next on the last pilot wraps to the first
    EXPECT_EQ(cell(1, 2), "9");
    EXPECT_EQ(cell(1, 3), "0"); // an empty cell was stored as 0 ...
    EXPECT_EQ(bonus->value(), 10);
    EXPECT_EQ(cell(1, 7), ""); // ... and now counts: five marks, highest and lowest dropped
    EXPECT_EQ(cell(4, 7), QStringLiteral("  11.0"));

    control<QSpinBox>(*form, "RoundChange").setValue(2);
    EXPECT_EQ(state.work.CurrentRound, 2);
    EXPECT_EQ(cell(1, 2), "");
    type("5");
    click(*form, "ScoresOK");
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(QFile::exists(roundFile(0, 2)));
    const QByteArray results = readBytes(ResultsFilePath(state.contest, state.work));
    EXPECT_TRUE(results.startsWith("000, Bj\xf8rn, 0011.00, 0016.50, 0000.00, \r\n"))
        << results.toStdString();

    // Shown again, the window is on the pilot and round last worked on, with their marks.
    pilots->setCurrentRow(2);
    type("7");
    click(*form, "ScoresOK");
    form->show();
    EXPECT_EQ(pilots->currentRow(), 2);
    EXPECT_EQ(state.work.EditPilotIndex, 2);
    EXPECT_EQ(control<QSpinBox>(*form, "RoundChange").value(), 2);
    EXPECT_EQ(boxText(*form, "ScoreRound"), "2");
    EXPECT_EQ(cell(1, 2), "7");
    click(*form, "ScoresOK");
    // Pilots or rounds removed meanwhile: the last of those left.
    state.contest.PilotCount = 2;
    state.contest.Rounds = 1;
    form->show();
    EXPECT_EQ(pilots->currentRow(), 1);
    EXPECT_EQ(state.work.EditPilotIndex, 1);
    EXPECT_EQ(state.work.CurrentRound, 1);
}

TEST_F(ScoresWindow, AFailedStoreKeepsThePilotAndTheMarks) {
    open();
    type("8");
    state.work.ContestDir = dir.path() + QStringLiteral("/vanished/");
    QString shown;
    answerMessage(&shown);
    pilots->setCurrentRow(2);
    EXPECT_TRUE(shown.contains(QStringLiteral("vanished"))) << shown.toStdString();
    EXPECT_EQ(pilots->currentRow(), 0);
    EXPECT_EQ(state.work.EditPilotIndex, 0);
    EXPECT_EQ(cell(1, 2), "8");

    answerMessage(&shown);
    form->close();
    EXPECT_TRUE(form->isVisible()); // nothing typed is lost by closing

    // Closing by the title bar stores the marks once the folder is back.
    state.work.ContestDir = dir.path() + u'/';
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(readBytes(roundFile(0, 1)).left(15), "SCORE,01,8,0,0,");
}

TEST_F(ScoresWindow, ADamagedRoundFileIsReportedWithFeil) {
    ASSERT_TRUE(writeBytes(roundFile(0, 1), "SCORE,01,8,7,9,8,8,\r\nSCORE,zz,1,1,1,1,1,\r\n"));
    QString shown;
    answerMessage(&shown);
    open();
    EXPECT_EQ(shown, "Veltra:FEIL " + QDir::toNativeSeparators(roundFile(0, 1)));
    EXPECT_EQ(cell(1, 2), "8");
    EXPECT_EQ(cell(1, 7), "72");
}

TEST_F(ScoresWindow, ThreeJudgesKeepEveryMarkAndTheBonusAddsBeforeThePilotKFactor) {
    state.contest.JudgeCount = 3;
    state.contest.ManeuverK = {2, 10, 10};
    open();
    type("8x07x09x0");           // judge by judge down the column: loop, roll, spin
    EXPECT_EQ(cell(1, 5), "48"); // 8 + 7 + 9 = 24, times 2: fewer than four marks, none dropped
    EXPECT_EQ(cell(2, 5), "300");
    EXPECT_EQ(cell(3, 5), ""); // a row sum of 0 shows as an empty cell
    grid->setCurrentCell(3, 2);
    type("9");
    grid->setCurrentCell(3, 3);
    type("9");
    bonus->setValue(-8);
    EXPECT_EQ(cell(4, 5), QStringLiteral(" 572.0")); // (48 + 300 + 180 - 8) x 1.10
}

TEST_F(ScoresWindow, StoreAndRecallThroughTheGridForOneTwoAndElevenJudges) {
    for (int judges : {1, 2, 11}) {
        state.contest.JudgeCount = judges;
        open();
        QByteArray typed;
        for (int i = 0; i < judges * 3; ++i)
            typed += static_cast<char>('0' + (i * 7 + judges) % 10);
        type(typed.constData());
        QStringList shown;
        for (int row = 1; row <= 4; ++row)
            for (int column = 2; column < judges + 3; ++column)
                shown << cell(row, column);
        click(*form, "ScoresNext");
        pilots->setCurrentRow(0);
        QStringList recalled;
        for (int row = 1; row <= 4; ++row)
            for (int column = 2; column < judges + 3; ++column)
                recalled << cell(row, column);
        EXPECT_EQ(recalled, shown) << judges;
        QFile::remove(roundFile(0, 1));
    }
}
