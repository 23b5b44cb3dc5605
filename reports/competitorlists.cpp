#include "reports/competitorlists.h"

#include "core/format.h"

#include <algorithm>

namespace veltra {
namespace {

constexpr int JudgeRowHeight = 5;
constexpr int JudgeFontSize = 10;
constexpr int JudgeTableRight = 110;

QString PilotChannel(const Pilot& pilot, const PrintSettings& settings, QStringView channelForm) {
    return ChannelText(pilot.Channel, settings.frequencyDisplayMode, u"00.000", channelForm);
}

void DrawPilotPage(const Contest& contest, const Texts& texts, const PrintSettings& settings,
                   RowRange rows, PageNumber page, PrintTarget& target) {
    const int first = rows.first;
    const int count = rows.count;
    DrawReportFrame(target, contest, settings, FooterBold::Off, page);
    // The table ends where the title box above it ends.
    const int right = target.pageWidth() - 5;
    const int bottom = ListHeadingBottom + ListRowHeight * count;
    HorizontalLine(target, FrameWidth, ListTableLeft, right, ListTableTop);
    HorizontalLine(target, RuleWidth, ListTableLeft, right, ListHeadingBottom);
    HorizontalLine(target, FrameWidth, ListTableLeft, right, bottom);
    VerticalLine(target, FrameWidth, ListTableLeft, ListTableTop, bottom);
    VerticalLine(target, FrameWidth, right, ListTableTop, bottom);
    for (int x : {15, 25, 75, 105, 115, 135, 155, 195, 235})
        VerticalLine(target, HairWidth, x, ListTableTop, bottom);

    target.setFontSize(ListFontSize);
    target.setBold(true);
    PrintAt(target, 7, ListHeadingY, QStringLiteral("#"));
    const struct {
        int x;
        const char* key;
    } headings[] = {
        {16, "COMPETITOR_PRINT_STARTNO_HEADING"},  {26, "COMPETITOR_PRINT_NAME_HEADING"},
        {76, "COMPETITOR_PRINT_CLUB_HEADING"},     {106, "COMPETITOR_PRINT_KFACT_HEADING"},
        {116, "COMPETITOR_PRINT_CHANNEL_HEADING"}, {136, "COMPETITOR_PRINT_NAC_HEADING"},
        {156, "COMPETITOR_PRINT_PLANE_HEADING"},   {196, "COMPETITOR_PRINT_ENGINE_HEADING"},
        {236, "COMPETITOR_PRINT_RADIO_HEADING"}};
    for (const auto& heading : headings)
        PrintAt(target, heading.x, ListHeadingY, texts.get(QString::fromLatin1(heading.key)));
    target.setBold(false);

    for (int i = first; i < first + count; ++i) {
        const Pilot& pilot = contest.Pilots[i];
        const int y = ListHeadingBottom + ListRowHeight * (i - first);
        PrintNumber(target, 13, y, QString::number(i + 1));
        PrintNumber(target, 23, y, QString::number(pilot.StartNo));
        PrintAt(target, 26, y, LeftIn(pilot.Name, 25));
        PrintAt(target, 76, y, LeftIn(pilot.Club, 15));
        PrintNumber(target, 113, y, FormatNumber(pilot.KFactor, u"0.00"));
        PrintNumber(target, 133, y, PilotChannel(pilot, settings, u"00"));
        PrintAt(target, 136, y, LeftIn(pilot.NACNo, 8));
        PrintAt(target, 156, y, LeftIn(pilot.Plane, 20));
        PrintAt(target, 196, y, LeftIn(pilot.Engine, 20));
        PrintAt(target, 236, y, LeftIn(pilot.Radio, 20));
        ReportProgress(settings, i, contest.PilotCount);
    }
}

void PrintPilotListGraphic(const Contest& contest, const Texts& texts,
                           const PrintSettings& settings, PrintTarget& target) {
    BeginGraphicJob(target, Orientation::Landscape, settings);
    const int rowsPerPage = (BodyBottom(target.pageHeight()) - ListHeadingBottom) / ListRowHeight;
    const int pages = std::max(1, (contest.PilotCount + rowsPerPage - 1) / rowsPerPage);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            target.newPage();
        const int first = page * rowsPerPage;
        DrawPilotPage(contest, texts, settings,
                      {first, std::min(rowsPerPage, contest.PilotCount - first)}, {page + 1, pages},
                      target);
    }
    target.endDocument();
}

void PrintPilotListText(const Contest& contest, const Texts& texts, const PrintSettings& settings,
                        PrintTarget& target) {
    BeginTextJob(target, contest, settings, BlankAfterCaption::Yes);
    const QString heading =
        QStringLiteral(" # ") +
        LeftIn(texts.get(QStringLiteral("COMPETITOR_PRINT_STARTNO_HEADING")), 3) + u' ' +
        LeftIn(texts.get(QStringLiteral("COMPETITOR_PRINT_NAME_HEADING")), 25) + u' ' +
        LeftIn(texts.get(QStringLiteral("COMPETITOR_PRINT_CLUB_HEADING")), 15) + u' ' +
        LeftIn(texts.get(QStringLiteral("COMPETITOR_PRINT_KFACT_HEADING")), 4) + u' ' +
        RightIn(texts.get(QStringLiteral("COMPETITOR_PRINT_CHANNEL_HEADING")), 7) + u' ';
    const QString rule(heading.size(), u'-');
    target.printLine(heading);
    target.printLine(rule);
    target.setRunningHeading({heading, rule});
    for (int i = 0; i < contest.PilotCount; ++i) {
        const Pilot& pilot = contest.Pilots[i];
        target.printLine(RightIn(i + 1, 2) + u' ' + RightIn(pilot.StartNo, 3) + u' ' +
                         LeftIn(pilot.Name, 25) + u' ' + LeftIn(pilot.Club, 15) + u' ' +
                         FormatNumber(pilot.KFactor, u"0.00") + u' ' +
                         PilotChannel(pilot, settings, u"    00") + QStringLiteral("  "));
        ReportProgress(settings, i, contest.PilotCount);
    }
    target.printLine(rule);
    target.endDocument();
}

void DrawJudgeList(const Contest& contest, const Texts& texts, const PrintSettings& settings,
                   PrintTarget& target) {
    DrawReportFrame(target, contest, settings, FooterBold::Stays, {1, 1});
    const int bottom = ListHeadingBottom + JudgeRowHeight * contest.JudgeCount;
    for (int y : {ListTableTop, ListHeadingBottom, bottom})
        HorizontalLine(target, RuleWidth, ListTableLeft, JudgeTableRight, y);
    for (int x : {ListTableLeft, 15, 60, JudgeTableRight})
        VerticalLine(target, RuleWidth, x, ListTableTop, bottom);

    target.setFontSize(JudgeFontSize);
    target.setBold(true);
    PrintAt(target, 9, ListHeadingY, QStringLiteral("#"));
    PrintAt(target, 16, ListHeadingY, texts.get(QStringLiteral("JUDGE_PRINT_JUDGE_HEADING")));
    PrintAt(target, 61, ListHeadingY, texts.get(QStringLiteral("JUDGE_PRINT_CLUB_HEADING")));
    target.setBold(false);
    for (int j = 0; j < contest.JudgeCount; ++j) {
        const Judge& judge = contest.Judges[j];
        const int y = ListHeadingBottom + 1 + JudgeRowHeight * j;
        PrintNumber(target, 13, y, QString::number(j + 1));
        PrintAt(target, 16, y, LeftIn(judge.Name, 30));
        PrintAt(target, 61, y, LeftIn(judge.Nation, 20));
        ReportProgress(settings, j, contest.JudgeCount);
    }
}

void PrintJudgeListText(const Contest& contest, const Texts& texts, const PrintSettings& settings,
                        PrintTarget& target) {
    BeginTextJob(target, contest, settings, BlankAfterCaption::Yes);
    const QString heading =
        QStringLiteral(" # ") + LeftIn(texts.get(QStringLiteral("JUDGE_PRINT_JUDGE_HEADING")), 25) +
        u' ' + LeftIn(texts.get(QStringLiteral("JUDGE_PRINT_CLUB_HEADING")), 20) + u' ';
    const QString rule(heading.size(), u'-');
    target.printLine(heading);
    target.printLine(rule);
    target.setRunningHeading({heading, rule});
    for (int j = 0; j < contest.JudgeCount; ++j) {
        const Judge& judge = contest.Judges[j];
        target.printLine(RightIn(j + 1, 2) + u' ' + LeftIn(judge.Name, 25) + u' ' +
                         LeftIn(judge.Nation, 20) + u' ');
        ReportProgress(settings, j, contest.JudgeCount);
    }
    target.printLine(rule);
    target.endDocument();
}

} // namespace

void PrintPilotList(const Contest& contest, const Texts& texts, const PrintSettings& settings,
                    int copies, PrintTarget& target) {
    for (int copy = 0; copy < copies; ++copy) {
        ReportProgressValue(settings, 1);
        if (VariantOf(settings) == PrintVariant::Graphic)
            PrintPilotListGraphic(contest, texts, settings, target);
        else
            PrintPilotListText(contest, texts, settings, target);
    }
}

void PrintJudgeList(const Contest& contest, const Texts& texts, const PrintSettings& settings,
                    int copies, PrintTarget& target) {
    for (int copy = 0; copy < copies; ++copy) {
        ReportProgressValue(settings, 1);
        if (VariantOf(settings) == PrintVariant::Graphic) {
            BeginGraphicJob(target, Orientation::Portrait, settings);
            DrawJudgeList(contest, texts, settings, target);
            target.endDocument();
        } else {
            PrintJudgeListText(contest, texts, settings, target);
        }
    }
}

} // namespace veltra
