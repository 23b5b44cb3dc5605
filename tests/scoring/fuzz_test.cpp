#include "scoring/judgeanalysis.h"
#include "scoring/scorefiles.h"
#include "support/contestfolder.h"
#include "support/mutate.h"

#include <gtest/gtest.h>

using namespace veltra;

using Fuzz = ContestFolder;

// Under the sanitizers: marks recalled from mutated files stay marks.
TEST_F(Fuzz, DamagedScoreAndResultsFilesNeverCrashTheReaders) {
    contest.ContName = QStringLiteral("F");
    contest.JudgeCount = 5;
    contest.ManeuverCount = 3;
    contest.ManeuverK = {1, 2, 3};
    for (const char* name : {"Bjørn Æsøy", "Kåre Ås", "Åse"})
        addPilot(contest, name);
    const QByteArray round = readBytes(testData("round_five_judges.R01"));
    const QByteArray results = readBytes(testData("results.RES"));
    std::mt19937 random(61206);
    for (int run = 0; run < 1500; ++run) {
        contest.Rounds = 1 + run % MaxRounds;
        ASSERT_TRUE(writeBytes(RoundScoreFilePath(contest, work, contest.Pilots[1].Name, 1),
                               mutate(round, random)));
        ASSERT_TRUE(writeBytes(ResultsFilePath(contest, work), mutate(results, random)));
        RoundMarks marks;
        RecallScores(contest, work, 1, 1, marks);
        for (int m = 0; m < MaxManeuvers; ++m)
            for (int j = 0; j < MaxJudges; ++j)
                ASSERT_TRUE(!marks.hasMark(m, j) ||
                            (marks.mark(m, j) >= 0 && marks.mark(m, j) <= 10));
        ReadPreviousScores(contest, work, contest.Rounds);
        JudgeAnalysisText(contest, work, Texts(), QString());
    }
}
