#pragma once

#include "core/contest.h"
#include "core/texts.h"
#include "reports/printtarget.h"
#include "reports/reportframe.h"

namespace veltra {

struct StartListOptions {
    int copies = 1; // 0 prints nothing
    int fromRound = 1;
    int toRound = 1;
    int pausePilot = 0;    // the pause follows this many pilots; 0 means no pause
    int pauseMinutes = 10; // printed in the pause line; 0 prints no pause line
};

// The flying order of each chosen round: the drawn start order, rotated to a different first
// pilot each round. The graphic variant puts four rounds side by side on a landscape page and
// continues further rounds and long lists on further pages; the text variant prints the
// rounds in pairs.
void PrintStartList(const Contest& contest, const Texts& texts, const PrintSettings& settings,
                    const StartListOptions& options, PrintTarget& target);

} // namespace veltra
