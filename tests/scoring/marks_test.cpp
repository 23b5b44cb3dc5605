#include "scoring/marks.h"

#include <gtest/gtest.h>

using namespace veltra;

namespace {

void setRow(RoundMarks& marks, int maneuver, std::initializer_list<int> values) {
    int j = 0;
    for (int v : values) {
        if (v >= 0)
            marks.setMark(maneuver, j, v);
        ++j;
    }
}

} // namespace

TEST(RoundPoints, RowSumsDropHighestAndLowestFromFourMarksOnAndJudgeSumsWeightEveryMark) {
    RoundMarks marks;
    setRow(marks, 0, {8, 7, 9, 8, 8});
    EXPECT_EQ(RowSum(marks, 0, 5, 3, 0), 72); // (40 - 9 - 7) x 3
    setRow(marks, 1, {8, 7, 9});
    EXPECT_EQ(RowSum(marks, 1, 3, 2, 0), 48); // fewer than four marks: none dropped
    setRow(marks, 2, {6, -1, 6, 6, 6});
    EXPECT_EQ(RowSum(marks, 2, 5, 1, 0), 12); // four given, equal values: one of each dropped
    setRow(marks, 3, {5, -1, 9, -1, 7});
    EXPECT_EQ(RowSum(marks, 3, 5, 0, 0), 21);  // an empty column only counts the given marks,
                                               // and K-factor 0 counts as 1
    EXPECT_EQ(RowSum(marks, 0, 5, 3, 1), 120); // another result method keeps every mark

    Contest contest;
    contest.JudgeCount = 5;
    contest.ManeuverCount = 2;
    contest.ManeuverK = {3, 0};
    RoundMarks two;
    setRow(two, 0, {8, 7, 9, 8, 8});
    setRow(two, 1, {5, -1, 2, 2, 2});
    EXPECT_EQ(JudgeSum(two, 2, contest), 9 * 3 + 2); // the dropped 9 weighs too
    EXPECT_EQ(JudgeSum(two, 1, contest), 7 * 3);
}

TEST(RoundPoints, BonusAndPilotKFactorApplyAfterTheRowSumsAndFullCapacityStaysExact) {
    Contest contest;
    contest.JudgeCount = 1;
    contest.ManeuverCount = 5;
    contest.ManeuverK.fill(10);
    RoundMarks marks;
    for (int m = 0; m < 5; ++m)
        marks.setMark(m, 0, 10); // row sums total 500
    marks.setBonus(20);
    EXPECT_DOUBLE_EQ(RoundPoints(marks, contest, 1.10), 572.0);
    EXPECT_DOUBLE_EQ(ComputeRoundTotals(marks, contest, 1.10).points, 572.0);
    marks.setBonus(-10);
    EXPECT_DOUBLE_EQ(RoundPoints(marks, contest, 2.0), 980.0);
    marks.clear();
    EXPECT_DOUBLE_EQ(RoundPoints(marks, contest, 1.10), 0.0);

    contest.JudgeCount = MaxJudges;
    contest.ManeuverCount = MaxManeuvers;
    for (int m = 0; m < MaxManeuvers; ++m)
        for (int j = 0; j < MaxJudges; ++j)
            marks.setMark(m, j, 10);
    marks.setBonus(10);
    // 9 counted marks of 10, K 10, 51 maneuvers: 45900, beyond a 16-bit whole number.
    EXPECT_DOUBLE_EQ(RoundPoints(marks, contest, 2.5), (45900.0 + 10.0) * 2.5);
}
