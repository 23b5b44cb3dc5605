#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace veltra {

// The printer places things in twips; reports think in whole millimetres.
inline constexpr double TwipsPerMillimetre = 56.693;
inline constexpr double TwipsPerInch = 1440.0;

enum class Orientation { Portrait = 1, Landscape = 2 };

// Graphic: positioned text and ruled lines. Text: plain fixed-pitch lines, as for a line printer.
enum class PrintVariant { Graphic, Text };

struct PageSetup {
    PageSetup(PrintVariant variant = PrintVariant::Graphic,
              Orientation orientation = Orientation::Portrait, int quality = 0)
        : variant(variant), orientation(orientation), quality(quality) {}

    PrintVariant variant;
    Orientation orientation;
    int quality; // PRINT_RESOLUTION: -1 draft, -2 low, -3 medium, -4 high
    // The text variant's pages end with a footer the back end writes, as it breaks the pages:
    // the print time at the left and pageOf, its %1 the page and %2 the pages, at the right.
    QString printedAt;
    QString pageOf;
    // The document's name in the printer's queue; the report's name where empty.
    QString name;
};

// The one surface every report draws on, in whole millimetres from the top left corner of an
// A4 page. One report function drives the printer, the preview, PDF files and the tests through
// it. A document is one print job; copies are separate documents.
//
// In the graphic variant a string is printed at the position set just before it. In the text
// variant nothing is positioned: each printed string is the next line, and the back end breaks
// the pages, repeating the running heading at the top of each further page.
class PrintTarget {
  public:
    virtual ~PrintTarget() = default;

    virtual void beginDocument(const PageSetup& setup) = 0;
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;

    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(int points) = 0;
    virtual void setBold(bool on) = 0;
    virtual void setItalic(bool on) = 0;
    virtual int textWidth(const QString& text) const = 0;

    virtual void SetPrintPosition(int x, int y) = 0;
    // Style 0 is solid; the width counts printer pixels (8 frames, 3 rulings, 1 hair lines).
    virtual void DrawPrintLine(int style, int width, int x1, int y1, int x2, int y2) = 0;
    // Prints the string and ends the line; an empty string is an empty line.
    virtual void printLine(const QString& text) = 0;

    // Text variant: the lines repeated at the top of each further page from here on.
    virtual void setRunningHeading(const QStringList& lines) = 0;
    // Graphic variant: the body continues on a fresh page.
    virtual void newPage() = 0;
    virtual void endDocument() = 0;
};

// A report bound to its contest and options, ready to draw on any back end.
using Report = std::function<void(PrintTarget&)>;

// Whole millimetres from twips, rounded to the nearest, halves to the even neighbour.
int MillimetresFromTwips(double twips);

} // namespace veltra
