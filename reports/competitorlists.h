#pragma once

#include "core/contest.h"
#include "core/texts.h"
#include "reports/printtarget.h"
#include "reports/reportframe.h"

namespace veltra {

// The list of pilots: start number, name, club, K-factor, channel and, on a graphic printer,
// NAC number, plane, engine and radio. Each copy is a print job of its own; 0 copies print
// nothing.
void PrintPilotList(const Contest& contest, const Texts& texts, const PrintSettings& settings,
                    int copies, PrintTarget& target);

// The list of judges with their nation or club.
void PrintJudgeList(const Contest& contest, const Texts& texts, const PrintSettings& settings,
                    int copies, PrintTarget& target);

} // namespace veltra
