#include "scoring/results.h"
#include "support/contestfolder.h"

#include <gtest/gtest.h>

using namespace veltra;

namespace {

Contest withScores(std::initializer_list<std::initializer_list<double>> scores) {
    Contest contest;
    for (const auto& rounds : scores) {
        Pilot& pilot = contest.Pilots[contest.PilotCount];
        pilot.Name = QStringLiteral("P%1").arg(contest.PilotCount + 1);
        int r = 0;
        for (double s : rounds)
            pilot.RoundScore[r++] = s;
        ++contest.PilotCount;
    }
    return contest;
}

} // namespace

TEST(CalculateResults, BestOfRoundIsRoundedHalfToEvenAndComparedAfterRounding) {
    Contest contest = withScores({{12.4}, {12.6}});
    CalculateResults(contest, 1, false);
    EXPECT_DOUBLE_EQ(contest.Pilots[1].RoundPoints[0], 12.6 / 13 * 1000);
    EXPECT_LT(contest.Pilots[1].RoundPoints[0], 1000.0);
    EXPECT_DOUBLE_EQ(contest.Pilots[0].RoundPoints[0], 12.4 / 13 * 1000);

    Contest half = withScores({{2.5}, {1.0}});
    CalculateResults(half, 1, false);
    EXPECT_DOUBLE_EQ(half.Pilots[0].RoundPoints[0], 1250.0); // 2.5 rounds to 2
    EXPECT_EQ(half.Pilots[0].DroppedRound, -1);
    EXPECT_EQ(half.Pilots[1].DroppedRound, 0);
}

TEST(CalculateResults, PlacesShareRanksAndNormalisedTotalsFollowTheWinner) {
    Contest contest = withScores({{500, 400}, {1000, 800}, {500, 400}, {250, 200}, {1000, 800}});
    CalculateResults(contest, 2, false);
    EXPECT_EQ(contest.Pilots[1].Placed, 1);
    EXPECT_EQ(contest.Pilots[4].Placed, 1);
    EXPECT_EQ(contest.Pilots[0].Placed, 3);
    EXPECT_EQ(contest.Pilots[2].Placed, 3);
    EXPECT_EQ(contest.Pilots[3].Placed, 5);
    EXPECT_DOUBLE_EQ(contest.Pilots[1].Total, 2000.0);
    EXPECT_DOUBLE_EQ(contest.NormTotal[1], 1000.0);
    EXPECT_DOUBLE_EQ(contest.NormTotal[0], 500.0);
    EXPECT_EQ(contest.PilotListed[0], 0);
}

TEST(CalculateResults, DropsTheWeakestRoundBelowAThousand) {
    Contest contest = withScores({{1000, 500, 800, 500}, {900, 1000, 1000, 1000}});
    CalculateResults(contest, 4, true);
    EXPECT_EQ(contest.Pilots[0].DroppedRound, 1); // the earliest of equal weakest rounds
    EXPECT_DOUBLE_EQ(contest.Pilots[0].LowestPoints, 500.0);
    EXPECT_DOUBLE_EQ(contest.Pilots[0].Total, 1000 + 800 + 500.0);
    EXPECT_DOUBLE_EQ(contest.Pilots[1].Total, 3000.0);

    // With one counted round every total becomes 0, except what lies above 1000.
    Contest one = withScores({{12.6}, {12.4}});
    CalculateResults(one, 1, true);
    EXPECT_DOUBLE_EQ(one.Pilots[1].Total, 0.0);
    EXPECT_DOUBLE_EQ(one.Pilots[0].Total, 0.0);
    Contest above = withScores({{2.5}, {1.0}});
    CalculateResults(above, 1, true);
    EXPECT_DOUBLE_EQ(above.Pilots[0].Total, 250.0);
    EXPECT_EQ(above.Pilots[0].DroppedRound, -1);
}

TEST(CalculateResults, AllZeroPointsGiveEveryonePlaceOne) {
    Contest contest = withScores({{0, 0}, {0, 0}, {0, 0}});
    contest.Pilots[0].RoundPoints[5] = 77.0;
    CalculateResults(contest, 2, false);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(contest.Pilots[i].Placed, 1);
        EXPECT_EQ(contest.Pilots[i].Total, 0.0);
        EXPECT_EQ(contest.NormTotal[i], 0.0);
    }
    EXPECT_EQ(contest.Pilots[0].RoundPoints[5], 77.0); // rounds not counted keep their values
}

TEST(CalculateResults, TeamsAddTheirMembersTotals) {
    Contest contest = withScores({{1000}, {500}, {250}, {100}});
    contest.TeamCount = 3;
    contest.Teams[0].MemberCount = 3;
    contest.Teams[0].Members = {"P1", "P3", "P4"};
    contest.Teams[0].MemberScore[3] = -5.0;
    contest.Teams[1].MemberCount = 2;
    contest.Teams[1].Members = {"Nobody", "P2"};
    contest.Teams[2].MemberCount = 2;
    contest.Teams[2].Members = {"P2", "Gone"};
    contest.TeamListed[2] = 1;
    CalculateResults(contest, 1, false);
    EXPECT_DOUBLE_EQ(contest.Teams[0].Total, 1350.0);
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
        for (int r = 0; r < MaxRounds; ++r)
            contest.Pilots[i].RoundScore[r] = 114775.0 - i; // (45900 + 10) x 2.5 and below
    CalculateResults(contest, MaxRounds, false);
    EXPECT_DOUBLE_EQ(contest.Pilots[0].RoundPoints[10], 1000.0);
    EXPECT_DOUBLE_EQ(contest.Pilots[0].Total, 11000.0);
    EXPECT_EQ(contest.Pilots[100].Placed, 101);
}

using PreparingResults = ContestFolder;

// The stored points of the rounds asked for, read into a copy and ranked; the competition
// itself keeps the points it holds.
TEST_F(PreparingResults, ReadsTheStoredPointsIntoACopyAndListsThemByPlace) {
    contest.ContName = QStringLiteral("Cup");
    addPilot(contest, "A", 1).RoundScore = {1.0, 1.0};
    addPilot(contest, "B", 2);
    ASSERT_TRUE(writeBytes(path("Cup.RES"), "001, A, 0100.00, 0300.00, \r\n"
                                            "002, B, 0200.00, 0100.00, \r\n"));
    const PreparedResults one = PrepareResults(contest, work, {1, false});
    EXPECT_TRUE(one.read);
    EXPECT_EQ(one.pilotsByPlace, (std::vector<int>{1, 0}));
    EXPECT_EQ(one.best[0].pilot, 1);
    EXPECT_EQ(one.contest.Pilots[0].RoundScore[1], 1.0);
    EXPECT_EQ(contest.Pilots[0].RoundScore[0], 1.0);
    const PreparedResults two = PrepareResults(contest, work, {2, false});
    EXPECT_EQ(two.pilotsByPlace, (std::vector<int>{0, 1}));
    EXPECT_DOUBLE_EQ(two.contest.Pilots[0].Total, 1500.0);

    // A competition without a file has nothing stored; a damaged file is told.
    work.ContestFile.clear();
    EXPECT_EQ(PrepareResults(contest, work, {1, false}).contest.Pilots[0].RoundPoints[0], 1000.0);
    work.ContestFile = QStringLiteral("cup.cnt");
    ASSERT_TRUE(writeBytes(path("Cup.RES"), "001, A, 01x0.00, \r\n"));
    EXPECT_FALSE(PrepareResults(contest, work, {1, false}).read);
}

// The standings count the rounds up to the last one in which someone has stored points, and
// drop a round only once there are two.
TEST_F(PreparingResults, StandingsCountTheRoundsFlownAndDropOnlyFromTheSecond) {
    contest.ContName = QStringLiteral("Cup");
    contest.Rounds = 4;
    addPilot(contest, "A", 1).RoundScore = {900.0, 900.0, 900.0, 900.0};
    addPilot(contest, "B", 2);
    ASSERT_TRUE(writeBytes(path("Cup.RES"), "001, A, 0100.00, 0000.00, 0000.00, 0000.00, \r\n"
                                            "002, B, 0200.00, 0000.00, 0000.00, 0000.00, \r\n"));
    const PreparedResults one = PrepareStandings(contest, work, true);
    EXPECT_EQ(one.options.rounds, 1);
    EXPECT_FALSE(one.options.dropLowest);
    EXPECT_DOUBLE_EQ(one.contest.Pilots[0].Total, 500.0);

    ASSERT_TRUE(writeBytes(path("Cup.RES"), "001, A, 0100.00, 0000.00, 0300.00, 0000.00, \r\n"
                                            "002, B, 0200.00, 0000.00, 0100.00, 0000.00, \r\n"));
    const PreparedResults three = PrepareStandings(contest, work, true);
    EXPECT_EQ(three.options.rounds, 3);
    EXPECT_TRUE(three.options.dropLowest);
    EXPECT_EQ(three.contest.Pilots[0].DroppedRound, 1);
    EXPECT_DOUBLE_EQ(three.contest.Pilots[0].Total, 500.0 + 1000.0);
    EXPECT_EQ(three.pilotsByPlace, (std::vector<int>{0, 1}));
}
