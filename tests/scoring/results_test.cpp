#include "scoring/marks.h"
#include "scoring/results.h"
#include "support/contestfolder.h"

#include <gtest/gtest.h>

using namespace veltra;

namespace {

Contest withScores(std::initializer_list<std::initializer_list<double>> scores, int rounds,
                   bool dropLowest) {
    Contest contest;
    for (const auto& points : scores) {
        Pilot& pilot = contest.Pilots[contest.PilotCount];
        pilot.Name = QStringLiteral("P%1").arg(++contest.PilotCount);
        std::copy(points.begin(), points.end(), pilot.RoundScore.begin());
    }
    CalculateResults(contest, rounds, dropLowest);
    return contest;
}

void setRow(RoundMarks& marks, int maneuver, std::initializer_list<int> values) {
    int j = 0;
    for (int v : values) {
        if (v >= 0)
            marks.setMark(maneuver, j, v);
        ++j;
    }
}

} // namespace

TEST(CalculateResults, BestOfRoundIsRoundedHalfToEvenAndComparedAfterRounding) {
    const Contest contest = withScores({{12.4}, {12.6}}, 1, false);
    EXPECT_DOUBLE_EQ(contest.Pilots[1].RoundPoints[0], 12.6 / 13 * 1000);
    EXPECT_DOUBLE_EQ(contest.Pilots[0].RoundPoints[0], 12.4 / 13 * 1000);
    const Contest half = withScores({{2.5}, {1.0}}, 1, false);
    EXPECT_DOUBLE_EQ(half.Pilots[0].RoundPoints[0], 1250.0); // 2.5 rounds to 2
}

TEST(CalculateResults, PlacesShareRanksAndNormalisedTotalsFollowTheWinner) {
    const Contest contest =
        withScores({{500, 400}, {1000, 800}, {500, 400}, {250, 200}, {1000, 800}}, 2, false);
    EXPECT_EQ(
        QList<int>({contest.Pilots[0].Placed, contest.Pilots[1].Placed, contest.Pilots[2].Placed,
                    contest.Pilots[3].Placed, contest.Pilots[4].Placed}),
        QList<int>({3, 1, 3, 5, 1}));
    EXPECT_DOUBLE_EQ(contest.Pilots[1].Total, 2000.0);
    EXPECT_DOUBLE_EQ(contest.NormTotal[1], 1000.0);
    EXPECT_DOUBLE_EQ(contest.NormTotal[0], 500.0);

    // All zero: everyone shares place one, and rounds not counted keep their values.
    Contest zero;
    zero.PilotCount = 3;
    zero.Pilots[0].RoundPoints[5] = 77.0;
    CalculateResults(zero, 2, false);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(zero.Pilots[i].Placed, 1);
        EXPECT_EQ(zero.NormTotal[i], 0.0);
    }
    EXPECT_EQ(zero.Pilots[0].RoundPoints[5], 77.0);
}

TEST(CalculateResults, DropsTheWeakestRoundBelowAThousand) {
    const Contest contest = withScores({{1000, 500, 800, 500}, {900, 1000, 1000, 1000}}, 4, true);
    EXPECT_EQ(contest.Pilots[0].DroppedRound, 1); // the earliest of equal weakest rounds
    EXPECT_DOUBLE_EQ(contest.Pilots[0].LowestPoints, 500.0);
    EXPECT_DOUBLE_EQ(contest.Pilots[0].Total, 1000 + 800 + 500.0);
    EXPECT_DOUBLE_EQ(contest.Pilots[1].Total, 3000.0);

    // With one counted round every total becomes 0, except what lies above 1000.
    const Contest one = withScores({{12.6}, {12.4}}, 1, true);
    EXPECT_DOUBLE_EQ(one.Pilots[1].Total, 0.0);
    EXPECT_DOUBLE_EQ(one.Pilots[0].Total, 0.0);
    const Contest above = withScores({{2.5}, {1.0}}, 1, true);
    EXPECT_DOUBLE_EQ(above.Pilots[0].Total, 250.0);
    EXPECT_EQ(above.Pilots[0].DroppedRound, -1);
    EXPECT_EQ(above.Pilots[1].DroppedRound, 0);
}

TEST(CalculateResults, TeamsAddTheirMembersTotals) {
    Contest contest;
    contest.PilotCount = 4;
    for (int i = 0; i < 4; ++i) {
        contest.Pilots[i].Name = QStringLiteral("P%1").arg(i + 1);
        contest.Pilots[i].RoundScore[0] = 1000.0 / (1 << i);
    }
    contest.TeamCount = 3;
    contest.Teams[0] = {QString(), 3, {"P1", "P3", "P4"}, {}, 0, 0};
    contest.Teams[0].MemberScore[3] = -5.0;
    contest.Teams[1] = {QString(), 2, {"Nobody", "P2"}, {}, 0, 0};
    contest.Teams[2] = {QString(), 2, {"P2", "Gone"}, {}, 0, 0};
    contest.TeamListed[2] = 1;
    CalculateResults(contest, 1, false);
    EXPECT_DOUBLE_EQ(contest.Teams[0].Total, 1375.0);
    EXPECT_EQ(contest.Teams[0].MemberScore[3], -5.0);
    // A member that matches no pilot contributes 0, not another pilot's total.
    EXPECT_DOUBLE_EQ(contest.Teams[1].MemberScore[0], 0.0);
    EXPECT_DOUBLE_EQ(contest.Teams[1].Total, 500.0);
    EXPECT_DOUBLE_EQ(contest.Teams[2].MemberScore[1], 0.0);
    EXPECT_EQ(contest.Teams[0].Placed, 1);
    EXPECT_EQ(contest.Teams[1].Placed, 2);
    EXPECT_EQ(contest.Teams[2].Placed, 2);
    EXPECT_EQ(contest.TeamListed[2], 0);
}

TEST(CalculateResults, FullCapacityPointsDoNotOverflow) {
    Contest contest;
    contest.PilotCount = MaxPilots;
    for (int i = 0; i < MaxPilots; ++i)
        contest.Pilots[i].RoundScore.fill(114775.0 - i); // (45900 + 10) x 2.5 and below
    CalculateResults(contest, MaxRounds, false);
    EXPECT_DOUBLE_EQ(contest.Pilots[0].Total, 11000.0);
    EXPECT_EQ(contest.Pilots[100].Placed, 101);
}

using PreparingResults = ContestFolder;

// The stored points of the rounds asked for, read into a copy and ranked; the competition
// itself keeps the points it holds. The standings count the rounds up to the last one in which
// someone has stored points, and drop a round only once there are two.
TEST_F(PreparingResults, ReadsTheStoredPointsIntoACopyAndStandingsCountTheRoundsFlown) {
    contest.ContName = QStringLiteral("Cup");
    contest.Rounds = 4;
    addPilot(contest, "A", 1).RoundScore = {1.0, 1.0, 1.0, 1.0};
    addPilot(contest, "B", 2);
    ASSERT_TRUE(writeBytes(path("Cup.RES"), "001, A, 0100.00, 0000.00, 0000.00, 0000.00, \r\n"
                                            "002, B, 0200.00, 0000.00, 0000.00, 0000.00, \r\n"));
    const PreparedResults one = PrepareStandings(contest, work, true);
    EXPECT_TRUE(one.read);
    EXPECT_EQ(one.options.rounds, 1);
    EXPECT_FALSE(one.options.dropLowest);
    EXPECT_EQ(one.pilotsByPlace, (std::vector<int>{1, 0}));
    EXPECT_EQ(one.best[0].pilot, 1);
    EXPECT_DOUBLE_EQ(one.contest.Pilots[0].Total, 500.0);
    EXPECT_EQ(contest.Pilots[0].RoundScore[0], 1.0);

    ASSERT_TRUE(writeBytes(path("Cup.RES"), "001, A, 0100.00, 0000.00, 0300.00, 0000.00, \r\n"
                                            "002, B, 0200.00, 0000.00, 0100.00, 0000.00, \r\n"));
    const PreparedResults three = PrepareStandings(contest, work, true);
    EXPECT_EQ(three.options.rounds, 3);
    EXPECT_TRUE(three.options.dropLowest);
    EXPECT_EQ(three.contest.Pilots[0].DroppedRound, 1);
    EXPECT_DOUBLE_EQ(three.contest.Pilots[0].Total, 500.0 + 1000.0);
    EXPECT_EQ(three.pilotsByPlace, (std::vector<int>{0, 1}));
    EXPECT_EQ(PrepareResults(contest, work, {2, false}).contest.Pilots[0].RoundScore[3], 1.0);

    // A competition without a file has nothing stored; a damaged file is told.
    work.ContestFile.clear();
    EXPECT_EQ(PrepareResults(contest, work, {1, false}).contest.Pilots[0].RoundPoints[0], 1000.0);
    work.ContestFile = QStringLiteral("cup.cnt");
    ASSERT_TRUE(writeBytes(path("Cup.RES"), "001, A, 01x0.00, \r\n"));
    EXPECT_FALSE(PrepareResults(contest, work, {1, false}).read);
}

TEST(RoundPoints, RowSumsDropHighestAndLowestFromFourMarksOnAndJudgeSumsWeightEveryMark) {
    RoundMarks marks;
    setRow(marks, 0, {8, 7, 9, 8, 8});
    EXPECT_EQ(RowSum(marks, 0, 5, 3, 0), 72); // (40 - 9 - 7) x 3
    setRow(marks, 1, {8, 7, 9});
    EXPECT_EQ(RowSum(marks, 1, 3, 2, 0), 48); // fewer than four marks: none dropped
    setRow(marks, 2, {6, -1, 6, 6, 6});
    EXPECT_EQ(RowSum(marks, 2, 5, 1, 0), 12); // four given, equal values: one of each dropped
    setRow(marks, 3, {5, -1, 9, -1, 7});
    EXPECT_EQ(RowSum(marks, 3, 5, 0, 0), 21);  // an empty column only counts the given marks,
                                               // and K-factor 0 counts as 1
    EXPECT_EQ(RowSum(marks, 0, 5, 3, 1), 120); // another result method keeps every mark

    Contest contest;
    contest.JudgeCount = 5;
    contest.ManeuverCount = 2;
    contest.ManeuverK = {3, 0};
    RoundMarks two;
    setRow(two, 0, {8, 7, 9, 8, 8});
    setRow(two, 1, {5, -1, 2, 2, 2});
    EXPECT_EQ(JudgeSum(two, 2, contest), 9 * 3 + 2); // the dropped 9 weighs too
    EXPECT_EQ(JudgeSum(two, 1, contest), 7 * 3);
}

TEST(RoundPoints, BonusAndPilotKFactorApplyAfterTheRowSumsAndFullCapacityStaysExact) {
    Contest contest;
    contest.JudgeCount = 1;
    contest.ManeuverCount = 5;
    contest.ManeuverK.fill(10);
    RoundMarks marks;
    for (int m = 0; m < 5; ++m)
        marks.setMark(m, 0, 10); // row sums total 500
    marks.setBonus(20);
    EXPECT_DOUBLE_EQ(RoundPoints(marks, contest, 1.10), 572.0);
    EXPECT_DOUBLE_EQ(ComputeRoundTotals(marks, contest, 1.10).points, 572.0);
    marks.setBonus(-10);
    EXPECT_DOUBLE_EQ(RoundPoints(marks, contest, 2.0), 980.0);
    marks.clear();
    EXPECT_DOUBLE_EQ(RoundPoints(marks, contest, 1.10), 0.0);

    contest.JudgeCount = MaxJudges;
    contest.ManeuverCount = MaxManeuvers;
    for (int m = 0; m < MaxManeuvers; ++m)
        for (int j = 0; j < MaxJudges; ++j)
            marks.setMark(m, j, 10);
    marks.setBonus(10);
    // 9 counted marks of 10, K 10, 51 maneuvers: 45900, beyond a 16-bit whole number.
    EXPECT_DOUBLE_EQ(RoundPoints(marks, contest, 2.5), (45900.0 + 10.0) * 2.5);
}
