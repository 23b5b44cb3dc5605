#include "reports/reportframe.h"

#include "core/format.h"
#include "reports/listprogress.h"

#include <algorithm>
#include <cmath>

namespace veltra {
namespace {

constexpr int FooterDistance = 15; // the footer's distance from the bottom of the page
constexpr int BodyMargin = 20;
constexpr int BoxMargin = 5; // left and right of the title box and the footer
constexpr int BoxTop = 5;
constexpr int BoxBottom = 20;
constexpr int TitlePadding = 2; // kept free between the title and the box
constexpr int SmallestTitleFontSize = 8;

} // namespace

PrintSettings PrintSettingsFrom(const Settings& settings) {
    PrintSettings print;
    print.printerType = settings.PrinterType;
    print.printResolution = settings.PrintResolution;
    print.frequencyDisplayMode = settings.FrequencyDisplayMode;
    return print;
}

PrintVariant VariantOf(const PrintSettings& settings) {
    return settings.printerType == 1 ? PrintVariant::Text : PrintVariant::Graphic;
}

int BodyBottom(int pageHeight) {
    return pageHeight - BodyMargin;
}

int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

QString TitleText(const Contest& contest) {
    return contest.ContName + QStringLiteral("  -  ") + contest.ContLocation +
           QStringLiteral("  -  ") + contest.ContDate;
}

QString ContestLine(const Contest& contest) {
    const QString gap(5, u' ');
    return contest.ContName + gap + contest.ContLocation + gap + contest.ContDate;
}

PageSetup SetupOf(PrintVariant variant, Orientation orientation, const PrintSettings& settings) {
    PageSetup setup{variant, orientation, settings.printResolution};
    setup.printedAt = settings.printedAt;
    setup.pageOf = settings.pageOf;
    return setup;
}

void BeginGraphicJob(PrintTarget& target, Orientation orientation, const PrintSettings& settings,
                     const QString& name) {
    PageSetup setup = SetupOf(PrintVariant::Graphic, orientation, settings);
    setup.name = name;
    target.beginDocument(setup);
    target.setFontName(QString::fromLatin1(ReportFont));
}

int CentredX(const PrintTarget& target, const QString& text) {
    return RoundHalfEven(target.pageWidth() / 2.0 - target.textWidth(text) / 2.0);
}

void PrintAt(PrintTarget& target, int x, int y, const QString& text) {
    target.SetPrintPosition(x, y);
    target.printLine(text);
}

void PrintRightAligned(PrintTarget& target, int right, int y, const QString& text) {
    PrintAt(target, right - target.textWidth(text), y, text);
}

void PrintNumber(PrintTarget& target, int right, int y, const QString& number) {
    PrintRightAligned(target, right, y, number.trimmed());
}

void HorizontalLine(PrintTarget& target, int width, int x1, int x2, int y) {
    target.DrawPrintLine(SolidLine, width, x1, y, x2, y);
}

void VerticalLine(PrintTarget& target, int width, int x, int y1, int y2) {
    target.DrawPrintLine(SolidLine, width, x, y1, x, y2);
}

void DrawReportFrame(PrintTarget& target, const Contest& contest, const PrintSettings& settings,
                     FooterBold footer, PageNumber page) {
    const int right = target.pageWidth() - BoxMargin;
    HorizontalLine(target, FrameWidth, BoxMargin, right, BoxTop);
    HorizontalLine(target, FrameWidth, BoxMargin, right, BoxBottom);
    VerticalLine(target, FrameWidth, BoxMargin, BoxTop, BoxBottom);
    VerticalLine(target, FrameWidth, right, BoxTop, BoxBottom);
    DrawTitleLine(target, contest);
    DrawFooter(target, settings, footer, page);
}

// A smaller title sits lower, so that it stays in the middle of the box's height.
void DrawTitleLine(PrintTarget& target, const Contest& contest) {
    const QString title = TitleText(contest);
    const int room = target.pageWidth() - 2 * (BoxMargin + TitlePadding);
    int size = TitleFontSize;
    target.setBold(true);
    target.setFontSize(size);
    while (size > SmallestTitleFontSize && target.textWidth(title) > room)
        target.setFontSize(--size);
    PrintAt(target, CentredX(target, title), 13 - size / 5, title);
}

void DrawFooter(PrintTarget& target, const PrintSettings& settings, FooterBold footer,
                PageNumber page) {
    target.setFontSize(FooterFontSize);
    if (footer == FooterBold::Off)
        target.setBold(false);
    const int y = target.pageHeight() - FooterDistance;
    PrintAt(target, CentredX(target, settings.caption), y, settings.caption);
    if (!settings.printedAt.isEmpty())
        PrintAt(target, BoxMargin, y, settings.printedAt);
    if (!settings.pageOf.isEmpty()) {
        PrintRightAligned(target, target.pageWidth() - BoxMargin, y,
                          settings.pageOf.arg(page.page).arg(page.pages));
    }
}

QString LabelledValue(const QString& label, const QString& value, int width) {
    const QString trimmed = label.trimmed();
    const int blanks = std::max(1, width - static_cast<int>(trimmed.size() + value.size()));
    return trimmed + QString(blanks, u' ') + value;
}

void BeginTextJob(PrintTarget& target, const Contest& contest, const PrintSettings& settings,
                  BlankAfterCaption blank, const QString& name) {
    PageSetup setup = SetupOf(PrintVariant::Text, Orientation::Portrait, settings);
    setup.name = name;
    target.beginDocument(setup);
    target.printLine(settings.caption);
    if (blank == BlankAfterCaption::Yes)
        target.printLine(QString());
    target.printLine(ContestLine(contest));
    target.printLine(QString());
}

void ReportProgressValue(const PrintSettings& settings, int value) {
    if (settings.progress)
        settings.progress(value);
}

void ReportProgress(const PrintSettings& settings, int index, int count) {
    ReportProgressValue(settings, ListProgress(index, count));
}

QString RightIn(const QString& text, int width) {
    return FormatText(text, QString(width, u'@'));
}

QString RightIn(int number, int width) {
    return RightIn(QString::number(number), width);
}

QString LeftIn(const QString& text, int width) {
    return FormatText(text, u'!' + QString(width, u'@'));
}

QString ChannelText(double channel, int frequencyDisplayMode, QStringView frequencyPattern,
                    QStringView channelPattern) {
    if (frequencyDisplayMode == 0)
        return FormatNumber(channel, frequencyPattern);
    if (frequencyDisplayMode == 1)
        return FormatNumber(channel, channelPattern);
    return QString();
}

std::vector<RowRange> SplitRowsIntoPages(int rows, int onOtherPages, int onLastPage) {
    std::vector<RowRange> pages;
    int first = 0;
    while (rows - first > onLastPage) {
        const int count = std::max(1, std::min(onOtherPages, rows - first - 1));
        pages.push_back({first, count});
        first += count;
    }
    pages.push_back({first, rows - first});
    return pages;
}

} // namespace veltra
