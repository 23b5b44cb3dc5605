#pragma once

#include "core/contest.h"
#include "core/texts.h"
#include "reports/printtarget.h"
#include "reports/reportframe.h"

namespace veltra {

// Which sheets to print, as the score-sheet dialog sets `ScoreSheetChoice`.
enum class ScoreSheetChoice {
    Cancelled = 0,
    AllJudgesAndPilots = 1,
    OneJudgeAllPilots = 2,
    AllJudgesOnePilot = 3,
    OneSingleSheet = 4,
};

struct ScoreSheetOptions {
    ScoreSheetChoice choice = ScoreSheetChoice::AllJudgesAndPilots;
    int judge = 0; // the judge's index, for one judge's sheets
    int pilot = 0; // the pilot's index, for one pilot's sheets
};

// How many sheets a choice makes, as the dialog warns before printing.
int ScoreSheetCount(const Contest& contest, ScoreSheetChoice choice);

// The judges' blank score sheets: one print job per sheet, all sheets of the first judge
// first. A judge or pilot index outside the lists prints nothing.
void PrintScoreSheets(const Contest& contest, const Texts& texts, const PrintSettings& settings,
                      const ScoreSheetOptions& options, PrintTarget& target);

} // namespace veltra
