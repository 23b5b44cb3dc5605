#pragma once

#include "core/contest.h"
#include "core/texts.h"

#include <QString>

namespace veltra::testing {

inline Pilot pilot(int startNo, const char* name, const char* club, double channel, double kFactor,
                   std::initializer_list<double> scores) {
    Pilot p;
    p.StartNo = startNo;
    p.Name = QString::fromUtf8(name);
    p.Club = QString::fromUtf8(club);
    p.Plane = QStringLiteral("Extra 330");
    p.Engine = QStringLiteral("OS 160");
    p.Radio = QStringLiteral("Futaba");
    p.NACNo = QStringLiteral("NAK-%1").arg(startNo);
    p.Channel = channel;
    p.KFactor = kFactor;
    int r = 0;
    for (double s : scores)
        p.RoundScore[r++] = s;
    return p;
}

inline void addTeam(Contest& contest, const char* name,
                    std::initializer_list<const char*> members) {
    Team& team = contest.Teams[contest.TeamCount++];
    team.Name = QString::fromUtf8(name);
    team.MemberCount = 0;
    for (const char* member : members)
        team.Members[team.MemberCount++] = QString::fromUtf8(member);
}

// Five pilots over three rounds: two share the first place, one never scored, one has a name
// and a club longer than their columns; teams of two, one and four members.
inline Contest resultsContest() {
    Contest contest;
    contest.ContName = QString::fromUtf8("Vårcupen 2026");
    contest.ContLocation = QString::fromUtf8("Ørland flyplass");
    contest.ContDate = QStringLiteral("12.05.2026");
    contest.Rounds = 3;
    contest.Pilots[0] = pilot(1, "Bjørn Åsøy", "Tønsberg MFK", 35.01, 1.0, {572, 480.5, 610});
    contest.Pilots[1] = pilot(2, "Kåre Ås", "Bærum MFK", 35.03, 1.5, {590, 500, 590});
    contest.Pilots[2] = pilot(3, "Navn", "Klubb", 61, 1.1, {0, 0, 0});
    contest.Pilots[3] = pilot(7, "Per Olsen", "Tønsberg MFK", 35.01, 0.95, {572, 480.5, 610});
    contest.Pilots[4] = pilot(108, "Maximilian von Ravensberg-Lund", "Flyklubben Nordavind", 40.685,
                              1.25, {12.4, 300.25, 55});
    contest.PilotCount = 5;
    addTeam(contest, "Tønsberg", {"Bjørn Åsøy", "Per Olsen"});
    addTeam(contest, "Solo", {"Kåre Ås"});
    addTeam(contest, "Alle", {"Bjørn Åsøy", "Kåre Ås", "Navn", "Per Olsen"});
    return contest;
}

} // namespace veltra::testing
