#pragma once

#include "core/appstate.h"
#include "core/contest.h"
#include "core/settings.h"
#include "reports/printtarget.h"

#include <QString>
#include <functional>
#include <vector>

namespace veltra {

// What every report takes besides the contest and its own options.
struct PrintSettings {
    int printerType = 2;          // PRINTER_TYPE: 1 text printer, anything else graphic
    int printResolution = -3;     // PRINT_RESOLUTION: -1 draft .. -4 high
    int frequencyDisplayMode = 0; // FREQUENCY_DISPLAY_MODE: 0 frequency, 1 channel number
    QString caption = QString::fromLatin1(MainCaption); // the footer and first text line
    std::function<void(int)> progress;                  // share done, 0 to 100
    // The footer of every page: the time of printing, left out when empty, and the page of all
    // pages, %1 of %2.
    QString printedAt;
    QString pageOf = QStringLiteral("Page %1 of %2");
};

// A page of a print job: its number, counted from 1, and the number of pages of the job.
struct PageNumber {
    int page;
    int pages;
};

// The printing part of the program's settings; the caption and progress keep their defaults.
PrintSettings PrintSettingsFrom(const Settings& settings);

// The settings dialog shows every type but 1 as the graphic printer, so that is what prints.
PrintVariant VariantOf(const PrintSettings& settings);

inline constexpr const char* ReportFont = "Times New Roman";
inline constexpr int TitleFontSize = 20;
inline constexpr int FooterFontSize = 8;
inline constexpr int FrameWidth = 8;
inline constexpr int RuleWidth = 3;
inline constexpr int HairWidth = 1;
inline constexpr int SolidLine = 0;

// The table of the list reports (the pilot, judge and result lists) under the title box, in
// millimetres: its left edge, top, heading line, the line below the heading, and the pitch and
// font size of its rows.
inline constexpr int ListTableLeft = 5;
inline constexpr int ListTableTop = 25;
inline constexpr int ListHeadingY = 26;
inline constexpr int ListHeadingBottom = 30;
inline constexpr int ListRowHeight = 4;
inline constexpr int ListFontSize = 9;

// The lowest y a report body may reach, keeping clear of the footer; a body that would reach
// further continues on another page.
int BodyBottom(int pageHeight);

// A run of table rows that goes on one page.
struct RowRange {
    int first;
    int count;
};

// Splits a table into pages of at most `onOtherPages` rows; the last page holds at most
// `onLastPage` rows, since what follows the table goes there too. Every page holds a row.
std::vector<RowRange> SplitRowsIntoPages(int rows, int onOtherPages, int onLastPage);

// Rounds to the nearest whole number, halves to the even neighbour, as the printer does.
int RoundHalfEven(double value);

// Name, location and date: "  -  " between them on the printed title, five blanks in text.
QString TitleText(const Contest& contest);
QString ContestLine(const Contest& contest);

enum class FooterBold { Off, Stays };

// A print job's page set-up with the settings' print quality and footer.
PageSetup SetupOf(PrintVariant variant, Orientation orientation, const PrintSettings& settings);
// Starts a graphic print job: A4 in the orientation, the print quality, the report font, and the
// job's own name where it has one.
void BeginGraphicJob(PrintTarget& target, Orientation orientation, const PrintSettings& settings,
                     const QString& name = QString());
// Title box, centred title line and footer of every graphic page.
void DrawReportFrame(PrintTarget& target, const Contest& contest, const PrintSettings& settings,
                     FooterBold footer, PageNumber page);
// The title centred on the page in the box 5 mm from either edge, in a smaller font where it
// would not fit at 20 points.
void DrawTitleLine(PrintTarget& target, const Contest& contest);
// The caption centred at the foot of the page, the print time at its left, the page at its
// right.
void DrawFooter(PrintTarget& target, const PrintSettings& settings, FooterBold footer,
                PageNumber page);
int CentredX(const PrintTarget& target, const QString& text);
void PrintAt(PrintTarget& target, int x, int y, const QString& text);
void PrintRightAligned(PrintTarget& target, int right, int y, const QString& text);
// A number in a proportional font, without the blanks of its format, ending at `right`.
void PrintNumber(PrintTarget& target, int right, int y, const QString& number);
void HorizontalLine(PrintTarget& target, int width, int x1, int x2, int y);
void VerticalLine(PrintTarget& target, int width, int x, int y1, int y2);

// Starts a text print job; its first lines are the caption and the contest line, with an
// extra empty line between them where asked.
enum class BlankAfterCaption { No, Yes };
void BeginTextJob(PrintTarget& target, const Contest& contest, const PrintSettings& settings,
                  BlankAfterCaption blank, const QString& name = QString());
// The last line of a value block: the label, then the value ending at `width` characters.
QString LabelledValue(const QString& label, const QString& value, int width);

// Progress after row `index` of `count` rows: index × 100 / (count − 1); a single row is done.
void ReportProgress(const PrintSettings& settings, int index, int count);
void ReportProgressValue(const PrintSettings& settings, int value);

// Fields by width: right-aligned in N characters, or left-aligned, never shortened.
QString RightIn(const QString& text, int width);
QString RightIn(int number, int width);
QString LeftIn(const QString& text, int width);
// A pilot's channel as the frequency display mode shows it, empty for an unknown mode.
QString ChannelText(double channel, int frequencyDisplayMode, QStringView frequencyPattern,
                    QStringView channelPattern);

} // namespace veltra
