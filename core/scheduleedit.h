#pragma once

#include "core/contest.h"
#include "core/status.h"
#include "core/texts.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace veltra {

// The schedule files (".sch", any letter case) of the program folder, sorted by name.
QStringList ScheduleFiles(const QString& programDir);

// The file name of a new schedule called `typed`, or why no schedule can be called so: a name
// that cannot be a file name or that the competition file cannot hold, or one that another
// schedule of the program folder already has (saving would overwrite it).
struct ScheduleNameCheck {
    QString fileName;
    std::optional<QString> fault;
};
ScheduleNameCheck CheckNewScheduleName(const QString& typed, const QString& programDir);

// A new schedule in the store: no maneuvers, 10 minutes per competitor, and its file name.
void StartNewSchedule(Contest& contest, const QString& typedName, const QString& fileName);

// The maneuver dialog's number: a whole number from 1 to one past the last maneuver, and never
// beyond the schedule's capacity, so that the maneuvers stay numbered without gaps.
std::optional<int> ManeuverNumber(const QString& typed, const Contest& contest);
QString ManeuverNumberFault(const Contest& contest);

// Stores maneuver `number` (from 1) with its name (commas replaced, trimmed) and K-factor.
// True when it was a new maneuver after the last one.
bool StoreManeuver(Contest& contest, int number, const QString& typedName, int kFactor);

// Removes maneuver `number` (from 1); the maneuvers after it move up one number.
void RemoveManeuver(Contest& contest, int number);

// The flight schedule of the store. The schedule library loads whichever schedule is edited
// into the store; the loaded competition is scored against its own schedule again afterwards.
struct ScheduleSnapshot {
    QString ContSchedule;
    int TotalTime = 0;
    int ManeuverCount = 0;
    std::array<QString, MaxManeuvers> ManeuverName;
    std::array<int, MaxManeuvers> ManeuverK{};
};
ScheduleSnapshot TakeScheduleSnapshot(const Contest& contest);

// Puts the competition's own schedule back: read again from its file when it still exists, so
// that changes saved to it meanwhile count, otherwise as it was in memory.
void RestoreSchedule(Contest& contest, const Workspace& work, const Texts& texts,
                     const ScheduleSnapshot& snapshot);

} // namespace veltra
