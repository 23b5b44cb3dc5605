#pragma once

#include "core/texts.h"
#include "reports/printtarget.h"
#include "reports/reportframe.h"
#include "scoring/explanation.h"

#include <QString>

namespace veltra {

// The explanation as fixed-pitch text in the language in use: the round's marks maneuver by
// maneuver with the dropped marks marked, the row sums, bonus and K-factor that give the round
// points, the normalisation to the round's best, the counted rounds with the dropped one, the
// total, the place and the teams. Lines end with CR LF.
QString ExplanationText(const ResultExplanation& explanation, const Texts& texts,
                        const QString& mainCaption);

// The same text on the printer, as plain lines whatever the printer type; one copy.
void PrintExplanation(const ResultExplanation& explanation, const Texts& texts,
                      const PrintSettings& settings, PrintTarget& target);

} // namespace veltra
