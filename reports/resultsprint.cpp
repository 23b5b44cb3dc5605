#include "reports/resultsprint.h"

#include "core/format.h"

#include <algorithm>
#include <vector>

namespace veltra {
namespace {

constexpr int NameRight = 75;
constexpr int RoundPitch = 30;
constexpr int TotalsWidth = 30;
constexpr int RightMargin = 5; // the paper's edge the table must stay clear of
constexpr int TeamTableGap = 5;
constexpr int TeamMembersShown = 3;
constexpr int PlaceRight = 13; // numbers end 2 mm before their column's right rule
constexpr int StartNoRight = 23;

QString Points(double value) {
    return RightIn(FormatNumber(value, u"###0.0"), 6);
}

QString PointsNumber(double value) {
    return FormatNumber(value, u"###0.0");
}

// The counted rounds in groups that each fit a page's width beside the pilots' places and names
// and the two total columns, which every page shows. The groups are as even as they can be.
std::vector<RowRange> RoundGroups(int rounds, int pageWidth) {
    const int perPage =
        std::max(1, (pageWidth - RightMargin - NameRight - TotalsWidth) / RoundPitch);
    const int groups = std::max(1, (rounds + perPage - 1) / perPage);
    std::vector<RowRange> result;
    int first = 0;
    for (int left = groups; left > 0; --left) {
        const int count = (rounds - first + left - 1) / left;
        result.push_back({first, count});
        first += count;
    }
    return result;
}

struct Layout {
    const Contest& contest;
    const Texts& texts;
    const PrintSettings& settings;
    int rounds;
    bool dropLowest;
    const std::vector<int>& order;
    const std::vector<int>& teams;
};

void DrawPilotTable(const Layout& layout, RowRange rows, RowRange group, PrintTarget& target) {
    const int n = group.count;
    const int totalsLeft = NameRight + RoundPitch * n;
    const int right = totalsLeft + TotalsWidth;
    const int bottom = ListHeadingBottom + ListRowHeight * rows.count;
    for (int y : {ListTableTop, ListHeadingBottom, bottom})
        HorizontalLine(target, FrameWidth, ListTableLeft, right, y);
    VerticalLine(target, FrameWidth, ListTableLeft, ListTableTop, bottom);
    VerticalLine(target, RuleWidth, 15, ListTableTop, bottom);
    VerticalLine(target, RuleWidth, 25, ListTableTop, bottom);
    VerticalLine(target, FrameWidth, NameRight, ListTableTop, bottom);
    for (int s = 0; s <= n; ++s) {
        VerticalLine(target, RuleWidth, 90 + RoundPitch * s, ListTableTop, bottom);
        VerticalLine(target, FrameWidth, 105 + RoundPitch * s, ListTableTop, bottom);
    }

    const Texts& texts = layout.texts;
    target.setFontSize(ListFontSize);
    target.setBold(true);
    PrintAt(target, 9, ListHeadingY, QStringLiteral("#"));
    PrintAt(target, 18, ListHeadingY, texts.get(QStringLiteral("RESULT_PRINT_STARTNO_HEADING")));
    PrintAt(target, 26, ListHeadingY, texts.get(QStringLiteral("RESULT_PRINT_NAME_HEADING")));
    for (int s = 0; s < n; ++s) {
        const QString round = QString::number(group.first + s + 1);
        PrintAt(target, 82 + RoundPitch * s, ListHeadingY, round);
        PrintAt(target, 95 + RoundPitch * s, ListHeadingY, round + QStringLiteral(" N"));
    }
    PrintAt(target, totalsLeft + 3, ListHeadingY,
            texts.get(QStringLiteral("RESULT_PRINT_TOTAL_HEADING")));
    PrintAt(target, totalsLeft + 18, ListHeadingY,
            texts.get(QStringLiteral("RESULT_PRINT_NORMALIZED_HEADING")));
    target.setBold(false);

    const Contest& contest = layout.contest;
    const bool lastGroup = group.first + group.count == layout.rounds;
    for (int i = rows.first; i < rows.first + rows.count; ++i) {
        const int index = layout.order[i];
        const Pilot& pilot = contest.Pilots[index];
        const int y = ListHeadingBottom + ListRowHeight * (i - rows.first);
        PrintNumber(target, PlaceRight, y, QString::number(pilot.Placed));
        PrintNumber(target, StartNoRight, y, QString::number(pilot.StartNo));
        PrintAt(target, 26, y, LeftIn(pilot.Name, 25));
        for (int s = 0; s < n; ++s) {
            const int r = group.first + s;
            const int left = NameRight + RoundPitch * s;
            PrintNumber(target, left + 13, y, PointsNumber(pilot.RoundScore[r]));
            PrintNumber(target, left + 28, y, PointsNumber(pilot.RoundPoints[r]));
            // Struck through the middle of both values, as strong as the table's rulings.
            if (layout.dropLowest && r == pilot.DroppedRound)
                HorizontalLine(target, RuleWidth, left + 2, left + 29, y + 2);
        }
        PrintNumber(target, totalsLeft + 13, y, PointsNumber(pilot.Total));
        PrintNumber(target, totalsLeft + 28, y, PointsNumber(contest.NormTotal[index]));
        if (lastGroup)
            ReportProgress(layout.settings, i, contest.PilotCount);
    }
}

void DrawTeamTable(const Layout& layout, int top, PrintTarget& target) {
    const Contest& contest = layout.contest;
    const int bottom = top + 5 + ListRowHeight * contest.TeamCount;
    for (int y : {top, top + 5, bottom})
        HorizontalLine(target, FrameWidth, ListTableLeft, 100, y);
    VerticalLine(target, FrameWidth, ListTableLeft, top, bottom);
    VerticalLine(target, RuleWidth, 15, top, bottom);
    VerticalLine(target, FrameWidth, 40, top, bottom);
    for (int x : {55, 70, 85})
        VerticalLine(target, RuleWidth, x, top, bottom);
    VerticalLine(target, FrameWidth, 100, top, bottom);

    target.setFontSize(ListFontSize);
    target.setBold(true);
    PrintAt(target, 9, top + 1, QStringLiteral("#"));
    PrintAt(target, 17, top + 1,
            LeftIn(layout.texts.get(QStringLiteral("RESULT_PRINT_TEAM_NAME_HEADING")), 15));
    for (int m = 0; m < TeamMembersShown; ++m)
        PrintAt(target, 45 + 15 * m, top + 1, QStringLiteral("P%1").arg(m + 1));
    PrintAt(target, 87, top + 1, layout.texts.get(QStringLiteral("RESULT_PRINT_TOTAL_HEADING")));
    target.setBold(false);

    for (int j = 0; j < contest.TeamCount; ++j) {
        const Team& team = contest.Teams[layout.teams[j]];
        const int y = top + 5 + ListRowHeight * j;
        PrintNumber(target, PlaceRight, y, QString::number(j + 1));
        PrintAt(target, 17, y, LeftIn(team.Name, 15));
        for (int m = 0; m < std::min(team.MemberCount, TeamMembersShown); ++m)
            PrintNumber(target, 53 + 15 * m, y, PointsNumber(team.MemberScore[m]));
        PrintNumber(target, 98, y, PointsNumber(team.Total));
    }
}

void PrintGraphic(const Layout& layout, PrintTarget& target) {
    const Contest& contest = layout.contest;
    BeginGraphicJob(target, Orientation::Landscape, layout.settings);
    const int bodyBottom = BodyBottom(target.pageHeight());
    const int rowsPerPage = (bodyBottom - ListHeadingBottom) / ListRowHeight;
    const std::vector<RowRange> groups = RoundGroups(layout.rounds, target.pageWidth());
    std::vector<RowRange> rowPages;
    int first = 0;
    do {
        rowPages.push_back({first, std::min(rowsPerPage, contest.PilotCount - first)});
        first += rowPages.back().count;
    } while (first < contest.PilotCount);
    const int teamTop = ListHeadingBottom + ListRowHeight * rowPages.back().count + TeamTableGap;
    const bool teamPage =
        contest.TeamCount > 0 && teamTop + 5 + ListRowHeight * contest.TeamCount > bodyBottom;
    const int pages = static_cast<int>(rowPages.size() * groups.size()) + (teamPage ? 1 : 0);

    int page = 0;
    const auto startPage = [&] {
        if (page > 0)
            target.newPage();
        ++page;
        DrawReportFrame(target, contest, layout.settings, FooterBold::Stays, {page, pages});
    };
    for (const RowRange& rows : rowPages) {
        for (const RowRange& group : groups) {
            startPage();
            DrawPilotTable(layout, rows, group, target);
        }
    }
    if (contest.TeamCount > 0) {
        if (teamPage)
            startPage();
        DrawTeamTable(layout, teamPage ? ListTableTop : teamTop, target);
    }
    target.endDocument();
}

void PrintTeamLines(const Layout& layout, PrintTarget& target) {
    const Contest& contest = layout.contest;
    const QString total = layout.texts.get(QStringLiteral("RESULT_PRINT_TOTAL_HEADING"));
    QString heading =
        QStringLiteral(" #  ") +
        LeftIn(layout.texts.get(QStringLiteral("RESULT_PRINT_TEAM_NAME_HEADING")), 15);
    for (int m = 1; m <= TeamMembersShown; ++m)
        heading += QStringLiteral("     P%1 ").arg(m);
    heading += QStringLiteral("  ") + total;
    const QString rule(heading.size(), u'-');
    target.printLine(QString());
    target.printLine(QString());
    target.printLine(heading);
    target.printLine(rule);
    target.setRunningHeading({heading, rule});
    for (int j = 0; j < contest.TeamCount; ++j) {
        const Team& team = contest.Teams[layout.teams[j]];
        QString line = RightIn(j + 1, 2) + QStringLiteral("  ") + LeftIn(team.Name, 15);
        for (int m = 0; m < TeamMembersShown; ++m) {
            line += QStringLiteral("  ") +
                    (m < team.MemberCount ? Points(team.MemberScore[m]) : QString(6, u' '));
        }
        target.printLine(line + QStringLiteral("  ") + Points(team.Total));
    }
    target.printLine(rule);
}

void PrintText(const Layout& layout, PrintTarget& target) {
    const Contest& contest = layout.contest;
    const Texts& texts = layout.texts;
    BeginTextJob(target, contest, layout.settings, BlankAfterCaption::No);
    QString heading = QStringLiteral(" # ") +
                      RightIn(texts.get(QStringLiteral("RESULT_PRINT_STARTNO_HEADING")), 3) + u' ' +
                      LeftIn(texts.get(QStringLiteral("RESULT_PRINT_NAME_HEADING")), 25) + u' ';
    for (int r = 0; r < layout.rounds; ++r)
        heading +=
            QStringLiteral("    ") + LeftIn(QString::number(r + 1), 2) + QStringLiteral("  ");
    heading += u' ' + LeftIn(texts.get(QStringLiteral("RESULT_PRINT_TOTAL_HEADING")), 6) + u' ';
    heading +=
        u' ' + LeftIn(texts.get(QStringLiteral("RESULT_PRINT_NORMALIZED_HEADING")), 6) + u' ';
    const QString rule(heading.size(), u'-');
    target.printLine(heading);
    target.printLine(rule);
    target.setRunningHeading({heading, rule});

    for (int i = 0; i < contest.PilotCount; ++i) {
        const int index = layout.order[i];
        const Pilot& pilot = contest.Pilots[index];
        QString line = RightIn(pilot.Placed, 2) + u' ' + RightIn(pilot.StartNo, 3) + u' ' +
                       LeftIn(pilot.Name, 25) + u' ';
        for (int r = 0; r < layout.rounds; ++r) {
            const bool dropped = layout.dropLowest && r == pilot.DroppedRound;
            line += dropped ? RightIn(u'(' + PointsNumber(pilot.RoundPoints[r]) + u')', 8)
                            : u' ' + Points(pilot.RoundPoints[r]) + u' ';
        }
        line += u' ' + Points(pilot.Total) + u' ';
        line += u' ' + Points(contest.NormTotal[index]) + u' ';
        target.printLine(line);
        ReportProgress(layout.settings, i, contest.PilotCount);
    }
    target.printLine(rule);
    if (contest.TeamCount > 0)
        PrintTeamLines(layout, target);
    target.endDocument();
}

} // namespace

void PrintResults(const PreparedResults& results, const Texts& texts, const PrintSettings& settings,
                  int copies, PrintTarget& target) {
    const Layout layout{results.contest,
                        texts,
                        settings,
                        results.options.rounds,
                        results.options.dropLowest,
                        results.pilotsByPlace,
                        results.teamsByPlace};
    for (int copy = 0; copy < copies; ++copy) {
        if (VariantOf(settings) == PrintVariant::Graphic)
            PrintGraphic(layout, target);
        else
            PrintText(layout, target);
    }
}

} // namespace veltra
