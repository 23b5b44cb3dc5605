#pragma once

#include "core/contest.h"
#include "core/texts.h"
#include "reports/printtarget.h"
#include "reports/reportframe.h"
#include "scoring/results.h"

namespace veltra {

// The official result list: pilots by place with each counted round's points and normalised
// points, the total and the normalised total, then the teams. With the weakest round dropped,
// each pilot's dropped round is struck through, or in the text variant put in brackets. Each
// copy is a print job of its own.
//
// The graphic variant continues a long list on further pages under the repeated heading, and
// rounds that do not fit the page's width on further pages that show the places, names and
// totals again.
void PrintResults(const PreparedResults& results, const Texts& texts, const PrintSettings& settings,
                  int copies, PrintTarget& target);

} // namespace veltra
