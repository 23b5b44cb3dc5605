#pragma once

#include "core/contest.h"
#include "core/texts.h"

#include <QStringList>

namespace veltra {

// What opening a competition came to: whether it is open, and what the user is to read.
struct OpenedContest {
    bool open = false;
    QStringList messages;
};

// Opens the competition that ContestDir and ContestFile name. A competition file that is missing
// or refused leaves no competition open (ClearContest). Otherwise the temporary files that cut-off
// saves of this competition's files left behind are removed, the schedule is read (a schedule
// that cannot be read is said, and leaves ManeuverCount at 0), and every pilot's points come from
// this competition's files alone: its results file, and the round score files where a results
// line is damaged or missing, or where a round score file is newer than the results file and
// gives other points. Opening writes no file.
OpenedContest OpenContest(Contest& contest, Workspace& work, const Texts& texts);

} // namespace veltra
