#include "bench/fullcontest.h"
#include "core/ansitext.h"
#include "core/contestfiles.h"
#include "scoring/explanation.h"
#include "scoring/judgeanalysis.h"
#include "scoring/scorefiles.h"
#include "support/contestfolder.h"

#include <gtest/gtest.h>

using namespace veltra;

namespace {

// Every pilot and round of the prepared results explained: the marks give the points the
// results count, the rows, rounds and teams add up to what the results list, and the place
// follows from the totals.
void ExpectEveryResultExplained(const Contest& contest, const Workspace& work,
                                ResultOptions options) {
    const PreparedResults results = PrepareResults(contest, work, options);
    ASSERT_TRUE(results.read);
    const Contest& c = results.contest;
    for (int p = 0; p < c.PilotCount; ++p) {
        const Pilot& pilot = c.Pilots[p];
        for (int round = 1; round <= options.rounds; ++round) {
            SCOPED_TRACE(pilot.Name.toStdString() + " round " + std::to_string(round));
            const RoundWorking w = ExplainResult(results, work, p, round).round;
            ASSERT_TRUE(w.marksRead);
            std::int64_t rows = 0;
            for (const ManeuverWorking& m : w.maneuvers) {
                EXPECT_EQ(m.counted * m.k, m.rowSum);
                rows += m.rowSum;
            }
            EXPECT_EQ(rows + w.bonus, w.rawSum);
            EXPECT_TRUE(w.agrees) << w.fromMarks << " " << w.points;
            EXPECT_EQ(w.points, pilot.RoundScore[round - 1]);
            EXPECT_EQ(w.best.points, results.best[round - 1].points);
            EXPECT_EQ(w.normalised, pilot.RoundPoints[round - 1]);
            EXPECT_EQ(w.normalised, w.points / w.best.points * NormalisedBest);
        }
        const ResultExplanation e = ExplainResult(results, work, p, 1);
        double sum = 0.0;
        for (const CountedRound& r : e.rounds)
            sum += r.normalised;
        EXPECT_EQ(e.sumOfRounds, sum);
        EXPECT_EQ(e.total, options.dropLowest ? sum - e.lowestPoints : sum);
        EXPECT_EQ(e.total, pilot.Total);
        EXPECT_EQ(e.placed, pilot.Placed);
        const auto pilots = c.Pilots.begin();
        EXPECT_EQ(e.placed, 1 + std::count_if(pilots, pilots + c.PilotCount,
                                              [&](const Pilot& o) { return o.Total > e.total; }));
        EXPECT_EQ(e.normTotal, c.NormTotal[p]);
        for (const TeamWorking& team : e.teams) {
            double members = 0.0;
            for (const MemberWorking& member : team.members)
                members += member.total;
            EXPECT_EQ(team.total, members);
        }
    }
}

} // namespace

// The demo contest's points agree with its stored marks, as a first start puts it in place.
TEST(Explanation, EveryResultOfTheDemoContestAndAtFullCapacityIsExplainedByItsOwnNumbers) {
    Contest contest;
    Workspace work;
    work.ContestDir = QStringLiteral(VELTRA_SOURCE_DIR "/examples/demo/");
    work.ContestFile = QString::fromUtf8("Vårcup Tønsberg 2026.cnt");
    work.ProgramDir = QStringLiteral(VELTRA_SOURCE_DIR "/resources/program");
    ASSERT_TRUE(ReadContest(contest, work, Texts()));
    ASSERT_TRUE(ReadSchedule(contest, work, Texts()));
    ExpectEveryResultExplained(contest, work, {contest.Rounds, true});
    ExpectEveryResultExplained(contest, work, {2, false});

    QTemporaryDir dir;
    work.ContestDir = dir.path() + u'/';
    work.ContestFile = QStringLiteral("Full.cnt");
    work.ProgramDir = dir.path();
    contest = FullContest();
    WriteFullContest(contest, work);
    contest.Pilots[0].RoundScore = {}; // the results file, not the store, holds what counts
    ExpectEveryResultExplained(contest, work, {FullContestRounds, true});
}

TEST_F(ContestFolder, ExplainsTheRoundFromTheMarksWithTheDroppedMarksAndTheRoundsBest) {
    contest.ContName = QString::fromUtf8("Vårcup");
    contest.Rounds = 2;
    contest.JudgeCount = 5;
    contest.ManeuverCount = 2;
    contest.ManeuverK = {3, 0};
    addPilot(contest, "Kåre Ås", 1).KFactor = 1.1;
    addPilot(contest, "Bo", 2).RoundScore = {100.0, 50.0};
    contest.TeamCount = 1;
    contest.Teams[0] = {QStringLiteral("Lag"), 2, {"Kåre Ås", "Nobody"}, {}, 0, 0};
    // Five judges on the loop, three on the roll; the roll's K-factor 0 counts as 1.
    ASSERT_TRUE(writeBytes(path("Vårcup Kåre Ås.R01"),
                           "SCORE,01,8,7,9,8,8,\r\nSCORE,02,6,5,4,\r\nBONUS,2\r\n"));
    contest.Pilots[0].RoundScore[0] = (72 + 15 + 2) * 1.1;
    ASSERT_TRUE(writeBytes(path("Vårcup.RES"), ResultsFileBytes(contest)));

    const PreparedResults results = PrepareResults(contest, work, {2, true});
    const ResultExplanation e = ExplainResult(results, work, 0, 1);
    const ManeuverWorking& loop = e.round.maneuvers.at(0);
    EXPECT_EQ(loop.droppedHighest, 2); // the 9
    EXPECT_EQ(loop.droppedLowest, 1);  // the 7
    EXPECT_EQ(loop.rowSum, 72);
    const ManeuverWorking& roll = e.round.maneuvers.at(1);
    EXPECT_EQ(roll.given, 3);
    EXPECT_EQ(roll.droppedHighest, ManeuverWorking::NoJudge);
    EXPECT_EQ(roll.k, 1);
    EXPECT_EQ(roll.rowSum, 15);
    EXPECT_EQ(e.round.rawSum, 89);
    EXPECT_TRUE(e.round.agrees);
    EXPECT_EQ(e.round.bestPilotName, "Bo");
    EXPECT_EQ(e.droppedRound, 1);
    EXPECT_FALSE(e.teams.at(0).members[1].found);
    EXPECT_EQ(e.teams[0].total, e.total);

    // A round score file changed after the results file was written no longer gives the
    // points the results count; a round not stored has no marks.
    ASSERT_TRUE(writeBytes(path("Vårcup Kåre Ås.R01"), "SCORE,01,8,7,9,8,8,\r\nBONUS,0\r\n"));
    const ResultExplanation changed = ExplainResult(results, work, 0, 1);
    EXPECT_FALSE(changed.round.agrees);
    EXPECT_EQ(changed.round.points, results.contest.Pilots[0].RoundScore[0]);
    EXPECT_FALSE(ExplainResult(results, work, 0, 2).round.stored);
}

using JudgeAnalysis = ContestFolder;

TEST_F(JudgeAnalysis, ListsAveragesAndWeightedSumsPerJudgeInTheNumberFormatsOfTheTwoTables) {
    contest.ContName = QStringLiteral("Cup");
    contest.Rounds = 2;
    contest.JudgeCount = 2;
    contest.ManeuverCount = 3;
    contest.ManeuverK = {5, 10, 0};
    addPilot(contest, "Bjørn");
    addPilot(contest, "Unflown");
    // Over the two rounds judge 1 gives 8, 7 and 9: average 8.000, weighted sum 155.0; judge 2
    // gives 10, 5 and 0: average 5.000, sum 100.0. The pilot who never flew gets empty averages.
    ASSERT_TRUE(writeBytes(path("Cup Bjørn.R01"),
                           "SCORE,01,8,10,0,\r\nSCORE,02,7,5,0,\r\nBONUS,0\r\n\r\n"));
    ASSERT_TRUE(writeBytes(path("Cup Bjørn.R02"), "SCORE,01,9,0,0,\r\nBONUS,0\r\n\r\n"));
    texts.set(QStringLiteral("COMPETITOR_PRINT_NAME_HEADING"), QStringLiteral("Name"));
    EXPECT_EQ(
        toAnsi(JudgeAnalysisText(contest, work, texts, QStringLiteral("Veltra    ver. 2.41"))),
        readBytes(testData("judge_analysis.txt")));

    // Five judges: two-digit averages and sums keep their columns.
    contest.JudgeCount = 5;
    contest.ManeuverCount = 1;
    contest.Rounds = 1;
    contest.ManeuverK[0] = 1;
    ASSERT_TRUE(writeBytes(path("Cup Bjørn.R01"), "SCORE,01,10,9,8,7,6,\r\n"));
    const QString text = JudgeAnalysisText(contest, work, Texts(), QString());
    EXPECT_TRUE(text.contains(QStringLiteral("\tJudge5\tAverage\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\tJudge5\t\r\n")));
    EXPECT_TRUE(
        text.contains(QStringLiteral("\t10.000\t 9.000\t 8.000\t 7.000\t 6.000\t 8.000\t\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\t 010.0\t 009.0\t 008.0\t 007.0\t 006.0\t\r\n")));
}
