#include "scoring/results.h"

#include "scoring/scorefiles.h"

#include <algorithm>
#include <cmath>

namespace veltra {
namespace {

// The best points of each round, rounded half to even. A pilot replaces the best when its
// points exceed the already rounded best. The base starts at 1 so that no round divides by 0.
std::array<double, MaxRounds> bestOfEachRound(const Contest& contest, int roundsToCount) {
    std::array<double, MaxRounds> best{};
    for (int r = 0; r < roundsToCount; ++r) {
        best[r] = 1.0;
        for (int i = 0; i < contest.PilotCount; ++i) {
            const double score = contest.Pilots[i].RoundScore[r];
            if (score > best[r])
                best[r] = std::nearbyint(score);
        }
    }
    return best;
}

void totalPilots(Contest& contest, int roundsToCount, bool dropLowest) {
    const std::array<double, MaxRounds> best = bestOfEachRound(contest, roundsToCount);
    for (int i = 0; i < contest.PilotCount; ++i) {
        Pilot& pilot = contest.Pilots[i];
        pilot.Total = 0.0;
        pilot.LowestPoints = 1000.0;
        pilot.DroppedRound = -1;
        for (int r = 0; r < roundsToCount; ++r) {
            pilot.RoundPoints[r] = pilot.RoundScore[r] / best[r] * 1000.0;
            pilot.Total += pilot.RoundPoints[r];
            if (pilot.RoundPoints[r] < pilot.LowestPoints) {
                pilot.LowestPoints = pilot.RoundPoints[r];
                pilot.DroppedRound = r;
            }
        }
        if (dropLowest)
            pilot.Total -= pilot.LowestPoints;
    }
}

void placePilots(Contest& contest) {
    double bestTotal = 0.0;
    for (int i = 0; i < contest.PilotCount; ++i)
        bestTotal = std::max(bestTotal, contest.Pilots[i].Total);
    for (int i = 0; i < contest.PilotCount; ++i) {
        Pilot& pilot = contest.Pilots[i];
        pilot.Placed = 1;
        for (int j = 0; j < contest.PilotCount; ++j)
            pilot.Placed += contest.Pilots[j].Total > pilot.Total ? 1 : 0;
        contest.NormTotal[i] = bestTotal > 0.0 ? pilot.Total * 1000.0 / bestTotal : 0.0;
    }
}

// A member whose name matches no pilot contributes 0.
double memberTotal(const Contest& contest, const QString& member) {
    double total = 0.0;
    for (int i = 0; i < contest.PilotCount; ++i) {
        if (contest.Pilots[i].Name == member)
            total = contest.Pilots[i].Total;
    }
    return total;
}

void placeTeams(Contest& contest) {
    for (int t = 0; t < contest.TeamCount; ++t) {
        Team& team = contest.Teams[t];
        contest.TeamListed[t] = 0;
        team.Total = 0.0;
        for (int m = 0; m < team.MemberCount; ++m) {
            team.MemberScore[m] = memberTotal(contest, team.Members[m]);
            team.Total += team.MemberScore[m];
        }
    }
    for (int t = 0; t < contest.TeamCount; ++t) {
        Team& team = contest.Teams[t];
        team.Placed = 1;
        for (int u = 0; u < contest.TeamCount; ++u)
            team.Placed += contest.Teams[u].Total > team.Total ? 1 : 0;
    }
}

} // namespace

void CalculateResults(Contest& contest, int roundsToCount, bool dropLowest) {
    roundsToCount = std::clamp(roundsToCount, 0, MaxRounds);
    std::fill_n(contest.PilotListed.begin(), contest.PilotCount, 0);
    totalPilots(contest, roundsToCount, dropLowest);
    placePilots(contest);
    placeTeams(contest);
}

Status ReadAndCalculateResults(Contest& contest, const Workspace& work, int roundsToCount,
                               bool dropLowest) {
    Status read = ReadPreviousScores(contest, work, roundsToCount);
    CalculateResults(contest, roundsToCount, dropLowest);
    return read;
}

} // namespace veltra
