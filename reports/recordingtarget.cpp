#include "reports/recordingtarget.h"

#include <cmath>
#include <stdexcept>

namespace veltra {
namespace {

constexpr int A4Short = 210;
constexpr int A4Long = 297;

} // namespace

RecordedDocument& RecordingTarget::current() {
    if (documents.empty() || documents.back().ended)
        throw std::logic_error("a report drew outside a document");
    return documents.back();
}

void RecordingTarget::beginDocument(const PageSetup& setup) {
    if (!documents.empty() && !documents.back().ended)
        throw std::logic_error("a report began a document inside another");
    documents.emplace_back();
    documents.back().setup = setup;
    fontName_.clear();
    fontSize_ = 0;
    bold_ = italic_ = false;
    x_ = y_ = 0;
    heading_.clear();
}

int RecordingTarget::pageWidth() const {
    const bool landscape =
        !documents.empty() && documents.back().setup.orientation == Orientation::Landscape;
    return landscape ? A4Long : A4Short;
}

int RecordingTarget::pageHeight() const {
    const bool landscape =
        !documents.empty() && documents.back().setup.orientation == Orientation::Landscape;
    return landscape ? A4Short : A4Long;
}

int RecordingTarget::textWidth(const QString& text) const {
    return static_cast<int>(std::nearbyint(text.size() * fontSize_ / 5.0));
}

void RecordingTarget::SetPrintPosition(int x, int y) {
    x_ = x;
    y_ = y;
}

void RecordingTarget::DrawPrintLine(int style, int width, int x1, int y1, int x2, int y2) {
    RecordedDocument& document = current();
    document.lines.push_back({document.pageCount - 1, style, width, x1, y1, x2, y2});
    x_ = x2;
    y_ = y2;
}

void RecordingTarget::printLine(const QString& text) {
    RecordedDocument& document = current();
    if (document.setup.variant == PrintVariant::Text) {
        document.textLines.push_back({text, heading_});
        return;
    }
    document.texts.push_back(
        {document.pageCount - 1, x_, y_, text, fontName_, fontSize_, bold_, italic_});
}

void RecordingTarget::newPage() {
    ++current().pageCount;
}

void RecordingTarget::endDocument() {
    current().ended = true;
}

} // namespace veltra
