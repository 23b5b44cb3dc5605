#pragma once

#include "core/contest.h"
#include "core/contestedit.h"
#include "core/status.h"
#include "core/texts.h"

namespace veltra {

// Score files are named after the competition and the pilot, so a new name has to take the
// stored marks along. Each operation below either completes or leaves every file and the store
// as it was, and says why.

// Changes pilot `index` to `entry`; its points in memory stay. When a pilot of the competition
// file (EditMode 1) gets a new name, its round score files and its line of the results file
// take the new name, and so does the pilot in the competition file, so that the file names the
// pilot as its score files do; nothing else of the editor's unsaved changes is written. A pilot
// not in the file yet takes no score files. Refused when score files of the new name exist
// already. Teams keep the pilot as a member under its new name.
Status ChangePilot(Contest& contest, const Workspace& work, const Texts& texts, int index,
                   const PilotEntry& entry);

// Takes the competition editor's header into the store and saves the competition file. When a
// competition on file gets a new name, every pilot's round score files and the results file take
// the new name first; refused when files of the new name exist already. A failure leaves the
// store's header as it was.
Status SaveEditedContest(Contest& contest, const Workspace& work, const Texts& texts,
                         const ContestHeader& header);

} // namespace veltra
