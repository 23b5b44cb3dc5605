#include "scoring/marks.h"

#include <gtest/gtest.h>

using namespace veltra;

namespace {

Contest contestWith(int judges, std::initializer_list<int> maneuverKs) {
    Contest contest;
    contest.JudgeCount = judges;
    for (int k : maneuverKs)
        contest.ManeuverK[contest.ManeuverCount++] = k;
    return contest;
}

void setRow(RoundMarks& marks, int maneuver, std::initializer_list<int> values) {
    int j = 0;
    for (int v : values) {
        if (v >= 0)
            marks.setMark(maneuver, j, v);
        ++j;
    }
}

} // namespace

TEST(RoundPoints, RowSumsDropHighestAndLowestFromFourMarksOn) {
    RoundMarks marks;
    setRow(marks, 0, {8, 7, 9, 8, 8});
    EXPECT_EQ(RowSum(marks, 0, 5, 3, 0), 72); // (40 - 9 - 7) x 3
    setRow(marks, 1, {8, 7, 9});
    EXPECT_EQ(RowSum(marks, 1, 3, 2, 0), 48); // fewer than four marks: none dropped
    setRow(marks, 2, {6, -1, 6, 6, 6});
    EXPECT_EQ(RowSum(marks, 2, 5, 1, 0), 12); // four given, equal values: one of each dropped
    setRow(marks, 3, {5, -1, 9, -1, 7});
    EXPECT_EQ(RowSum(marks, 3, 5, 1, 0), 21);  // an empty column only counts the given marks
    EXPECT_EQ(RowSum(marks, 3, 5, 0, 0), 21);  // K-factor 0 counts as 1
    EXPECT_EQ(RowSum(marks, 0, 5, 3, 1), 120); // another result method keeps every mark
    EXPECT_EQ(RowSum(marks, 4, 5, 3, 0), 0);
}

TEST(RoundPoints, BonusAndPilotKFactorApplyAfterTheRowSums) {
    Contest contest = contestWith(1, {10, 10, 10, 10, 10});
    RoundMarks marks;
    for (int m = 0; m < 5; ++m)
        marks.setMark(m, 0, 10); // row sums total 500
    marks.setBonus(20);
    EXPECT_DOUBLE_EQ(RoundPoints(marks, contest, 1.10), 572.0);
    marks.setBonus(-10);
    EXPECT_DOUBLE_EQ(RoundPoints(marks, contest, 2.0), 980.0);
    marks.clear();
    EXPECT_DOUBLE_EQ(RoundPoints(marks, contest, 1.10), 0.0);
    EXPECT_FALSE(marks.hasMark(0, 0));
    EXPECT_EQ(marks.bonus(), 0);
}

TEST(RoundPoints, JudgeSumsWeightEveryMarkIncludingDiscardedOnes) {
    Contest contest = contestWith(5, {3, 0});
    RoundMarks marks;
    setRow(marks, 0, {8, 7, 9, 8, 8});
    setRow(marks, 1, {5, -1, 2, 2, 2});
    EXPECT_EQ(JudgeSum(marks, 2, contest), 9 * 3 + 2);
    EXPECT_EQ(JudgeSum(marks, 1, contest), 7 * 3);
}

TEST(RoundPoints, FullCapacityStaysExact) {
    Contest contest;
    contest.JudgeCount = MaxJudges;
    contest.ManeuverCount = MaxManeuvers;
    contest.ManeuverK.fill(10);
    RoundMarks marks;
    for (int m = 0; m < MaxManeuvers; ++m)
        for (int j = 0; j < MaxJudges; ++j)
            marks.setMark(m, j, 10);
    marks.setBonus(10);
    // 9 counted marks of 10, K 10, 51 maneuvers: 45900, beyond a 16-bit whole number.
    EXPECT_DOUBLE_EQ(RoundPoints(marks, contest, 2.5), (45900.0 + 10.0) * 2.5);
}
