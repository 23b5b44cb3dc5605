#include "scoring/startorder.h"
#include "support/testsupport.h"

#include <QSet>
#include <deque>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

// Plays back a script of draws, then a fixed value.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(std::deque<double> script, double then = 0.0)
        : script_(std::move(script)), then_(then) {}
    double next() override {
        ++draws;
        if (script_.empty())
            return then_;
        const double value = script_.front();
        script_.pop_front();
        return value;
    }
    int draws = 0;

  private:
    std::deque<double> script_;
    double then_;
};

Contest field(std::initializer_list<double> channels, int offset = 1) {
    Contest contest;
    contest.StartNoOffset = offset;
    for (double channel : channels) {
        Pilot& pilot = contest.Pilots[contest.PilotCount];
        pilot.Name = QStringLiteral("P%1").arg(contest.PilotCount++);
        pilot.Channel = channel;
        pilot.StartNo = 500;
    }
    return contest;
}

QStringList order(const Contest& contest) {
    QStringList names;
    for (int i = 0; i < contest.PilotCount; ++i)
        names << contest.Pilots[i].Name;
    return names;
}

} // namespace

TEST(StartOrder, NeighboursAreRejectedTheHundredthDrawIsTakenAndFewerThanFourAreNotDrawn) {
    Contest three = field({1, 2, 3});
    ScriptedRandom none({});
    EXPECT_FALSE(DrawStartOrder(three, none));
    EXPECT_EQ(order(three), QStringList({"P0", "P1", "P2"}));
    EXPECT_EQ(three.Pilots[0].StartNo, 500);
    EXPECT_EQ(none.draws, 0);

    // All channels differ: only the pilot right after position i (and, for position 0, the
    // last one) is rejected. Position 2 of four has only the last position to choose from, so
    // it is drawn 100 times and then taken.
    Contest contest = field({1, 2, 3, 4}, 101);
    // i = 0: 0.0 -> pos 1 (rejected), 0.99 -> pos 3 (rejected, last), 0.5 -> pos 2.
    // i = 1: 0.0 -> pos 2 (rejected), 0.9 -> pos 3. i = 2: pos 3 a hundred times.
    ScriptedRandom random({0.0, 0.99, 0.5, 0.0, 0.9});
    ASSERT_TRUE(DrawStartOrder(contest, random));
    EXPECT_EQ(random.draws, 3 + 2 + 100);
    // After i=0: P2 P1 P0 P3; i=1: P2 P3 P0 P1; i=2: P2 P3 P1 P0.
    EXPECT_EQ(order(contest), QStringList({"P2", "P3", "P1", "P0"}));
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(contest.Pilots[k].StartNo, 101 + k);
}

TEST(StartOrder, RepairPushesASharedChannelDownButLeavesTheLastPairs) {
    // Always drawing the last position. P0 and P1 share 35.
    Contest contest = field({35, 35, 40, 45, 50});
    ScriptedRandom random({}, 0.999);
    ASSERT_TRUE(DrawStartOrder(contest, random));
    const QStringList drawn = order(contest);
    EXPECT_EQ(QSet<QString>(drawn.begin(), drawn.end()).size(), 5);
    for (int k = 0; k + 2 < contest.PilotCount; ++k)
        EXPECT_NE(contest.Pilots[k].Channel, contest.Pilots[k + 1].Channel) << k;

    // Three of four on one channel: the repair cannot separate them and ends anyway.
    Contest crowded = field({35, 35, 35, 40});
    ScriptedRandom again({}, 0.3);
    EXPECT_TRUE(DrawStartOrder(crowded, again));

    ClockRandom clock;
    for (int run = 0; run < 1000; ++run) {
        Contest twenty =
            field({35.01, 35.03, 35.05, 35.07, 35.09, 35.11, 35.13, 35.15, 35.17, 35.19,
                   35.21, 35.23, 35.25, 35.27, 35.01, 35.03, 35.05, 35.31, 35.33, 35.35},
                  7);
        ASSERT_TRUE(DrawStartOrder(twenty, clock));
        QSet<QString> names;
        for (int k = 0; k < twenty.PilotCount; ++k) {
            names.insert(twenty.Pilots[k].Name);
            ASSERT_EQ(twenty.Pilots[k].StartNo, 7 + k);
        }
        ASSERT_EQ(names.size(), 20);
    }
}

TEST(StartOrder, EachRoundStartsFurtherDownTheDrawnOrderAlwaysAtAValidPilot) {
    const auto formula = RotationRule::Formula;
    // 10 pilots, 5 rounds: rounds start with the first, third, fifth, ... pilot.
    EXPECT_EQ(FirstPilotOfRound(2, 10, 5, formula), 2);
    EXPECT_EQ(FirstPilotOfRound(3, 10, 5, RotationRule::FirstPilotWhenFewer), 4);
    EXPECT_EQ(PilotAtRow(4, 6, 10), 0);
    // 4 pilots, 5 rounds: 4 × 1 / 5 = 0.8 is rounded to 1, unless every round starts first.
    EXPECT_EQ(FirstPilotOfRound(2, 4, 5, formula), 1);
    EXPECT_EQ(FirstPilotOfRound(2, 4, 5, RotationRule::FirstPilotWhenFewer), 0);
    // Halves go to the even neighbour: 0.5, 1.5, 2.5.
    EXPECT_EQ(FirstPilotOfRound(2, 1, 2, formula), 0);
    EXPECT_EQ(FirstPilotOfRound(2, 3, 2, formula), 2);
    EXPECT_EQ(FirstPilotOfRound(2, 5, 2, formula), 2);

    EXPECT_EQ(FirstPilotOfRound(1, 10, 0, formula), 0);
    EXPECT_EQ(FirstPilotOfRound(3, 0, 4, formula), 0);
    EXPECT_EQ(FirstPilotOfRound(5, 4, 4, formula), 0); // beyond the last round
    EXPECT_EQ(PilotAtRow(3, 2, 0), 0);
}
