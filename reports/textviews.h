#pragma once

#include "core/contest.h"
#include "core/texts.h"
#include "reports/listprogress.h"
#include "scoring/results.h"

#include <QString>

namespace veltra {

// The title of the results list in the language in use: the caption of the View > Results
// menu item without its access-key marker, "Results" until a language file names it.
QString ResultsTitle(const Texts& texts);

// The on-screen result list: title line, contest line, the pilots by place with raw and
// normalised points of every counted round, and the team ranking when there are teams. Lines
// end with CR LF.
QString ResultsViewText(const PreparedResults& results, const Texts& texts,
                        const QString& mainCaption, const ProgressReport& progress = {});

// The flying order of round `round` (1-based): the start order rotated to the round's first
// pilot, every round starting with the first pilot when there are fewer pilots than rounds or
// no rounds at all. Frequency display mode 0 shows channels as MHz, 1 as numbers.
QString StartListViewText(const Contest& contest, const Texts& texts, const QString& mainCaption,
                          int frequencyDisplayMode, int round);

} // namespace veltra
