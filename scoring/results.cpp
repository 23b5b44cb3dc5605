#include "scoring/results.h"

#include "scoring/scorefiles.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace veltra {
namespace {

// The best points of each round, rounded half to even. A pilot replaces the best when its
// points exceed the already rounded best. The base starts at 1 so that no round divides by 0.
BestOfRound bestOfEachRound(const Contest& contest, int roundsToCount) {
    BestOfRound best{};
    for (int r = 0; r < roundsToCount; ++r) {
        for (int i = 0; i < contest.PilotCount; ++i) {
            const double score = contest.Pilots[i].RoundScore[r];
            if (score > best[r].points)
                best[r] = {std::nearbyint(score), i};
        }
    }
    return best;
}

void totalPilots(Contest& contest, int roundsToCount, bool dropLowest, const BestOfRound& best) {
    for (int i = 0; i < contest.PilotCount; ++i) {
        Pilot& pilot = contest.Pilots[i];
        pilot.Total = 0.0;
        pilot.LowestPoints = NormalisedBest;
        pilot.DroppedRound = -1;
        for (int r = 0; r < roundsToCount; ++r) {
            pilot.RoundPoints[r] = pilot.RoundScore[r] / best[r].points * NormalisedBest;
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
        contest.NormTotal[i] = bestTotal > 0.0 ? pilot.Total * NormalisedBest / bestTotal : 0.0;
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

// Repeatedly takes the unlisted entry with the smallest place; "<=" lets the later of equal
// places win. Places never exceed the count, so starting the search above every place finds
// the same entries as starting at the count.
template <typename PlaceOf> std::vector<int> ByPlace(int count, PlaceOf placeOf) {
    std::vector<bool> listed(count, false);
    std::vector<int> order;
    order.reserve(count);
    for (int row = 0; row < count; ++row) {
        int best = std::numeric_limits<int>::max();
        int chosen = 0;
        for (int i = 0; i < count; ++i) {
            if (!listed[i] && placeOf(i) <= best) {
                best = placeOf(i);
                chosen = i;
            }
        }
        listed[chosen] = true;
        order.push_back(chosen);
    }
    return order;
}

} // namespace

BestOfRound CalculateResults(Contest& contest, int roundsToCount, bool dropLowest) {
    roundsToCount = std::clamp(roundsToCount, 0, MaxRounds);
    std::fill_n(contest.PilotListed.begin(), contest.PilotCount, 0);
    const BestOfRound best = bestOfEachRound(contest, roundsToCount);
    totalPilots(contest, roundsToCount, dropLowest, best);
    placePilots(contest);
    placeTeams(contest);
    return best;
}

std::vector<int> PilotsByPlace(const Contest& contest) {
    return ByPlace(contest.PilotCount, [&](int i) { return contest.Pilots[i].Placed; });
}

std::vector<int> TeamsByPlace(const Contest& contest) {
    return ByPlace(contest.TeamCount, [&](int t) { return contest.Teams[t].Placed; });
}

namespace {

// A copy of the competition with the points of the results file, for `rounds` rounds.
PreparedResults readPoints(const Contest& contest, const Workspace& work, int rounds) {
    PreparedResults results{contest,          {std::clamp(rounds, 0, MaxRounds), false}, {}, {}, {},
                            Status::success()};
    if (!work.ContestFile.isEmpty())
        results.read = ReadPreviousScores(results.contest, work, results.options.rounds);
    return results;
}

void calculate(PreparedResults& results) {
    results.best =
        CalculateResults(results.contest, results.options.rounds, results.options.dropLowest);
    results.pilotsByPlace = PilotsByPlace(results.contest);
    results.teamsByPlace = TeamsByPlace(results.contest);
}

} // namespace

PreparedResults PrepareResults(const Contest& contest, const Workspace& work,
                               ResultOptions options) {
    PreparedResults results = readPoints(contest, work, options.rounds);
    results.options.dropLowest = options.dropLowest;
    calculate(results);
    return results;
}

PreparedResults PrepareStandings(const Contest& contest, const Workspace& work, bool dropLowest) {
    PreparedResults results = readPoints(contest, work, contest.Rounds);
    const Contest& read = results.contest;
    int flown = 0;
    for (int r = 0; r < results.options.rounds; ++r) {
        for (int i = 0; i < read.PilotCount; ++i) {
            if (read.Pilots[i].RoundScore[r] > 0.0)
                flown = r + 1;
        }
    }
    results.options = {flown, dropLowest && flown > 1};
    calculate(results);
    return results;
}

} // namespace veltra
