// Stores marks as the score window does, over and over, until it is killed: opens the
// competition in the folder it is given, then for a random pilot and round types the same mark
// for every judge and maneuver and a bonus, and stores the round.
#include "scoring/marks.h"
#include "scoring/opencontest.h"
#include "scoring/scorefiles.h"

#include <QString>
#include <cstdio>
#include <random>

using namespace veltra;

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    Contest contest;
    Workspace work;
    work.ProgramDir = QString::fromLocal8Bit(argv[1]);
    work.ContestDir = work.ProgramDir + u'/';
    work.ContestFile = QStringLiteral("cup.cnt");
    if (!OpenContest(contest, work, Texts()).open || contest.ManeuverCount == 0)
        return 2;
    std::mt19937 random(static_cast<unsigned>(std::atoi(argv[2])));
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    for (;;) {
        const int pilot = static_cast<int>(random() % contest.PilotCount);
        const int round = 1 + static_cast<int>(random() % contest.Rounds);
        const int mark = static_cast<int>(random() % 11);
        RoundMarks marks;
        for (int m = 0; m < contest.ManeuverCount; ++m)
            for (int j = 0; j < contest.JudgeCount; ++j)
                marks.setMark(m, j, mark);
        marks.setBonus(static_cast<int>(random() % 21) - 10);
        contest.Pilots[pilot].RoundScore[round - 1] =
            RoundPoints(marks, contest, contest.Pilots[pilot].KFactor);
        if (!SaveScores(contest, work, pilot, round, marks))
            return 3;
    }
}
