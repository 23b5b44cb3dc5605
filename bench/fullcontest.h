#pragma once

#include "core/contest.h"
#include "scoring/marks.h"

#include <QStringList>

namespace veltra {

inline constexpr int FullContestRounds = 10;

// A competition at full capacity: 101 pilots with K-factors from 1.00 to 1.20, 10 rounds, 11
// judges, 51 maneuvers with K-factors 1 to 10 and 21 teams of three or four pilots. No points
// yet.
Contest FullContest();

// What every judge gave `pilot` (an index) in `round` (counted from 1) on every maneuver, and a
// bonus from -10 to 10.
RoundMarks FullContestMarks(int pilot, int round);

// Writes the competition file, its schedule, every round score file and the results file into
// the competition folder of `work`, each pilot's points of every round being what its marks
// give. Returns the competition, schedule and results files.
QStringList WriteFullContest(Contest& contest, const Workspace& work);

} // namespace veltra
