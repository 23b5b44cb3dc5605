#pragma once

#include "core/contest.h"
#include "core/status.h"

#include <vector>

namespace veltra {

// The points the best pilot of each round is worth, and the total the winner is worth.
inline constexpr double NormalisedBest = 1000.0;

// The best points of one round as the calculation divides by them: rounded to a whole number,
// 1 when no pilot has more, and the pilot who set it last (-1 for none).
struct RoundBest {
    double points = 1.0;
    int pilot = -1;
};
using BestOfRound = std::array<RoundBest, MaxRounds>;

// Normalises rounds 1 .. roundsToCount to the best pilot of each round, totals them (less each
// pilot's weakest round when dropLowest), ranks pilots and teams and fills RoundPoints, Total,
// LowestPoints, DroppedRound, Placed, NormTotal, the team results and the listing marks.
// Reads no file; only the first roundsToCount entries of RoundPoints are written. Returns the
// best of each counted round.
BestOfRound CalculateResults(Contest& contest, int roundsToCount, bool dropLowest);

// The order of every result listing: by place, and among equal places the one later in the
// store first. The listings take pilots and teams in this order once each.
std::vector<int> PilotsByPlace(const Contest& contest);
std::vector<int> TeamsByPlace(const Contest& contest);

// What the user chose in the results options dialog.
struct ResultOptions {
    int rounds = 1;          // rounds 1 .. rounds are counted
    bool dropLowest = false; // each pilot's weakest counted round is dropped
};

// The results as every view, export, printout and the display board show them: a copy of the
// competition whose points per round were read again from the results file and whose result
// fields are filled, the best of each counted round, and the listing order.
struct PreparedResults {
    Contest contest;
    ResultOptions options; // the rounds within 0 .. MaxRounds
    BestOfRound best{};
    std::vector<int> pilotsByPlace;
    std::vector<int> teamsByPlace;
    // A damaged results file, told to the user once; the points were then rebuilt from the
    // stored marks.
    Status read;
};

// The one way to results: re-reads rounds 1 .. options.rounds of every pilot from the results
// file into a copy of `contest`, then calculates. The competition itself is not changed. A
// competition that has no file yet has nothing stored to read, and counts the points it holds.
PreparedResults PrepareResults(const Contest& contest, const Workspace& work,
                               ResultOptions options);

// The standings as they stand: the results of every round up to the last one in which a pilot
// has points in the results file. The weakest round is dropped only once two rounds are flown,
// as no pilot is to lose the only round there is.
PreparedResults PrepareStandings(const Contest& contest, const Workspace& work, bool dropLowest);

} // namespace veltra
