#pragma once

#include "core/contest.h"
#include "core/texts.h"
#include "reports/printtarget.h"
#include "reports/reportframe.h"

namespace veltra {

struct ResultsPrintOptions {
    int copies = 1;          // -1 means cancelled: nothing is recalculated or printed
    int rounds = 1;          // rounds 1 .. rounds are counted
    bool dropLowest = false; // each pilot's weakest round is dropped and struck through
};

// The official result list: pilots by place with each round's points and normalised points,
// the total and the normalised total, then the teams. It first recalculates the results for
// exactly the chosen rounds and drop choice, which stay in the contest afterwards; the caller
// re-reads the stored round points (ReadPreviousScores) for the same rounds before.
//
// The graphic variant continues a long list, or rounds that do not fit the page's width, on
// further pages under the repeated heading.
void PrintResults(Contest& contest, const Texts& texts, const PrintSettings& settings,
                  const ResultsPrintOptions& options, PrintTarget& target);

} // namespace veltra
