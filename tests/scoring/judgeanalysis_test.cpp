#include "core/ansitext.h"
#include "scoring/judgeanalysis.h"
#include "support/contestfolder.h"

#include <gtest/gtest.h>

using namespace veltra;

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
