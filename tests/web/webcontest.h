#pragma once

#include "core/settings.h"
#include "scoring/scorefiles.h"
#include "support/contestfolder.h"
#include "web/livesnapshot.h"

namespace veltra {

// Four pilots, three of four rounds flown, one team, the weakest round dropped; the marks of
// A's first round are stored. With the best of the rounds 200, 300 and 200:
//   B  1000 + 500 + 1000 - 500 = 2000    A  600 + 1000 + 500 - 500 = 1600
//   C  250 + 0 + 0 - 0 = 250             D  0
class WebContest : public ContestFolder {
  protected:
    void SetUp() override {
        ContestFolder::SetUp();
        contest.ContName = QStringLiteral("Cup");
        contest.ContLocation = QStringLiteral("Field");
        contest.ContDate = QStringLiteral("16.05.2026");
        contest.Rounds = 4;
        contest.JudgeCount = 4;
        contest.ManeuverCount = 1;
        contest.ManeuverName[0] = QStringLiteral("Loop");
        contest.ManeuverK[0] = 6;
        addPilot(contest, "A", 1).RoundScore = {120.0, 300.0, 100.0};
        contest.Pilots[0].Club = QString::fromUtf8("Tønsberg MFK");
        addPilot(contest, "B", 2).RoundScore = {200.0, 150.0, 200.0};
        addPilot(contest, "C<&>", 3).RoundScore = {50.0};
        addPilot(contest, "D", 4);
        contest.TeamCount = 1;
        contest.Teams[0].Name = QStringLiteral("Team X");
        contest.Teams[0].MemberCount = 2;
        contest.Teams[0].Members = {"A", "C<&>"};
        settings.LiveResultsDropLowest = 1;
        // (10 + 10 + 10 + 9 - 10 - 9) x 6 = 120
        RoundMarks marks;
        for (int judge = 0; judge < 4; ++judge)
            marks.setMark(0, judge, judge == 3 ? 9 : 10);
        ASSERT_TRUE(SaveScores(contest, work, 0, 1, marks));
    }

    LiveSnapshot take(PilotInRound now = {}) const {
        return TakeLiveSnapshot(contest, work, texts, settings.LiveResultsDropLowest == 1, now);
    }

    Settings settings;
};

} // namespace veltra
