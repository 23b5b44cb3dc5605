#pragma once

#include "core/contest.h"

namespace veltra {

// Normalises rounds 1 .. roundsToCount to the best pilot of each round, totals them (less each
// pilot's weakest round when dropLowest), ranks pilots and teams and fills RoundPoints, Total,
// LowestPoints, DroppedRound, Placed, NormTotal, the team results and the listing marks.
// Reads no file; only the first roundsToCount entries of RoundPoints are written.
void CalculateResults(Contest& contest, int roundsToCount, bool dropLowest);

} // namespace veltra
