#include "reports/startorder.h"

#include <gtest/gtest.h>

namespace veltra {
namespace {

TEST(StartOrder, EachRoundStartsFurtherDownTheDrawnOrder) {
    // 10 pilots, 5 rounds: rounds start with the first, third, fifth, ... pilot.
    EXPECT_EQ(FirstPilotOfRound(1, 10, 5, RotationRule::Formula), 0);
    EXPECT_EQ(FirstPilotOfRound(2, 10, 5, RotationRule::Formula), 2);
    EXPECT_EQ(FirstPilotOfRound(3, 10, 5, RotationRule::FirstPilotWhenFewer), 4);
    EXPECT_EQ(PilotAtRow(4, 6, 10), 0);
    // 4 pilots, 5 rounds: 4 × 1 / 5 = 0.8 is rounded to 1, unless every round starts first.
    EXPECT_EQ(FirstPilotOfRound(2, 4, 5, RotationRule::Formula), 1);
    EXPECT_EQ(FirstPilotOfRound(2, 4, 5, RotationRule::FirstPilotWhenFewer), 0);
    // Halves go to the even neighbour: 0.5, 1.5, 2.5.
    EXPECT_EQ(FirstPilotOfRound(2, 1, 2, RotationRule::Formula), 0);
    EXPECT_EQ(FirstPilotOfRound(2, 3, 2, RotationRule::Formula), 2);
    EXPECT_EQ(FirstPilotOfRound(2, 5, 2, RotationRule::Formula), 2);
}

TEST(StartOrder, AlwaysAValidPilot) {
    EXPECT_EQ(FirstPilotOfRound(1, 10, 0, RotationRule::Formula), 0);
    EXPECT_EQ(FirstPilotOfRound(3, 0, 4, RotationRule::Formula), 0);
    EXPECT_EQ(FirstPilotOfRound(5, 4, 4, RotationRule::Formula), 0); // beyond the last round
    EXPECT_EQ(PilotAtRow(3, 2, 0), 0);
}

} // namespace
} // namespace veltra
