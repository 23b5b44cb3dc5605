#include "reports/roundscoreprint.h"

#include "core/format.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace veltra {
namespace {

constexpr int TableTop = 45;
constexpr int HeadingBottom = 50;
constexpr int RowHeight = 5;
constexpr int SummaryHeight = 25; // the sum, deviation, bonus, K-factor and points rows
constexpr int HistoryTop = 225;
constexpr int RightMargin = 5; // the paper's edge the table must stay clear of
constexpr int HistoryRule = 15;

// What the score entry grid shows for the pilot's round, computed from the marks.
struct Sheet {
    const Contest& contest;
    const Texts& texts;
    const Pilot& pilot;
    int round;
    const RoundMarks& marks;
    int judges;
    std::vector<std::int64_t> judgeSums;
    std::int64_t rawSum = 0;
    std::optional<double> average; // none without judges or marks

    QString text(const char* key) const { return texts.get(QString::fromLatin1(key)); }
    QString markCell(int m, int j) const {
        return marks.hasMark(m, j) ? QString::number(marks.mark(m, j)) : QString();
    }
    std::int64_t rowSum(int m) const {
        return RowSum(marks, m, judges, contest.ManeuverK[m], contest.ResultMethod);
    }
    // The grid leaves a row sum of 0 empty.
    QString rowSumCell(int m) const { return FormatNumber(static_cast<double>(rowSum(m)), u"###"); }
    // Lowest and highest of the given marks; an empty row shows neither.
    QString extremeCell(int m, bool highest) const {
        std::optional<int> found;
        for (int j = 0; j < judges; ++j) {
            if (marks.hasMark(m, j) &&
                (!found || (highest ? marks.mark(m, j) > *found : marks.mark(m, j) < *found)))
                found = marks.mark(m, j);
        }
        return found ? QString::number(*found) : QString();
    }
    QString deviationCell(int j) const {
        if (!average)
            return QString();
        const double deviation = (judgeSums[j] - *average) * 100.0 / *average;
        return RightIn(FormatNumber(deviation, u"#0.0"), 5);
    }
    QString averageCell() const {
        return average ? RightIn(FormatNumber(*average, u"#0.0"), 5) : QString();
    }
    QString rawSumCell() const {
        return RightIn(FormatNumber(static_cast<double>(rawSum), u"#0.0"), 6);
    }
    QString bonusCell() const { return RightIn(QString::number(marks.bonus()), 4); }
    QString kFactorCell() const { return RightIn(FormatNumber(pilot.KFactor, u"0.00"), 4); }
    QString pointsCell() const {
        return RightIn(FormatNumber(pilot.RoundScore[round - 1], u"#0.0"), 6);
    }
};

Sheet SheetOf(const Contest& contest, const Texts& texts, int pilotIndex, int round,
              const RoundMarks& marks) {
    Sheet sheet{contest, texts, contest.Pilots[pilotIndex],
                round,   marks, contest.JudgeCount,
                {},      0,     std::nullopt};
    std::int64_t all = 0;
    for (int j = 0; j < sheet.judges; ++j) {
        sheet.judgeSums.push_back(JudgeSum(marks, j, contest));
        all += sheet.judgeSums.back();
    }
    for (int m = 0; m < contest.ManeuverCount; ++m)
        sheet.rawSum += sheet.rowSum(m);
    if (sheet.judges > 0 && all != 0)
        sheet.average = static_cast<double>(all) / sheet.judges;
    return sheet;
}

// Columns right of the maneuver names; with many judges the names give up room so that the
// table ends on the paper.
struct Columns {
    int base; // right edge of the K-factor column, where the judges' columns begin
    int judges;
    int judgeRight(int j) const { return base + 10 * j; }
    int lowestRight() const { return base + 10 + 10 * judges; }
    int highestRight() const { return base + 20 + 10 * judges; }
    int right() const { return base + 35 + 10 * judges; }
};

Columns ColumnsFor(int judges, int pageWidth) {
    const int shift = std::max(0, 140 + 10 * judges - (pageWidth - RightMargin));
    return {105 - shift, judges};
}

void DrawHeader(const Sheet& sheet, const PrintSettings& settings, PageNumber page,
                PrintTarget& target) {
    const int right = target.pageWidth() - 5;
    HorizontalLine(target, FrameWidth, 5, right, 5);
    HorizontalLine(target, RuleWidth, 5, right, 20);
    HorizontalLine(target, FrameWidth, 5, right, 35);
    VerticalLine(target, FrameWidth, 5, 5, 35);
    VerticalLine(target, FrameWidth, right, 5, 35);
    VerticalLine(target, RuleWidth, 95, 20, 35);
    VerticalLine(target, RuleWidth, 125, 20, 35);
    DrawTitleLine(target, sheet.contest);

    const auto label = [&](int y, const QString& text) {
        target.setFontSize(10);
        target.setBold(false);
        PrintAt(target, 6, y, text + QStringLiteral(" :"));
    };
    const auto value = [&](int y, const QString& text) {
        target.setFontSize(14);
        target.setBold(true);
        PrintAt(target, 30, y, text);
    };
    label(21, sheet.text("SCORE_PRINT_PILOT_LABEL"));
    value(21, sheet.pilot.Name);
    label(28, sheet.text("COMPETITOR_PRINT_CLUB_HEADING"));
    value(28, sheet.pilot.Club);
    const auto centredOn110 = [&](int y, const QString& text) {
        PrintAt(target, RoundHalfEven(110 - target.textWidth(text) / 2.0), y, text);
    };
    target.setFontSize(12);
    target.setBold(false);
    centredOn110(21, sheet.text("SCORE_PRINT_ROUND_LABEL"));
    target.setFontSize(20);
    target.setBold(true);
    centredOn110(26, QString::number(sheet.round));
    target.setFontSize(12);
    target.setBold(false);
    PrintAt(target, 130, 25, sheet.contest.ContSchedule);
    DrawFooter(target, settings, FooterBold::Off, page);
}

void DrawTable(const Sheet& sheet, const Columns& c, RowRange rows, bool lastPage,
               PrintTarget& target) {
    const int rowsEnd = HeadingBottom + RowHeight * rows.count;
    // On the last page the rules reach into the summary rows as far as their columns need.
    const auto until = [&](int depth) { return lastPage ? rowsEnd + depth : rowsEnd; };
    const int right = c.right();
    HorizontalLine(target, FrameWidth, 5, right, TableTop);
    HorizontalLine(target, FrameWidth, 5, right, HeadingBottom);
    HorizontalLine(target, FrameWidth, 5, right, rowsEnd);
    if (lastPage) {
        for (int depth : {5, 10, 15, 20})
            HorizontalLine(target, RuleWidth, 5, right, rowsEnd + depth);
        HorizontalLine(target, FrameWidth, 5, right, rowsEnd + SummaryHeight);
    }
    VerticalLine(target, FrameWidth, 5, TableTop, until(SummaryHeight));
    VerticalLine(target, FrameWidth, 15, TableTop, until(0));
    VerticalLine(target, FrameWidth, c.base - 5, TableTop, until(0));
    VerticalLine(target, FrameWidth, c.base, TableTop, until(10));
    for (int j = 1; j <= c.judges; ++j) {
        VerticalLine(target, j == c.judges ? FrameWidth : RuleWidth, c.judgeRight(j), TableTop,
                     until(10));
    }
    VerticalLine(target, RuleWidth, c.lowestRight(), TableTop, until(0));
    VerticalLine(target, FrameWidth, c.highestRight(), TableTop, until(5));
    VerticalLine(target, FrameWidth, right, TableTop, until(SummaryHeight));

    target.setFontSize(9);
    target.setBold(true);
    PrintAt(target, 9, 46, QStringLiteral("#"));
    PrintAt(target, 16, 46, sheet.text("SCORE_PRINT_MANEUVER_HEADING"));
    PrintAt(target, c.base - 4, 46, QStringLiteral("K"));
    for (int j = 1; j <= c.judges; ++j)
        PrintAt(target, c.judgeRight(j) - 5, 46, QString::number(j));
    PrintRightAligned(target, c.lowestRight() - 3, 46, sheet.text("SCORE_PRINT_MIN_HEADING"));
    PrintRightAligned(target, c.highestRight() - 3, 46, sheet.text("SCORE_PRINT_MAX_HEADING"));
    PrintRightAligned(target, right - 5, 46, sheet.text("SCORE_PRINT_SUM_HEADING"));
    target.setBold(false);

    const Contest& contest = sheet.contest;
    for (int m = rows.first; m < rows.first + rows.count; ++m) {
        const int y = 46 + RowHeight * (m - rows.first + 1);
        PrintNumber(target, 13, y, QString::number(m + 1));
        PrintAt(target, 16, y, contest.ManeuverName[m]);
        PrintNumber(target, c.base - 1, y, QString::number(contest.ManeuverK[m]));
        for (int j = 1; j <= c.judges; ++j)
            PrintNumber(target, c.judgeRight(j) - 3, y, sheet.markCell(m, j - 1));
        PrintNumber(target, c.lowestRight() - 3, y, sheet.extremeCell(m, false));
        PrintNumber(target, c.highestRight() - 3, y, sheet.extremeCell(m, true));
        PrintNumber(target, right - 5, y, sheet.rowSumCell(m));
    }
    if (!lastPage)
        return;

    const int valueRight = right - 2;
    const int sumY = rowsEnd + 1;
    PrintAt(target, 6, sumY, sheet.text("SCORE_PRINT_SUM_LABEL"));
    for (int j = 1; j <= c.judges; ++j)
        PrintNumber(target, c.judgeRight(j) - 3, sumY, QString::number(sheet.judgeSums[j - 1]));
    const QString average = sheet.averageCell().trimmed();
    PrintAt(target, RoundHalfEven(c.lowestRight() - target.textWidth(average) / 2.0), sumY,
            average);
    PrintNumber(target, valueRight, sumY, sheet.rawSumCell());

    PrintAt(target, 6, sumY + 5, sheet.text("SCORE_PRINT_DEVIATION_LABEL"));
    for (int j = 1; j <= c.judges; ++j)
        PrintNumber(target, c.judgeRight(j) - 3, sumY + 5, sheet.deviationCell(j - 1));
    PrintAt(target, 6, sumY + 10, sheet.text("SCORE_PRINT_BONUS_LABEL"));
    PrintNumber(target, valueRight, sumY + 10, sheet.bonusCell());
    PrintAt(target, 6, sumY + 15, sheet.text("SCORE_PRINT_PILOT_KFACT_LABEL"));
    PrintNumber(target, valueRight, sumY + 15, sheet.kFactorCell());
    PrintAt(target, 6, sumY + 20, sheet.text("SCORE_PRINT_TOTAL_SUM_LABEL"));
    PrintNumber(target, valueRight, sumY + 20, sheet.pointsCell());
}

void DrawHistory(const Sheet& sheet, PrintTarget& target) {
    const int bottom = HistoryTop + 10 + RowHeight * (sheet.round - 1);
    PrintAt(target, 10, HistoryTop, sheet.text("SCORE_PRINT_HISTORY_LABEL"));
    HorizontalLine(target, FrameWidth, 10, 40, HistoryTop + 5);
    HorizontalLine(target, RuleWidth, 10, 40, HistoryTop + 10);
    HorizontalLine(target, FrameWidth, 10, 40, bottom);
    VerticalLine(target, FrameWidth, 10, HistoryTop + 5, bottom);
    VerticalLine(target, RuleWidth, 25, HistoryTop + 5, bottom);
    VerticalLine(target, FrameWidth, 40, HistoryTop + 5, bottom);
    PrintAt(target, 11, HistoryTop + 6, sheet.text("SCORE_PRINT_ROUND_LABEL"));
    PrintAt(target, 27, HistoryTop + 6, sheet.text("SCORE_PRINT_TOTAL_SUM_LABEL"));
    for (int k = 1; k < sheet.round; ++k) {
        const int y = HistoryTop + 6 + RowHeight * k;
        PrintAt(target, 15, y, QString::number(k));
        PrintAt(target, 27, y, FormatNumber(sheet.pilot.RoundScore[k - 1], u"0000.0"));
    }
}

// Maneuvers per page: the last page also holds the summary rows. Every page holds at least
// one maneuver.
std::vector<RowRange> ManeuverPages(int maneuvers, int bodyBottom) {
    const int onLastPage = (bodyBottom - HeadingBottom - SummaryHeight) / RowHeight;
    const int onOtherPages = (bodyBottom - HeadingBottom) / RowHeight;
    return SplitRowsIntoPages(maneuvers, onOtherPages, onLastPage);
}

void PrintGraphic(const Sheet& sheet, const PrintSettings& settings, PrintTarget& target) {
    BeginGraphicJob(target, Orientation::Portrait, settings);
    const Columns columns = ColumnsFor(sheet.judges, target.pageWidth());
    const std::vector<RowRange> pages =
        ManeuverPages(sheet.contest.ManeuverCount, BodyBottom(target.pageHeight()));
    const int tableBottom = HeadingBottom + RowHeight * pages.back().count + SummaryHeight;
    const bool historyPage = sheet.round > 1 && tableBottom + RowHeight > HistoryTop;
    const int count = static_cast<int>(pages.size()) + (historyPage ? 1 : 0);
    for (int page = 0; page < static_cast<int>(pages.size()); ++page) {
        if (page > 0)
            target.newPage();
        DrawHeader(sheet, settings, {page + 1, count}, target);
        DrawTable(sheet, columns, pages[page], page + 1 == static_cast<int>(pages.size()), target);
    }
    if (sheet.round > 1) {
        if (historyPage) {
            target.newPage();
            DrawHeader(sheet, settings, {count, count}, target);
        }
        target.setFontSize(9);
        target.setBold(false);
        DrawHistory(sheet, target);
    }
    target.endDocument();
}

void PrintText(const Sheet& sheet, const PrintSettings& settings, PrintTarget& target) {
    const Contest& contest = sheet.contest;
    target.beginDocument(SetupOf(PrintVariant::Text, Orientation::Landscape, settings));
    target.printLine(QStringLiteral("===== ") + sheet.text("SCORE_PRINT_TITLE") +
                     QStringLiteral(" =====") + QString(13, u' ') + settings.caption);
    target.printLine(QString());
    target.printLine(ContestLine(contest));
    target.printLine(QString());
    target.printLine(sheet.text("SCORE_PRINT_ROUND_LABEL") + QStringLiteral(" : ") +
                     QString::number(sheet.round) + QString(7, u' ') +
                     sheet.text("SCORE_PRINT_PILOT_LABEL") + QStringLiteral(" : ") +
                     sheet.pilot.Name);
    target.printLine(QString());

    QString heading = QStringLiteral(" # ") +
                      LeftIn(sheet.text("SCORE_PRINT_MANEUVER_HEADING"), 40) +
                      QStringLiteral("  K ");
    for (int j = 1; j <= sheet.judges; ++j)
        heading += RightIn(j, 3) + u' ';
    heading += LeftIn(sheet.text("SCORE_PRINT_MIN_HEADING"), 3) + u' ' +
               LeftIn(sheet.text("SCORE_PRINT_MAX_HEADING"), 3) + u' ' +
               LeftIn(sheet.text("SCORE_PRINT_SUM_HEADING"), 3);
    const QString rule(heading.size(), u'-');
    target.printLine(heading);
    target.printLine(rule);
    target.setRunningHeading({heading, rule});
    for (int m = 0; m < contest.ManeuverCount; ++m) {
        QString line = RightIn(m + 1, 2) + u' ' + LeftIn(contest.ManeuverName[m], 40) + u' ' +
                       RightIn(contest.ManeuverK[m], 2) + u' ';
        for (int j = 0; j < sheet.judges; ++j)
            line += RightIn(sheet.markCell(m, j), 3) + u' ';
        line += RightIn(sheet.extremeCell(m, false), 3) + u' ' +
                RightIn(sheet.extremeCell(m, true), 3) + u' ' + RightIn(sheet.rowSumCell(m), 3) +
                u' ';
        target.printLine(line);
    }
    target.setRunningHeading({});
    target.printLine(rule);
    QString sums(47, u' ');
    for (int j = 0; j < sheet.judges; ++j)
        sums += RightIn(QString::number(sheet.judgeSums[j]), 3) + u' ';
    target.printLine(sums);
    target.printLine(rule);
    const int width = static_cast<int>(heading.size());
    target.printLine(LabelledValue(sheet.text("SCORE_PRINT_SUM_LABEL"), sheet.rawSumCell(), width));
    target.printLine(
        LabelledValue(sheet.text("SCORE_PRINT_BONUS_LABEL"), sheet.bonusCell(), width));
    target.printLine(
        LabelledValue(sheet.text("SCORE_PRINT_PILOT_KFACT_LABEL"), sheet.kFactorCell(), width));
    target.printLine(
        LabelledValue(sheet.text("SCORE_PRINT_TOTAL_SUM_LABEL"), sheet.pointsCell(), width));
    target.printLine(rule);
    target.printLine(QString());

    if (sheet.round > 1) {
        const QString historyRule(HistoryRule, u'-');
        target.printLine(sheet.text("SCORE_PRINT_HISTORY_LABEL"));
        target.printLine(historyRule);
        target.printLine(LeftIn(sheet.text("SCORE_PRINT_ROUND_LABEL"), 7) + u' ' +
                         LeftIn(sheet.text("SCORE_PRINT_TOTAL_SUM_LABEL"), 8));
        target.printLine(historyRule);
        for (int k = 1; k < sheet.round; ++k) {
            target.printLine(QStringLiteral("   ") + RightIn(k, 2) + QStringLiteral("   ") +
                             FormatNumber(sheet.pilot.RoundScore[k - 1], u"0000.0"));
        }
        target.printLine(historyRule);
    }
    target.endDocument();
}

} // namespace

void PrintRoundScores(const Contest& contest, const Texts& texts, const PrintSettings& settings,
                      int pilotIndex, int round, const RoundMarks& marks, PrintTarget& target) {
    if (pilotIndex < 0 || pilotIndex >= contest.PilotCount || round < 1 || round > MaxRounds)
        return;
    const Sheet sheet = SheetOf(contest, texts, pilotIndex, round, marks);
    if (VariantOf(settings) == PrintVariant::Graphic)
        PrintGraphic(sheet, settings, target);
    else
        PrintText(sheet, settings, target);
}

} // namespace veltra
