#include "core/contestfiles.h"
#include "scoring/results.h"
#include "scoring/scorefiles.h"
#include "support/testsupport.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace veltra;

// The demo contest that a first start puts in place must be exactly what the program itself
// would have written: its points agree with its stored marks.
TEST(DemoContest, PointsAgreeWithTheStoredMarks) {
    Contest contest;
    Workspace work;
    Texts texts;
    work.ContestDir = QStringLiteral(VELTRA_SOURCE_DIR "/examples/demo/");
    work.ContestFile = QString::fromUtf8("Vårcup Tønsberg 2026.cnt");
    work.ProgramDir = QStringLiteral(VELTRA_SOURCE_DIR "/resources/program");
    ASSERT_TRUE(ReadContest(contest, work, texts));
    ASSERT_TRUE(ReadSchedule(contest, work, texts));
    EXPECT_EQ(contest.PilotCount, 12);
    EXPECT_EQ(contest.JudgeCount, 5);
    EXPECT_EQ(contest.TeamCount, 2);
    EXPECT_EQ(contest.ManeuverCount, 17);
    ASSERT_TRUE(ReadPreviousScores(contest, work, contest.Rounds));

    for (int i = 0; i < contest.PilotCount; ++i) {
        for (int round = 1; round <= 3; ++round) {
            RoundMarks marks;
            ASSERT_TRUE(RecallScores(contest, work, i, round, marks));
            EXPECT_NEAR(contest.Pilots[i].RoundScore[round - 1],
                        RoundPoints(marks, contest, contest.Pilots[i].KFactor), 0.005)
                << contest.Pilots[i].Name.toStdString() << " round " << round;
        }
        EXPECT_EQ(contest.Pilots[i].RoundScore[3], 0.0);
    }
    CalculateResults(contest, 3, false);
    EXPECT_EQ(contest.Pilots[0].Placed, 1);
    EXPECT_GT(contest.Teams[0].Total, 0.0);
}
