#pragma once

#include "core/contest.h"
#include "core/status.h"
#include "core/texts.h"

#include <QByteArray>
#include <QString>

namespace veltra {

// Loads the competition file ContestDir + ContestFile. A missing file leaves the counts at 0; a
// file whose records do not fit the store is refused whole and leaves the same state.
Status ReadContest(Contest& contest, const Workspace& work, const Texts& texts);

// Loads the schedule file that ContSchedule names in the program folder. A missing or refused
// file leaves ManeuverCount at 0.
Status ReadSchedule(Contest& contest, const Workspace& work, const Texts& texts);

// Writes the competition file. When an existing competition is edited (EditMode 1) and its
// file has vanished, nothing is written.
Status SaveContest(const Contest& contest, const Workspace& work, const Texts& texts);

// Writes the schedule file with the time allowed per competitor and the store's maneuvers.
Status SaveSchedule(const Contest& contest, int totalTime, const Workspace& work);

QString SchedulePath(const Contest& contest, const Workspace& work);
QByteArray ContestFileBytes(const Contest& contest);
QByteArray ScheduleFileBytes(const Contest& contest, int totalTime);

} // namespace veltra
