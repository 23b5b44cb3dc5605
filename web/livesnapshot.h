#pragma once

#include "core/contest.h"
#include "core/settings.h"
#include "core/texts.h"
#include "scoring/results.h"

#include <QByteArray>
#include <functional>

namespace veltra {

// A pilot (an index) in a round (counted from 1); no pilot is -1.
struct PilotInRound {
    int pilot = -1;
    int round = 0;
    bool valid() const { return pilot >= 0; }
};

// Whom the score entry window shows while it is open: the pilot flying now.
using NowScoring = std::function<PilotInRound()>;

// Everything the live pages show, copied from the store at one moment: the pages read this and
// never the store, which the windows go on changing.
struct LiveSnapshot {
    PreparedResults results; // the standings of the rounds flown
    Workspace work;          // where the round score files lie, for the explanations
    Texts texts;
    bool open = false; // a competition is open
    PilotInRound now;
    PilotInRound next; // the pilot after `now` in the start list, in the next round after the last
};

// Takes the snapshot: the standings from the one results step, and who flies now and next.
LiveSnapshot TakeLiveSnapshot(const Contest& contest, const Workspace& work, const Texts& texts,
                              bool dropLowest, PilotInRound now);

// The first pilot (an index) of `round` in the start list: the drawn order rotated.
int FirstOfRound(const Contest& contest, int round);

// What a snapshot is taken from, as bytes: equal bytes give an equal snapshot. Cheap enough to
// compare several times a second, so that a change shows without anyone telling the pages.
QByteArray LiveInputs(const Contest& contest, const Workspace& work, const Settings& settings,
                      PilotInRound now);

} // namespace veltra
