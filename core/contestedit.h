#pragma once

#include "core/contest.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace veltra {

// Typed text as the editors store it: every comma becomes a blank, so that no field can
// break the comma format of the files.
QString EditorText(const QString& typed);

// A message naming what is wrong when `text` cannot stand in the files: a character that
// 8-bit Windows text cannot hold. `what` names the text in the message.
std::optional<QString> UnstorableTextFault(const QString& text, const QString& what);

// A message when `stem` cannot begin a file name in the competition folder: empty, blank,
// holding "..", or holding a character that file names cannot hold.
std::optional<QString> FileStemFault(const QString& stem, const QString& what);

// Whether a pilot K-factor, as the competition file keeps it (two decimals), is one the pilot
// editor takes: above 0 and below 100.
bool PilotKFactorFits(double kFactor);

// The name of a new competition's file as chosen in the file dialog; a name without any
// extension gets ".cnt", so that the file dialog lists the competition again.
QString ContestFileName(const QString& chosen);

// The competition editor's header boxes, as typed.
struct ContestHeader {
    QString name;
    QString date;
    QString location;
    QString schedule; // the chosen schedule file; empty when there is none to choose
    int rounds = 0;
    int startNoOffset = 0;
};

enum class HeaderBox { Name, Date, Location, Schedule };

struct HeaderFault {
    HeaderBox box;
    QString message;
};

// The competition file cannot hold an empty header value, the name also names the score files,
// and a competition needs a schedule: the first box that breaks one of these rules.
std::optional<HeaderFault> CheckContestHeader(const ContestHeader& header);

// Takes the header boxes into the store, commas replaced by blanks.
void TakeContestHeader(Contest& contest, const ContestHeader& header);

// The pilot editor's boxes, as typed.
struct PilotBoxes {
    QString name;
    QString club;
    QString nacNo;
    QString kFactor;
    QString channel;
    QString startNo;
    QString plane;
    QString engine;
    QString radio;
};

enum class PilotBox { Name, Club, NACNo, KFactor, Channel, StartNo, Plane, Engine, Radio };

// The values a pilot record takes from the editor.
struct PilotEntry {
    int startNo = 0;
    QString name;
    QString club;
    QString nacNo;
    double kFactor = 1.0;
    double channel = 0.0;
    QString plane;
    QString engine;
    QString radio;
};

struct PilotFault {
    PilotBox box;
    QString message;
};

struct PilotCheck {
    PilotEntry entry;
    std::optional<PilotFault> fault;
};

// Reads the boxes for the pilot at `editIndex`: texts without commas and trimmed, defaults for
// empty boxes, numbers that fit their fields in the competition file, and a name that no other
// pilot of the competition has (score files are named after it; letter case is not told apart,
// as Windows file names do not).
PilotCheck CheckPilotBoxes(const PilotBoxes& boxes, const Contest& contest, int editIndex);

// Writes the entry into the pilot at `index`. A new pilot's record is emptied of the round
// scores of whatever pilot held that place before and the count grows; a changed pilot keeps
// its points.
void StorePilot(Contest& contest, int index, const PilotEntry& entry, bool adding);

// Team members are stored as pilot names: a renamed pilot stays in its teams.
void RenameTeamMember(Contest& contest, const QString& oldName, const QString& newName);

// The judge editor's texts: commas replaced by blanks, defaults for empty boxes.
void StoreJudge(Contest& contest, int index, const QString& name, const QString& nation,
                bool adding);

// Removing a record moves the following ones down by one; the lists follow the store.
void RemoveJudge(Contest& contest, int index);
void RemovePilot(Contest& contest, int index);
void RemoveTeam(Contest& contest, int index);

// Whether two competitions have the same judges, the same pilots in the same order with the
// same points, and the same teams.
bool SameRecords(const Contest& a, const Contest& b);

// Swaps two whole pilot records, round scores included: the start order changes.
void SwapPilots(Contest& contest, int first, int second);

// A team needs a name the competition file can hold and at least one member.
bool TeamCanBeStored(const QString& typedName, int memberCount);

// Writes team `index` from the team editor: the name with commas replaced, then the members.
void StoreTeam(Contest& contest, int index, const QString& typedName, const QStringList& members);

} // namespace veltra
