#include "reports/pagedtarget.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace veltra {
namespace {

constexpr double PointsPerInch = 72.0;
constexpr int TextMargin = 10;         // millimetres around the text variant's lines
constexpr double TextPointSize = 10.0; // a line printer's pitch, shrunk for wide documents
constexpr double SmallestTextPointSize = 4.0;
// A line's width counts pixels of the medium quality whatever the quality printed, so that a
// rule keeps its thickness on paper: 8 pixels are 0.34 mm.
constexpr double LinePixelsPerInch = 600.0;

// The printer's resolution for each print quality.
int QualityDotsPerInch(int quality) {
    switch (quality) {
    case -1:
        return 150;
    case -2:
        return 300;
    case -4:
        return 1200;
    default:
        return 600;
    }
}

Qt::PenStyle PenStyleOf(int style) {
    static constexpr Qt::PenStyle styles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                              Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen};
    return style >= 0 && style < 6 ? styles[style] : Qt::SolidLine;
}

} // namespace

int MillimetresFromTwips(double twips) {
    return static_cast<int>(std::nearbyint(twips / TwipsPerMillimetre));
}

PagedTarget::PagedTarget(QPagedPaintDevice& device, Jobs jobs) : device_(device), jobs_(jobs) {}

PagedTarget::~PagedTarget() {
    if (painter_.isActive())
        painter_.end();
}

Status PagedTarget::finish() {
    if (painter_.isActive() && !painter_.end() && status_.ok)
        status_ = Status::failure(QStringLiteral("The printout could not be completed."));
    return status_;
}

double PagedTarget::deviceUnits(int millimetres) const {
    const float twips = static_cast<float>(millimetres * TwipsPerMillimetre);
    return twips / TwipsPerInch * device_.logicalDpiX();
}

// A4 in the document's orientation. A printer may refuse margins of 0, which does not matter:
// positions count from the corner of the paper all the same. A printer also refuses any change
// while it prints, as between the documents of a preview, so a page that already fits is then
// left as it is.
void PagedTarget::setUpPage() {
    const QPageLayout::Orientation orientation = setup_.orientation == Orientation::Landscape
                                                     ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait;
    const QPageLayout current = device_.pageLayout();
    if (painter_.isActive() && current.pageSize().id() == QPageSize::A4 &&
        current.orientation() == orientation)
        return;
    device_.setPageSize(QPageSize(QPageSize::A4));
    device_.setPageOrientation(orientation);
    device_.setPageMargins(QMarginsF());
}

// The print quality becomes the resolution of the printer or PDF file, which is set once, before
// the first page.
void PagedTarget::startOutput() {
    if (painter_.isActive()) {
        setUpPage();
        device_.newPage();
        return;
    }
    const int resolution = QualityDotsPerInch(setup_.quality);
    if (auto* printer = dynamic_cast<QPrinter*>(&device_)) {
        printer->setFullPage(true);
        printer->setResolution(resolution);
        if (!setup_.name.isEmpty())
            printer->setDocName(setup_.name);
    } else if (auto* writer = dynamic_cast<QPdfWriter*>(&device_)) {
        writer->setResolution(resolution);
    }
    setUpPage();
    if (!painter_.begin(&device_))
        status_ = Status::failure(QStringLiteral("The printer could not be started."));
}

void PagedTarget::beginDocument(const PageSetup& setup) {
    if (!status_.ok)
        return;
    setup_ = setup;
    ++documents_;
    startOutput();
    const QRectF page = device_.pageLayout().fullRect(QPageLayout::Point);
    const double twipsPerPoint = TwipsPerInch / PointsPerInch;
    pageWidth_ = MillimetresFromTwips(page.width() * twipsPerPoint);
    pageHeight_ = MillimetresFromTwips(page.height() * twipsPerPoint);
    font_ = QFont();
    position_ = QPointF();
    textLines_.clear();
    heading_.clear();
}

void PagedTarget::setFontName(const QString& name) {
    font_.setFamily(name);
}

void PagedTarget::setFontSize(int points) {
    font_.setPointSize(points);
}

void PagedTarget::setBold(bool on) {
    font_.setBold(on);
}

void PagedTarget::setItalic(bool on) {
    font_.setItalic(on);
}

int PagedTarget::textWidth(const QString& text) const {
    const double units = QFontMetricsF(font_, &device_).horizontalAdvance(text);
    return MillimetresFromTwips(units / device_.logicalDpiX() * TwipsPerInch);
}

void PagedTarget::SetPrintPosition(int x, int y) {
    position_ = QPointF(deviceUnits(x), deviceUnits(y));
}

void PagedTarget::DrawPrintLine(int style, int width, int x1, int y1, int x2, int y2) {
    SetPrintPosition(x1, y1);
    if (!drawing())
        return;
    const double pixel = device_.logicalDpiX() / LinePixelsPerInch;
    painter_.setPen(QPen(Qt::black, width * pixel, PenStyleOf(style), Qt::SquareCap));
    const QPointF end(deviceUnits(x2), deviceUnits(y2));
    painter_.drawLine(position_, end);
    position_ = end;
}

void PagedTarget::printLine(const QString& text) {
    if (setup_.variant == PrintVariant::Text) {
        textLines_.push_back({text, heading_});
        return;
    }
    const QFontMetricsF metrics(font_, &device_);
    if (drawing()) {
        painter_.setFont(font_);
        painter_.setPen(Qt::black);
        painter_.drawText(position_ + QPointF(0, metrics.ascent()), text);
    }
    position_ = QPointF(0, position_.y() + metrics.lineSpacing());
}

void PagedTarget::setRunningHeading(const QStringList& lines) {
    heading_ = lines;
}

void PagedTarget::newPage() {
    if (drawing())
        device_.newPage();
    position_ = QPointF();
}

void PagedTarget::layOutText() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(TextPointSize);
    double widest = 0;
    for (const TextLine& line : textLines_)
        widest = std::max(widest, QFontMetricsF(font, &device_).horizontalAdvance(line.text));
    const double margin = deviceUnits(TextMargin);
    const double usableWidth = deviceUnits(pageWidth_) - 2 * margin;
    if (widest > usableWidth) {
        font.setPointSizeF(std::max(SmallestTextPointSize, TextPointSize * usableWidth / widest));
    }
    const QFontMetricsF metrics(font, &device_);
    const double usableHeight = deviceUnits(pageHeight_) - 2 * margin;
    const int lines = static_cast<int>(usableHeight / metrics.lineSpacing());
    // The footer takes the page's last line, with an empty line above it.
    const bool footed = !setup_.printedAt.isEmpty() || !setup_.pageOf.isEmpty();
    const int linesPerPage = footed ? lines - 2 : lines;

    painter_.setFont(font);
    painter_.setPen(Qt::black);
    const std::vector<QStringList> pages = PaginateText(textLines_, linesPerPage);
    const double footerBaseline = margin + metrics.ascent() + (lines - 1) * metrics.lineSpacing();
    const double right = deviceUnits(pageWidth_) - margin;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0)
            device_.newPage();
        double baseline = margin + metrics.ascent();
        for (const QString& text : pages[page]) {
            painter_.drawText(QPointF(margin, baseline), text);
            baseline += metrics.lineSpacing();
        }
        if (!footed)
            continue;
        painter_.drawText(QPointF(margin, footerBaseline), setup_.printedAt);
        if (!setup_.pageOf.isEmpty()) {
            const QString number = setup_.pageOf.arg(page + 1).arg(pages.size());
            painter_.drawText(QPointF(right - metrics.horizontalAdvance(number), footerBaseline),
                              number);
        }
    }
}

void PagedTarget::endDocument() {
    if (!drawing())
        return;
    if (setup_.variant == PrintVariant::Text)
        layOutText();
    if (jobs_ == Jobs::Separate && !painter_.end())
        status_ = Status::failure(QStringLiteral("The printout could not be completed."));
}

} // namespace veltra
