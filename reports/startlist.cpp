#include "reports/startlist.h"

#include "core/format.h"
#include "scoring/startorder.h"

#include <algorithm>

namespace veltra {
namespace {

constexpr int RoundsPerPage = 4;
constexpr int BlockLeft = 5;
constexpr int BlockPitch = 70;
constexpr int BlockWidth = 67;
constexpr int BlockTop = 30;
constexpr int HeadingBottom = 35;
constexpr int RowHeight = 4;
constexpr int PauseSpace = 5;
constexpr int ColumnWidth = 40;
constexpr int LastRound = EditorMaxRounds;

bool PauseAfter(const StartListOptions& options, int row) {
    return options.pauseMinutes >= 1 && row == options.pausePilot - 1;
}

QString PauseText(const Texts& texts, const StartListOptions& options) {
    return texts.get(QStringLiteral("START_PRINT_PAUSE_MESSAGE_1")) + u' ' +
           QString::number(options.pauseMinutes) + u' ' +
           texts.get(QStringLiteral("START_PRINT_PAUSE_MESSAGE_2"));
}

QString RoundTitle(const Texts& texts, int round) {
    return texts.get(QStringLiteral("START_PRINT_ROUND_HEADING")) + QStringLiteral(" : ") +
           QString::number(round);
}

void DrawRoundBlock(const Contest& contest, const Texts& texts, const PrintSettings& settings,
                    const StartListOptions& options, int round, RowRange rows,
                    PrintTarget& target) {
    const int x0 = BlockLeft + BlockPitch * ((round - 1) % RoundsPerPage);
    const int blockHeight =
        RowHeight * rows.count + PauseSpace + (options.pausePilot >= 1 ? PauseSpace : 0);
    const int bottom = BlockTop + blockHeight;
    for (int y : {BlockTop, HeadingBottom, bottom})
        HorizontalLine(target, FrameWidth, x0, x0 + BlockWidth, y);
    VerticalLine(target, FrameWidth, x0, BlockTop, bottom);
    for (int dx : {8, 16, 55})
        VerticalLine(target, RuleWidth, x0 + dx, BlockTop, bottom);
    VerticalLine(target, FrameWidth, x0 + BlockWidth, BlockTop, bottom);

    target.setFontSize(12);
    target.setBold(false);
    PrintAt(target, x0, 24, RoundTitle(texts, round));
    target.setFontSize(9);
    target.setBold(true);
    PrintAt(target, x0 + 3, 31, QStringLiteral("#"));
    PrintAt(target, x0 + 9, 31, QStringLiteral("S-#"));
    PrintAt(target, x0 + 17, 31, texts.get(QStringLiteral("START_PRINT_PILOT_HEADING")));
    PrintAt(target, x0 + 56, 31, texts.get(QStringLiteral("START_PRINT_CHANNEL_HEADING")));
    target.setBold(false);

    const int n = contest.PilotCount;
    const int first =
        FirstPilotOfRound(round, n, contest.Rounds, RotationRule::FirstPilotWhenFewer);
    int pauseShift = 0;
    for (int i = rows.first; i < rows.first + rows.count; ++i) {
        const Pilot& pilot = contest.Pilots[PilotAtRow(first, i, n)];
        const int y = HeadingBottom + RowHeight * (i - rows.first) + pauseShift;
        PrintNumber(target, x0 + 7, y, QString::number(i + 1));
        PrintNumber(target, x0 + 15, y, QString::number(pilot.StartNo));
        PrintAt(target, x0 + 17, y, LeftIn(pilot.Name, 25));
        PrintNumber(target, x0 + 66, y,
                    ChannelText(pilot.Channel, settings.frequencyDisplayMode, u"00.000", u"  00"));
        ReportProgress(settings, i, n);
        if (PauseAfter(options, i)) {
            target.setItalic(true);
            PrintAt(target, x0 + 17, HeadingBottom + RowHeight * (i - rows.first + 1),
                    PauseText(texts, options));
            target.setItalic(false);
            pauseShift = RowHeight;
        }
    }
}

void PrintGraphic(const Contest& contest, const Texts& texts, const PrintSettings& settings,
                  const StartListOptions& options, PrintTarget& target) {
    BeginGraphicJob(target, Orientation::Landscape, settings);
    const int spaceForRows = BodyBottom(target.pageHeight()) - BlockTop - PauseSpace -
                             (options.pausePilot >= 1 ? PauseSpace : 0);
    const int rowsPerPage = std::max(1, spaceForRows / RowHeight);
    // Rounds 1 to 4 share the first page, 5 to 8 the next, and so on; a list longer than a
    // page continues below the same rounds' headings.
    const auto lastOfGroup = [&](int round) {
        return std::min(options.toRound, ((round - 1) / RoundsPerPage + 1) * RoundsPerPage);
    };
    int groups = 0;
    for (int round = options.fromRound; round <= options.toRound; round = lastOfGroup(round) + 1)
        ++groups;
    const int rowPages = std::max(1, (contest.PilotCount + rowsPerPage - 1) / rowsPerPage);
    const int pages = std::max(1, groups * rowPages);
    int page = 0;
    const auto startPage = [&] {
        if (page > 0)
            target.newPage();
        ++page;
        DrawReportFrame(target, contest, settings, FooterBold::Off, {page, pages});
    };
    if (options.fromRound > options.toRound)
        startPage();
    for (int groupFirst = options.fromRound; groupFirst <= options.toRound;) {
        const int groupLast = lastOfGroup(groupFirst);
        int row = 0;
        do {
            const RowRange rows{row, std::min(rowsPerPage, contest.PilotCount - row)};
            startPage();
            for (int round = groupFirst; round <= groupLast; ++round)
                DrawRoundBlock(contest, texts, settings, options, round, rows, target);
            row += rows.count;
        } while (row < contest.PilotCount);
        groupFirst = groupLast + 1;
    }
    target.endDocument();
}

// Two rounds side by side; the right column is left out beyond the last possible round.
QString Columns(const QString& left, const QString& right, bool withRight) {
    return withRight ? LeftIn(left, ColumnWidth) + right : left;
}

QString TextRow(const Contest& contest, const PrintSettings& settings, int first, int row) {
    const Pilot& pilot = contest.Pilots[PilotAtRow(first, row, contest.PilotCount)];
    return RightIn(row + 1, 2) + u' ' + RightIn(pilot.StartNo, 3) + u' ' + LeftIn(pilot.Name, 25) +
           u' ' + ChannelText(pilot.Channel, settings.frequencyDisplayMode, u"00.000", u"  00  ") +
           u' ';
}

void PrintTextPair(const Contest& contest, const Texts& texts, const PrintSettings& settings,
                   const StartListOptions& options, int left, PrintTarget& target) {
    const int right = left + 1;
    const bool withRight = right <= LastRound;
    const QString title = Columns(RoundTitle(texts, left), RoundTitle(texts, right), withRight);
    const QString column =
        QStringLiteral(" # S-# ") +
        LeftIn(texts.get(QStringLiteral("START_PRINT_PILOT_HEADING")), 25) + u' ' +
        LeftIn(texts.get(QStringLiteral("START_PRINT_CHANNEL_HEADING")), 6) + u' ';
    const QString heading = Columns(column, column, withRight);
    const QString rule = Columns(QString(39, u'-'), QString(39, u'-'), withRight);
    target.printLine(title);
    target.printLine(QString());
    target.printLine(heading);
    target.printLine(rule);
    target.setRunningHeading({title, QString(), heading, rule});

    const int n = contest.PilotCount;
    const int leftFirst = FirstPilotOfRound(left, n, contest.Rounds, RotationRule::Formula);
    const int rightFirst = FirstPilotOfRound(right, n, contest.Rounds, RotationRule::Formula);
    for (int i = 0; i < n; ++i) {
        target.printLine(Columns(TextRow(contest, settings, leftFirst, i),
                                 TextRow(contest, settings, rightFirst, i), withRight));
        ReportProgress(settings, i, n);
        if (PauseAfter(options, i)) {
            const QString pause = PauseText(texts, options);
            target.printLine(Columns(pause, pause, withRight));
        }
    }
    target.printLine(rule);
    target.printLine(QString());
    target.setRunningHeading({});
}

void PrintText(const Contest& contest, const Texts& texts, const PrintSettings& settings,
               const StartListOptions& options, PrintTarget& target) {
    BeginTextJob(target, contest, settings, BlankAfterCaption::No);
    for (int round = options.fromRound; round <= options.toRound; round += 2)
        PrintTextPair(contest, texts, settings, options, round, target);
    target.endDocument();
}

} // namespace

void PrintStartList(const Contest& contest, const Texts& texts, const PrintSettings& settings,
                    const StartListOptions& options, PrintTarget& target) {
    StartListOptions checked = options;
    checked.fromRound = std::max(1, options.fromRound);
    for (int copy = 0; copy < options.copies; ++copy) {
        ReportProgressValue(settings, 1);
        if (VariantOf(settings) == PrintVariant::Graphic)
            PrintGraphic(contest, texts, settings, checked, target);
        else
            PrintText(contest, texts, settings, checked, target);
    }
}

} // namespace veltra
