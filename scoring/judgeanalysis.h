#pragma once

#include "core/contest.h"
#include "core/texts.h"

#include <QString>

namespace veltra {

// The judge analysis: each judge's average mark per pilot over all rounds, and each judge's
// marks weighted by the maneuver K-factors. Fixed-pitch text with TAB between columns and CR LF
// after every line. A pilot without stored marks shows blanks instead of averages.
QString JudgeAnalysisText(const Contest& contest, const Workspace& work, const Texts& texts,
                          const QString& mainCaption);

} // namespace veltra
