#include "bench/fullcontest.h"

#include "core/contestfiles.h"
#include "core/savefile.h"
#include "core/texts.h"
#include "scoring/scorefiles.h"

namespace veltra {

Contest FullContest() {
    Contest c;
    c.ContName = QStringLiteral("Full");
    c.ContDate = QStringLiteral("06.12.2026");
    c.ContLocation = QStringLiteral("Jarlsberg");
    c.ContSchedule = QStringLiteral("Full.sch");
    c.Rounds = FullContestRounds;
    c.StartNoOffset = 1;
    c.JudgeCount = MaxJudges;
    for (int j = 0; j < MaxJudges; ++j)
        c.Judges[j] = {QStringLiteral("Dommer %1").arg(j + 1), QStringLiteral("NOR")};
    c.PilotCount = MaxPilots;
    for (int i = 0; i < MaxPilots; ++i) {
        Pilot& p = c.Pilots[i];
        p.StartNo = i + 1;
        p.Name = QString::fromUtf8("Pilot Ødegård %1").arg(i + 1);
        p.Club = QString::fromUtf8("Tønsberg MFK");
        p.NACNo = QStringLiteral("NAK-%1").arg(i);
        p.KFactor = 1.0 + (i % 5) * 0.05;
        p.Channel = 35.01 + (i % 20) * 0.02;
        p.Plane = QStringLiteral("Extra");
        p.Engine = QStringLiteral("OS");
        p.Radio = QStringLiteral("Futaba");
    }
    c.TeamCount = MaxTeams;
    for (int t = 0; t < MaxTeams; ++t) {
        Team& team = c.Teams[t];
        team.Name = QStringLiteral("Lag %1").arg(t + 1);
        team.MemberCount = 3 + t % 2;
        for (int m = 0; m < team.MemberCount; ++m)
            team.Members[m] = c.Pilots[(4 * t + m) % MaxPilots].Name;
    }
    c.TotalTime = 10;
    c.ManeuverCount = MaxManeuvers;
    for (int m = 0; m < MaxManeuvers; ++m) {
        c.ManeuverName[m] = QStringLiteral("Maneuver %1").arg(m + 1);
        c.ManeuverK[m] = 1 + m % 10;
    }
    return c;
}

RoundMarks FullContestMarks(int pilot, int round) {
    RoundMarks marks;
    for (int m = 0; m < MaxManeuvers; ++m)
        for (int j = 0; j < MaxJudges; ++j)
            marks.setMark(m, j, (pilot * 7 + round * 3 + m + j) % 11);
    marks.setBonus(pilot % 21 - 10);
    return marks;
}

QStringList WriteFullContest(Contest& c, const Workspace& work) {
    SaveContest(c, work, Texts());
    SaveSchedule(c, c.TotalTime, work);
    for (int i = 0; i < c.PilotCount; ++i) {
        for (int r = 1; r <= c.Rounds; ++r) {
            const RoundMarks marks = FullContestMarks(i, r);
            c.Pilots[i].RoundScore[r - 1] = RoundPoints(marks, c, c.Pilots[i].KFactor);
            SaveFileAtomically(RoundScoreFilePath(c, work, c.Pilots[i].Name, r),
                               RoundScoreFileBytes(marks, c.ManeuverCount, c.JudgeCount));
        }
    }
    SaveFileAtomically(ResultsFilePath(c, work), ResultsFileBytes(c));
    return {work.contestPath(), SchedulePath(c, work), ResultsFilePath(c, work)};
}

} // namespace veltra
