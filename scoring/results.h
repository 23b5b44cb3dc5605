#pragma once

#include "core/contest.h"
#include "core/status.h"

namespace veltra {

// Normalises rounds 1 .. roundsToCount to the best pilot of each round, totals them (less each
// pilot's weakest round when dropLowest), ranks pilots and teams and fills RoundPoints, Total,
// LowestPoints, DroppedRound, Placed, NormTotal, the team results and the listing marks.
// Reads no file; only the first roundsToCount entries of RoundPoints are written.
void CalculateResults(Contest& contest, int roundsToCount, bool dropLowest);

// What every results command does first: re-reads rounds 1 .. roundsToCount from the results
// file, then calculates. The calculation runs on whatever the store holds; a failed reading is
// returned for the user to read once.
Status ReadAndCalculateResults(Contest& contest, const Workspace& work, int roundsToCount,
                               bool dropLowest);

} // namespace veltra
