#pragma once

#include "reports/printtarget.h"
#include "reports/textpages.h"

#include <vector>

namespace veltra {

struct RecordedText {
    int page = 0;
    int x = 0;
    int y = 0;
    QString text;
    QString fontName;
    int fontSize = 0;
    bool bold = false;
    bool italic = false;
};

struct RecordedLine {
    int page = 0;
    int style = 0;
    int width = 0;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

struct RecordedDocument {
    PageSetup setup;
    int pageCount = 1;
    bool ended = false;
    std::vector<RecordedText> texts; // graphic variant, in printing order
    std::vector<RecordedLine> lines; // graphic variant, in drawing order
    std::vector<TextLine> textLines; // text variant, each with its running heading
};

// Keeps every call a report makes, so that tests can check positions, fonts and texts exactly.
// The page is A4 in its orientation; a text is measured as a fifth of the font size in
// millimetres per character, which makes centred positions predictable.
class RecordingTarget final : public PrintTarget {
  public:
    std::vector<RecordedDocument> documents;

    void beginDocument(const PageSetup& setup) override;
    int pageWidth() const override;
    int pageHeight() const override;

    void setFontName(const QString& name) override { fontName_ = name; }
    void setFontSize(int points) override { fontSize_ = points; }
    void setBold(bool on) override { bold_ = on; }
    void setItalic(bool on) override { italic_ = on; }
    int textWidth(const QString& text) const override;

    void SetPrintPosition(int x, int y) override;
    void DrawPrintLine(int style, int width, int x1, int y1, int x2, int y2) override;
    void printLine(const QString& text) override;

    void setRunningHeading(const QStringList& lines) override { heading_ = lines; }
    void newPage() override;
    void endDocument() override;

  private:
    RecordedDocument& current();

    QString fontName_;
    int fontSize_ = 0;
    bool bold_ = false;
    bool italic_ = false;
    int x_ = 0;
    int y_ = 0;
    QStringList heading_;
};

} // namespace veltra
