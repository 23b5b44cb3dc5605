#pragma once

#include "core/contest.h"
#include "core/status.h"
#include "core/texts.h"

#include <QByteArray>
#include <QString>

namespace veltra {

// Loads the competition file ContestDir + ContestFile. A missing file leaves the counts at 0.
// So does a file that is refused whole, with a message that names it and, where it can, the
// line: no text file (empty, Unicode, binary), cut short (a last line without its line end,
// a record whose values end early, a JUDGE, PILOT or TEAM line missing below the count), no
// CONT_NAME, a value the editors would refuse, or a competition or pilot name that cannot form
// a file name in the competition folder. A UTF-8 byte order mark is passed over.
Status ReadContest(Contest& contest, const Workspace& work, const Texts& texts);

// Loads the schedule file that ContSchedule names in the program folder, refused as the
// competition file is (a schedule holds a TOTALTIME line). A schedule that is missing or refused
// leaves ManeuverCount at 0 and the status says so: that is how the windows tell that no
// schedule is loaded and marks cannot be entered.
Status ReadSchedule(Contest& contest, const Workspace& work, const Texts& texts);

// No competition is open, as after a refused competition file: the header, the records and the
// schedule are empty and ContestFile names no file, so nothing can be written into the refused
// one. ContestDir stays, where the file dialogs start.
void ClearContest(Contest& contest, Workspace& work);

// Writes the competition file. Without an open competition (no ContestFile), or when an
// existing competition is edited (EditMode 1) and its file has vanished, nothing is written.
Status SaveContest(const Contest& contest, const Workspace& work, const Texts& texts);

// Writes the schedule file with the time allowed per competitor and the store's maneuvers.
Status SaveSchedule(const Contest& contest, int totalTime, const Workspace& work);

QString SchedulePath(const Contest& contest, const Workspace& work);
QByteArray ContestFileBytes(const Contest& contest);
QByteArray ScheduleFileBytes(const Contest& contest, int totalTime);

} // namespace veltra
