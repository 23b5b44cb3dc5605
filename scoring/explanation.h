#pragma once

#include "core/contest.h"
#include "core/status.h"
#include "scoring/results.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace veltra {

// How one maneuver's row sum comes from the judges' marks.
struct ManeuverWorking {
    QString name;
    int k = 1;                          // the K-factor counted: 0 counts as 1
    std::array<int, MaxJudges> marks{}; // per judge; NoMark where none was given
    int given = 0;
    // The judges whose marks were dropped as the highest and the lowest; NoJudge when the row
    // has fewer than four marks and keeps them all.
    int droppedHighest = -1;
    int droppedLowest = -1;
    std::int64_t counted = 0; // the marks that count, added up
    std::int64_t rowSum = 0;  // counted × K

    static constexpr int NoMark = -1;
    static constexpr int NoJudge = -1;
};

// One pilot's round: from the stored marks to the points, then to the normalised points.
struct RoundWorking {
    int round = 1;       // counted from 1
    bool stored = false; // a round score file holds the pilot's marks of the round
    // The round score file could not be read; what was read before the fault is shown.
    Status marksRead;
    int judges = 0;
    std::vector<ManeuverWorking> maneuvers;
    std::int64_t rowSums = 0;
    int bonus = 0;
    std::int64_t rawSum = 0; // rowSums + bonus
    double kFactor = 1.0;
    double fromMarks = 0.0; // rawSum × kFactor
    double points = 0.0;    // the points of the round as the results count them
    // The results count the points the marks give, to the two decimals the results file keeps.
    // They differ when a round score file was changed after the results file was written.
    bool agrees = true;
    bool counted = false;         // within the rounds the results count
    RoundBest best;               // the round's best as the calculation divided by it
    QString bestPilotName;        // the pilot who set the best
    double bestPilotPoints = 0.0; // and that pilot's points, before rounding
    double normalised = 0.0;
};

// A counted round of the pilot in the summary.
struct CountedRound {
    double points = 0.0;
    RoundBest best;
    double normalised = 0.0;
};

struct MemberWorking {
    QString name;
    bool found = false; // a pilot of this name takes part
    double total = 0.0;
};

// A team the pilot flies for: how its members' totals add up to its total and place.
struct TeamWorking {
    QString name;
    std::vector<MemberWorking> members;
    double total = 0.0;
    int placed = 0;
    int teamCount = 0;
};

// Why a result is what it is, built from the prepared results themselves: every number here is
// the number the results list, except the round points the explanation computes again from the
// marks, which it sets beside them.
struct ResultExplanation {
    QString contestName;
    QString location;
    QString date;
    int startNo = 0;
    QString pilotName;
    ResultOptions options;
    RoundWorking round;
    std::vector<CountedRound> rounds; // rounds 1 .. options.rounds
    double sumOfRounds = 0.0;         // the counted rounds' normalised points added up
    int droppedRound = -1;            // counted from 0; -1 when no round lies below 1000
    double lowestPoints = NormalisedBest;
    double total = 0.0;
    int placed = 0; // 1 + the number of pilots with a greater total
    int pilotCount = 0;
    double bestTotal = 0.0;
    double normTotal = 0.0;
    std::vector<TeamWorking> teams;
};

// The explanation of `pilot`'s result (an index into the prepared competition) with `round`
// (counted from 1) in detail: the marks are read from the round score file beside the
// competition.
ResultExplanation ExplainResult(const PreparedResults& results, const Workspace& work, int pilot,
                                int round);

} // namespace veltra
