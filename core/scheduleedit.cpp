#include "core/scheduleedit.h"

#include "core/contestedit.h"
#include "core/contestfiles.h"
#include "core/fieldreader.h"
#include "core/numbers.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace veltra {
namespace {

void restoreFields(Contest& contest, const ScheduleSnapshot& snapshot) {
    contest.ContSchedule = snapshot.ContSchedule;
    contest.TotalTime = snapshot.TotalTime;
    contest.ManeuverCount = snapshot.ManeuverCount;
    contest.ManeuverName = snapshot.ManeuverName;
    contest.ManeuverK = snapshot.ManeuverK;
}

} // namespace

QStringList ScheduleFiles(const QString& programDir) {
    QDir dir(programDir);
    dir.setNameFilters({QStringLiteral("*.sch")});
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryList();
}

ScheduleNameCheck CheckNewScheduleName(const QString& typed, const QString& programDir) {
    ScheduleNameCheck check;
    const QString name = TrimBlanks(typed);
    const QString what = QStringLiteral("The schedule's name");
    check.fault = FileStemFault(name, what);
    if (!check.fault && name.contains(u','))
        check.fault = what + QStringLiteral(" cannot hold a comma.");
    if (check.fault)
        return check;
    check.fileName = name + QStringLiteral(".sch");
    for (const QString& existing : ScheduleFiles(programDir)) {
        if (existing.compare(check.fileName, Qt::CaseInsensitive) == 0) {
            check.fault = QStringLiteral("A flight schedule called \"%1\" exists already. Choose "
                                         "another name, or open that schedule to change it.")
                              .arg(name);
        }
    }
    return check;
}

void StartNewSchedule(Contest& contest, const QString& typedName, const QString& fileName) {
    contest.ManeuverCount = 0;
    contest.NewScheduleName = typedName;
    contest.TotalTime = 10;
    contest.ContSchedule = fileName;
}

std::optional<int> ManeuverNumber(const QString& typed, const Contest& contest) {
    const int last = std::min(contest.ManeuverCount + 1, MaxManeuvers);
    const std::optional<double> value = ParseReal(typed);
    if (!value || *value != std::floor(*value) || *value < 1 || *value > last)
        return std::nullopt;
    return static_cast<int>(*value);
}

QString ManeuverNumberFault(const Contest& contest) {
    const int last = std::min(contest.ManeuverCount + 1, MaxManeuvers);
    return QStringLiteral("The maneuver number must be a whole number from 1 to %1.").arg(last);
}

bool StoreManeuver(Contest& contest, int number, const QString& typedName, int kFactor) {
    contest.ManeuverName[number - 1] = TrimBlanks(EditorText(typedName));
    contest.ManeuverK[number - 1] = kFactor;
    if (number <= contest.ManeuverCount)
        return false;
    contest.ManeuverCount = number;
    return true;
}

void RemoveManeuver(Contest& contest, int number) {
    if (number < 1 || number > contest.ManeuverCount)
        return;
    for (int i = number; i < contest.ManeuverCount; ++i) {
        contest.ManeuverName[i - 1] = contest.ManeuverName[i];
        contest.ManeuverK[i - 1] = contest.ManeuverK[i];
    }
    --contest.ManeuverCount;
}

ScheduleSnapshot TakeScheduleSnapshot(const Contest& contest) {
    return {contest.ContSchedule, contest.TotalTime, contest.ManeuverCount, contest.ManeuverName,
            contest.ManeuverK};
}

void RestoreSchedule(Contest& contest, const Workspace& work, const Texts& texts,
                     const ScheduleSnapshot& snapshot) {
    restoreFields(contest, snapshot);
    if (snapshot.ContSchedule.isEmpty() || !QFileInfo(SchedulePath(contest, work)).isFile())
        return;
    if (!ReadSchedule(contest, work, texts))
        restoreFields(contest, snapshot);
}

} // namespace veltra
