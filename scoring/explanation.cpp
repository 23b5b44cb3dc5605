#include "scoring/explanation.h"

#include "core/format.h"
#include "scoring/marks.h"
#include "scoring/scorefiles.h"

#include <algorithm>

namespace veltra {
namespace {

// The marks of one maneuver, and which two of them the row sum leaves out: the first judge
// with the highest mark, and the first other judge with the lowest, as one of each is dropped
// also when several judges gave the same mark.
ManeuverWorking maneuverWorking(const Contest& contest, const RoundMarks& marks, int m) {
    ManeuverWorking row;
    row.name = contest.ManeuverName[m];
    row.k = EffectiveK(contest.ManeuverK[m]);
    row.marks.fill(ManeuverWorking::NoMark);
    std::int64_t sum = 0;
    for (int j = 0; j < contest.JudgeCount; ++j) {
        if (!marks.hasMark(m, j))
            continue;
        row.marks[j] = marks.mark(m, j);
        sum += row.marks[j];
        ++row.given;
        if (row.droppedHighest < 0 || row.marks[j] > row.marks[row.droppedHighest])
            row.droppedHighest = j;
    }
    for (int j = 0; j < contest.JudgeCount; ++j) {
        if (row.marks[j] != ManeuverWorking::NoMark && j != row.droppedHighest &&
            (row.droppedLowest < 0 || row.marks[j] < row.marks[row.droppedLowest]))
            row.droppedLowest = j;
    }
    if (DropsExtremes(row.given, contest.ResultMethod)) {
        sum -= row.marks[row.droppedHighest] + row.marks[row.droppedLowest];
    } else {
        row.droppedHighest = ManeuverWorking::NoJudge;
        row.droppedLowest = ManeuverWorking::NoJudge;
    }
    row.counted = sum;
    row.rowSum = RowSum(marks, m, contest.JudgeCount, contest.ManeuverK[m], contest.ResultMethod);
    return row;
}

RoundWorking roundWorking(const PreparedResults& results, const Workspace& work, int pilot,
                          int round) {
    const Contest& contest = results.contest;
    const Pilot& flown = contest.Pilots[pilot];
    RoundWorking working;
    working.round = round;
    RoundMarks marks;
    const RoundFileRead read = RecallScores(contest, work, pilot, round, marks);
    working.stored = read.found;
    working.marksRead = read ? Status::success() : Status::failure(read.message);
    working.judges = contest.JudgeCount;
    for (int m = 0; m < contest.ManeuverCount; ++m) {
        working.maneuvers.push_back(maneuverWorking(contest, marks, m));
        working.rowSums += working.maneuvers.back().rowSum;
    }
    working.bonus = marks.bonus();
    working.rawSum = working.rowSums + working.bonus;
    working.kFactor = flown.KFactor;
    working.fromMarks = RoundPoints(marks, contest, flown.KFactor);
    const int r = round - 1;
    working.points = flown.RoundScore[r];
    working.agrees =
        FormatNumber(working.fromMarks, u"0.00") == FormatNumber(working.points, u"0.00");
    working.counted = round <= results.options.rounds;
    if (working.counted) {
        working.best = results.best[r];
        if (working.best.pilot >= 0) {
            const Pilot& best = contest.Pilots[working.best.pilot];
            working.bestPilotName = best.Name;
            working.bestPilotPoints = best.RoundScore[r];
        }
        working.normalised = flown.RoundPoints[r];
    }
    return working;
}

std::vector<TeamWorking> teamsOf(const Contest& contest, const QString& pilotName) {
    std::vector<TeamWorking> teams;
    for (int t = 0; t < contest.TeamCount; ++t) {
        const Team& team = contest.Teams[t];
        const auto first = team.Members.begin();
        if (std::find(first, first + team.MemberCount, pilotName) == first + team.MemberCount)
            continue;
        TeamWorking working{team.Name, {}, team.Total, team.Placed, contest.TeamCount};
        for (int m = 0; m < team.MemberCount; ++m) {
            const auto pilots = contest.Pilots.begin();
            const bool found =
                std::any_of(pilots, pilots + contest.PilotCount,
                            [&](const Pilot& p) { return p.Name == team.Members[m]; });
            working.members.push_back({team.Members[m], found, team.MemberScore[m]});
        }
        teams.push_back(working);
    }
    return teams;
}

} // namespace

ResultExplanation ExplainResult(const PreparedResults& results, const Workspace& work, int pilot,
                                int round) {
    const Contest& contest = results.contest;
    const Pilot& flown = contest.Pilots[pilot];
    ResultExplanation explanation;
    explanation.contestName = contest.ContName;
    explanation.location = contest.ContLocation;
    explanation.date = contest.ContDate;
    explanation.startNo = flown.StartNo;
    explanation.pilotName = flown.Name;
    explanation.options = results.options;
    explanation.round = roundWorking(results, work, pilot, std::clamp(round, 1, MaxRounds));
    for (int r = 0; r < results.options.rounds; ++r) {
        explanation.rounds.push_back({flown.RoundScore[r], results.best[r], flown.RoundPoints[r]});
        explanation.sumOfRounds += flown.RoundPoints[r];
    }
    explanation.droppedRound = flown.DroppedRound;
    explanation.lowestPoints = flown.LowestPoints;
    explanation.total = flown.Total;
    explanation.placed = flown.Placed;
    explanation.pilotCount = contest.PilotCount;
    for (int i = 0; i < contest.PilotCount; ++i)
        explanation.bestTotal = std::max(explanation.bestTotal, contest.Pilots[i].Total);
    explanation.normTotal = contest.NormTotal[pilot];
    explanation.teams = teamsOf(contest, flown.Name);
    return explanation;
}

} // namespace veltra
