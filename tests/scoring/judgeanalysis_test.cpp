#include "scoring/judgeanalysis.h"
#include "support/contestfolder.h"

#include <gtest/gtest.h>

using namespace veltra;

using JudgeAnalysis = ContestFolder;

TEST_F(JudgeAnalysis, ListsAveragesAndWeightedSumsPerJudge) {
    contest.ContName = QStringLiteral("Cup");
    contest.Rounds = 2;
    contest.JudgeCount = 2;
    contest.ManeuverCount = 3;
    contest.ManeuverK = {5, 10, 0};
    addPilot(contest, "Bjørn");
    addPilot(contest, "Unflown");
    // Judge 1 gives 8, 7 and 9; judge 2 gives 10, 5 and 0 over the two rounds.
    ASSERT_TRUE(writeBytes(path("Cup Bjørn.R01"),
                           "SCORE,01,8,10,0,\r\nSCORE,02,7,5,0,\r\nBONUS,0\r\n\r\n"));
    ASSERT_TRUE(writeBytes(path("Cup Bjørn.R02"), "SCORE,01,9,0,0,\r\nBONUS,0\r\n\r\n"));
    texts.set(QStringLiteral("COMPETITOR_PRINT_NAME_HEADING"), QStringLiteral("Name"));

    const QString text =
        JudgeAnalysisText(contest, work, texts, QStringLiteral("Veltra    ver. 2.41"));
    const QString pad20 = QString(20, u' ');
    const QString expected =
        QStringLiteral("===== JudgeAnalysis =====               Veltra    ver. 2.41\r\n") +
        "\r\n"
        "===== Average scores =====\r\n"
        "Name                     \tJudge1\tJudge2\tAverage\r\n" +
        QString::fromUtf8("Bjørn") + pad20 + "\t 8.000\t 5.000\t 6.500\t\r\n" +
        "Unflown                  \t      \t      \t      \t\r\n"
        "\r\n"
        "===== Scores per judge =====\r\n"
        "Name                     \tJudge1\tJudge2\t\r\n" +
        QString::fromUtf8("Bjørn") + pad20 + "\t 155.0\t 100.0\t\r\n" +
        "Unflown                  \t 000.0\t 000.0\t\r\n";
    EXPECT_EQ(text, expected);
    EXPECT_FALSE(text.contains(QStringLiteral("nan")));
    EXPECT_FALSE(text.contains(QStringLiteral("inf")));
}

TEST_F(JudgeAnalysis, NumberFormatsOfTheTwoTablesForFiveJudges) {
    contest.ContName = QStringLiteral("C");
    contest.Rounds = 1;
    contest.JudgeCount = 5;
    contest.ManeuverCount = 1;
    contest.ManeuverK[0] = 1;
    addPilot(contest, "P");
    ASSERT_TRUE(writeBytes(path("C P.R01"), "SCORE,01,10,9,8,7,6,\r\n"));
    const QString text = JudgeAnalysisText(contest, work, Texts(), QString());
    EXPECT_TRUE(text.contains(QStringLiteral("\tJudge5\tAverage\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\tJudge5\t\r\n")));
    EXPECT_TRUE(
        text.contains(QStringLiteral("\t10.000\t 9.000\t 8.000\t 7.000\t 6.000\t 8.000\t\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\t 010.0\t 009.0\t 008.0\t 007.0\t 006.0\t\r\n")));
}
