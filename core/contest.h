#pragma once

#include <QString>
#include <array>

namespace veltra {

// Capacities of the store. The editors stop earlier (see the Editor* limits).
inline constexpr int MaxJudges = 11;
inline constexpr int MaxPilots = 101;
inline constexpr int MaxTeams = 21;
inline constexpr int MaxMembers = 4;
inline constexpr int MaxManeuvers = 51;
inline constexpr int MaxRounds = 11;

inline constexpr int EditorMaxJudges = 10;
inline constexpr int EditorMaxPilots = 99;
inline constexpr int EditorMaxTeams = 20;
inline constexpr int EditorMaxMembers = 3;
inline constexpr int EditorMaxRounds = 10;

struct Judge {
    QString Name;
    QString Nation;
};

struct Pilot {
    int StartNo = 0;
    QString Name;
    QString Club;
    QString Plane;
    QString Engine;
    QString Radio;
    double Channel = 0.0;
    QString NACNo;
    double KFactor = 1.0;
    std::array<double, MaxRounds> RoundScore{};
    std::array<double, MaxRounds> RoundPoints{};
    double Total = 0.0;
    double LowestPoints = 1000.0;
    int DroppedRound = -1;
    int Placed = 0;
};

struct Team {
    QString Name;
    int MemberCount = 0;
    std::array<QString, MaxMembers> Members;
    std::array<double, MaxMembers> MemberScore{};
    double Total = 0.0;
    int Placed = 0;
};

// One competition: header, judges, pilots (in start order), teams, the flight schedule and the
// result tables. Arrays have fixed capacity; records at or beyond a count are stale and are
// never read.
struct Contest {
    QString ContName;
    QString ContDate;
    QString ContLocation;
    QString ContSchedule;
    int Rounds = 0;
    int StartNoOffset = 0;
    int ResultMethod = 0;

    std::array<Judge, MaxJudges> Judges;
    int JudgeCount = 0;
    std::array<Pilot, MaxPilots> Pilots;
    int PilotCount = 0;
    std::array<Team, MaxTeams> Teams;
    int TeamCount = 0;

    int TotalTime = 0;
    int ManeuverCount = 0;
    std::array<QString, MaxManeuvers> ManeuverName;
    std::array<int, MaxManeuvers> ManeuverK{};
    QString NewScheduleName;

    std::array<double, MaxPilots> NormTotal{};
    std::array<int, MaxPilots> PilotListed{};
    std::array<int, MaxTeams> TeamListed{};
};

// Where the competition lies and what the windows are working on.
struct Workspace {
    QString ContestFile;
    QString ContestDir; // always ends with "/"
    QString ProgramDir; // no trailing "/"
    QString LanguageDir;
    int CurrentRound = 1;
    int EditMode = 0;
    int NewContestPending = 0;
    int EditPilotIndex = 0;
    int PilotEditMode = 0;
    int EditJudgeIndex = 0;
    int JudgeEditMode = 0;

    QString contestPath() const { return ContestDir + ContestFile; }
};

} // namespace veltra
