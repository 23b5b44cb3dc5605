#include "scoring/marks.h"

#include "core/format.h"

#include <algorithm>

namespace veltra {

std::array<RoundMarks::Row, MaxManeuvers> RoundMarks::emptyCells() {
    Row row{};
    row.fill(kEmpty);
    std::array<Row, MaxManeuvers> cells{};
    cells.fill(row);
    return cells;
}

void RoundMarks::setMark(int maneuver, int judge, int value) {
    cells_[maneuver][judge] = static_cast<std::int8_t>(std::clamp(value, 0, MaxMark));
}

void RoundMarks::clear() {
    cells_ = emptyCells();
    bonus_ = 0;
}

std::int64_t RowSum(const RoundMarks& marks, int maneuver, int judgeCount, int maneuverK,
                    int resultMethod) {
    std::int64_t sum = 0;
    int given = 0;
    int highest = 0;
    int lowest = RoundMarks::MaxMark;
    for (int j = 0; j < judgeCount; ++j) {
        if (!marks.hasMark(maneuver, j))
            continue;
        const int mark = marks.mark(maneuver, j);
        sum += mark;
        highest = std::max(highest, mark);
        lowest = std::min(lowest, mark);
        ++given;
    }
    if (DropsExtremes(given, resultMethod))
        sum -= highest + lowest;
    return sum * EffectiveK(maneuverK);
}

std::int64_t JudgeSum(const RoundMarks& marks, int judge, const Contest& contest) {
    std::int64_t sum = 0;
    for (int m = 0; m < contest.ManeuverCount; ++m) {
        if (marks.hasMark(m, judge))
            sum +=
                static_cast<std::int64_t>(marks.mark(m, judge)) * EffectiveK(contest.ManeuverK[m]);
    }
    return sum;
}

RoundTotals ComputeRoundTotals(const RoundMarks& marks, const Contest& contest,
                               double pilotKFactor) {
    RoundTotals totals;
    std::int64_t raw = marks.bonus();
    for (int m = 0; m < contest.ManeuverCount; ++m) {
        totals.rowSum[m] =
            RowSum(marks, m, contest.JudgeCount, contest.ManeuverK[m], contest.ResultMethod);
        raw += totals.rowSum[m];
    }
    for (int j = 0; j < contest.JudgeCount; ++j)
        totals.judgeSum[j] = JudgeSum(marks, j, contest);
    totals.points = static_cast<double>(raw) * pilotKFactor;
    return totals;
}

// The points stored for a round are the very points the score window shows.
double RoundPoints(const RoundMarks& marks, const Contest& contest, double pilotKFactor) {
    return ComputeRoundTotals(marks, contest, pilotKFactor).points;
}

QString KFactorCellText(int maneuverK) {
    return FormatNumber(maneuverK, u"##");
}

QString RowSumCellText(std::int64_t rowSum) {
    return FormatNumber(static_cast<double>(rowSum), u"###");
}

QString JudgeSumCellText(std::int64_t judgeSum) {
    return QString::number(judgeSum);
}

QString PointsCellText(double points) {
    return FormatText(FormatNumber(points, u"#0.0"), u"@@@@@@");
}

} // namespace veltra
