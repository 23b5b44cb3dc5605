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

// Opens the competition that ContestDir and ContestFile name: its file, its schedule and the
// stored points of every pilot.
OpenedContest OpenContest(Contest& contest, Workspace& work, const Texts& texts);

} // namespace veltra
