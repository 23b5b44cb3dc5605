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

QString Points(double value) {
    return RightIn(FormatNumber(value, u"###0.0"), 6);
}

// Rounds that share a page; the last group also holds the two total columns.
struct RoundGroup {
    int first;
    int count;
    bool withTotals;
};

std::vector<RoundGroup> RoundGroups(int rounds, int pageWidth) {
    const int room = pageWidth - RightMargin - NameRight;
    const int withTotals = std::max(1, (room - TotalsWidth) / RoundPitch);
    const int withoutTotals = std::max(1, room / RoundPitch);
    std::vector<RoundGroup> groups;
    int first = 0;
    while (rounds - first > withTotals) {
        const int count = std::min(withoutTotals, rounds - first - 1);
        groups.push_back({first, count, false});
        first += count;
    }
    groups.push_back({first, rounds - first, true});
    return groups;
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

void DrawPilotTable(const Layout& layout, RowRange rows, RoundGroup group, PrintTarget& target) {
    const int n = group.count;
    const int roundsRight = NameRight + RoundPitch * n;
    const int right = group.withTotals ? roundsRight + TotalsWidth : roundsRight;
    const int bottom = ListHeadingBottom + ListRowHeight * rows.count;
    for (int y : {ListTableTop, ListHeadingBottom, bottom})
        HorizontalLine(target, FrameWidth, ListTableLeft, right, y);
    VerticalLine(target, FrameWidth, ListTableLeft, ListTableTop, bottom);
    VerticalLine(target, RuleWidth, 15, ListTableTop, bottom);
    VerticalLine(target, RuleWidth, 25, ListTableTop, bottom);
    VerticalLine(target, FrameWidth, NameRight, ListTableTop, bottom);
    for (int s = 0; s < n; ++s) {
        VerticalLine(target, RuleWidth, 90 + RoundPitch * s, ListTableTop, bottom);
        VerticalLine(target, FrameWidth, 105 + RoundPitch * s, ListTableTop, bottom);
    }
    if (group.withTotals) {
        VerticalLine(target, RuleWidth, 90 + RoundPitch * n, ListTableTop, bottom);
        VerticalLine(target, FrameWidth, right, ListTableTop, bottom);
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
    if (group.withTotals) {
        PrintAt(target, 78 + RoundPitch * n, ListHeadingY,
                texts.get(QStringLiteral("RESULT_PRINT_TOTAL_HEADING")));
        PrintAt(target, 93 + RoundPitch * n, ListHeadingY,
                texts.get(QStringLiteral("RESULT_PRINT_NORMALIZED_HEADING")));
    }
    target.setBold(false);

    const Contest& contest = layout.contest;
    for (int i = rows.first; i < rows.first + rows.count; ++i) {
        const int index = layout.order[i];
        const Pilot& pilot = contest.Pilots[index];
        const int y = ListHeadingBottom + ListRowHeight * (i - rows.first);
        PrintAt(target, 8, y, RightIn(pilot.Placed, 2));
        PrintAt(target, 17, y, RightIn(pilot.StartNo, 3));
        PrintAt(target, 26, y, LeftIn(pilot.Name, 25));
        for (int s = 0; s < n; ++s) {
            const int r = group.first + s;
            const int x = 77 + RoundPitch * s;
            PrintAt(target, x, y, Points(pilot.RoundScore[r]));
            PrintAt(target, x + 15, y, Points(pilot.RoundPoints[r]));
            if (layout.dropLowest && r == pilot.DroppedRound)
                target.DrawPrintLine(SolidLine, HairWidth, x, y + 1, x + 22, y + 3);
        }
        if (group.withTotals) {
            PrintAt(target, 78 + RoundPitch * n, y, FormatNumber(pilot.Total, u"###0.0"));
            PrintAt(target, 93 + RoundPitch * n, y,
                    FormatNumber(contest.NormTotal[index], u"###0.0"));
            ReportProgress(layout.settings, i, contest.PilotCount);
        }
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
        PrintAt(target, 8, y, RightIn(j + 1, 2));
        PrintAt(target, 17, y, LeftIn(team.Name, 15));
        for (int m = 0; m < std::min(team.MemberCount, TeamMembersShown); ++m)
            PrintAt(target, 42 + 15 * m, y, Points(team.MemberScore[m]));
        PrintAt(target, 87, y, Points(team.Total));
    }
}

void PrintGraphic(const Layout& layout, PrintTarget& target) {
    const Contest& contest = layout.contest;
    BeginGraphicJob(target, Orientation::Landscape, layout.settings);
    const int bodyBottom = BodyBottom(target.pageHeight());
    const int rowsPerPage = (bodyBottom - ListHeadingBottom) / ListRowHeight;
    const std::vector<RoundGroup> groups = RoundGroups(layout.rounds, target.pageWidth());
    bool firstPage = true;
    const auto startPage = [&] {
        if (!firstPage)
            target.newPage();
        firstPage = false;
        DrawReportFrame(target, contest, layout.settings, FooterBold::Stays);
    };
    RowRange rows{0, 0};
    do {
        rows.count = std::min(rowsPerPage, contest.PilotCount - rows.first);
        for (const RoundGroup& group : groups) {
            startPage();
            DrawPilotTable(layout, rows, group, target);
        }
        rows.first += rows.count;
    } while (rows.first < contest.PilotCount);

    if (contest.TeamCount > 0) {
        int top = ListHeadingBottom + ListRowHeight * rows.count + TeamTableGap;
        if (top + 5 + ListRowHeight * contest.TeamCount > bodyBottom) {
            startPage();
            top = ListTableTop;
        }
        DrawTeamTable(layout, top, target);
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
        for (int r = 0; r < layout.rounds; ++r)
            line += u' ' + Points(pilot.RoundPoints[r]) + u' ';
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
