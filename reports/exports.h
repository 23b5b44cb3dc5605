#pragma once

#include "core/contest.h"
#include "core/status.h"
#include "core/texts.h"
#include "reports/listprogress.h"
#include "scoring/explanation.h"
#include "scoring/results.h"

#include <QString>

namespace veltra {

// The export files lie beside the competition file: the trimmed contest name followed by
// " results.txt" or " Pilotlist.txt".
QString ResultsExportPath(const Contest& contest, const Workspace& work);
QString PilotListExportPath(const Contest& contest, const Workspace& work);
// The explanation of a pilot's result beside them: " Explanation ", the trimmed pilot name and
// the round in detail, for instance "Cup Explanation Kåre Ås R02.txt".
QString ExplanationExportPath(const ResultExplanation& explanation, const Workspace& work);

// The result list with TAB between padded columns for spreadsheets, and no dash lines. Lines
// end with CR LF.
QString ResultsExportText(const PreparedResults& results, const Texts& texts,
                          const QString& mainCaption, const ProgressReport& progress = {});

// Every pilot in start order with club, K-factor, channel, NAC number, plane, engine and radio.
QString PilotListExportText(const Contest& contest, const Texts& texts, const QString& mainCaption,
                            int frequencyDisplayMode, const ProgressReport& progress = {});

// Write the export files whole, as Windows-1252 text. A failure leaves any earlier file as it
// was and says why; success means the file is complete.
Status ExportResults(const PreparedResults& results, const Workspace& work, const Texts& texts,
                     const QString& mainCaption, const ProgressReport& progress = {});
Status ExportExplanation(const ResultExplanation& explanation, const Workspace& work,
                         const Texts& texts, const QString& mainCaption);
Status ExportPilotList(const Contest& contest, const Workspace& work, const Texts& texts,
                       const QString& mainCaption, int frequencyDisplayMode,
                       const ProgressReport& progress = {});

} // namespace veltra
