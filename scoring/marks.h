#pragma once

#include "core/contest.h"

#include <array>
#include <cstdint>

namespace veltra {

// The judges' marks of one pilot in one round: a table of maneuvers by judges whose cells are
// empty or a whole number 0 to 10, and the bonus. Indices are 0-based.
class RoundMarks {
  public:
    static constexpr int MaxMark = 10;
    // The entry window offers -10 to 10; a stored file may hold any whole number.
    static constexpr int MinBonus = -10;
    static constexpr int MaxBonus = 10;

    bool hasMark(int maneuver, int judge) const { return cells_[maneuver][judge] >= 0; }
    int mark(int maneuver, int judge) const { return cells_[maneuver][judge]; }
    void setMark(int maneuver, int judge, int value);
    void clearMark(int maneuver, int judge) { cells_[maneuver][judge] = kEmpty; }

    int bonus() const { return bonus_; }
    void setBonus(int value) { bonus_ = value; }

    // Empties every cell and sets the bonus to 0.
    void clear();

    bool operator==(const RoundMarks& other) const {
        return cells_ == other.cells_ && bonus_ == other.bonus_;
    }
    bool operator!=(const RoundMarks& other) const { return !(*this == other); }

  private:
    static constexpr std::int8_t kEmpty = -1;
    using Row = std::array<std::int8_t, MaxJudges>;
    std::array<Row, MaxManeuvers> cells_ = emptyCells();
    int bonus_ = 0;

    static std::array<Row, MaxManeuvers> emptyCells();
};

// A maneuver K-factor of 0 counts as 1.
inline int EffectiveK(int maneuverK) {
    return maneuverK == 0 ? 1 : maneuverK;
}

// The highest and the lowest mark of a maneuver are dropped once this many marks were given and
// the result method is 0.
inline constexpr int MarksToDropExtremes = 4;
inline bool DropsExtremes(int given, int resultMethod) {
    return given >= MarksToDropExtremes && resultMethod == 0;
}

// The row sum of one maneuver: the given marks added up, without the highest and the lowest
// once four or more were given (result method 0), times the maneuver's K-factor.
std::int64_t RowSum(const RoundMarks& marks, int maneuver, int judgeCount, int maneuverK,
                    int resultMethod);

// One judge's marks weighted by the maneuver K-factors, discarded marks included.
std::int64_t JudgeSum(const RoundMarks& marks, int judge, const Contest& contest);

// The pilot's points of the round: all row sums plus the bonus, times the pilot's K-factor.
double RoundPoints(const RoundMarks& marks, const Contest& contest, double pilotKFactor);

// Everything the score entry grid shows beside the marks, computed in one pass.
struct RoundTotals {
    std::array<std::int64_t, MaxManeuvers> rowSum{};
    std::array<std::int64_t, MaxJudges> judgeSum{};
    double points = 0.0;
};
RoundTotals ComputeRoundTotals(const RoundMarks& marks, const Contest& contest,
                               double pilotKFactor);

// The texts of the grid's cells: K-factor "##" and row sum "###" (0 shows as an empty cell),
// judge sums as plain numbers, the points "#0.0" right-aligned in 6 characters.
QString KFactorCellText(int maneuverK);
QString RowSumCellText(std::int64_t rowSum);
QString JudgeSumCellText(std::int64_t judgeSum);
QString PointsCellText(double points);

} // namespace veltra
