#pragma once

#include "core/contest.h"
#include "core/texts.h"
#include "reports/printtarget.h"
#include "reports/reportframe.h"
#include "scoring/marks.h"

namespace veltra {

// The marks of one pilot in one round as the score entry window holds them: every judge's
// mark, the lowest and highest of each maneuver, the row sums, each judge's weighted sum and
// its deviation from the judges' average, the bonus, the pilot's K-factor and points, and from
// round 2 on the points of the earlier rounds. One copy, no progress.
//
// The pilot's RoundScore of the round is printed as the points, so the window updates it
// first. A schedule too long for one page continues on a further page; so does the history
// when the table reaches its place.
void PrintRoundScores(const Contest& contest, const Texts& texts, const PrintSettings& settings,
                      int pilotIndex, int round, const RoundMarks& marks, PrintTarget& target);

} // namespace veltra
