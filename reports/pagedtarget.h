#pragma once

#include "core/status.h"
#include "reports/printtarget.h"
#include "reports/textpages.h"

#include <QFont>
#include <QPainter>
#include <vector>

class QPagedPaintDevice;

namespace veltra {

// Draws reports with QPainter on a page device: the system printer, a PDF writer or the
// printer of a print preview. With Jobs::Separate every document is its own print job, as on
// the system printer; with Jobs::Joined all documents of a run follow each other as pages of
// one output (a PDF file, a preview).
//
// The text variant is set in Courier New, 10 points or smaller when the widest line of the
// document would not fit between the margins, and broken into pages that end with the footer
// of the page set-up. The print quality is the device's resolution.
class PagedTarget final : public PrintTarget {
  public:
    enum class Jobs { Separate, Joined };

    PagedTarget(QPagedPaintDevice& device, Jobs jobs);
    ~PagedTarget() override;

    // Ends the joined output. The first failure of the run, or success.
    Status finish();
    // Whether any document was begun: a run that printed nothing leaves no output.
    bool printedAnything() const { return documents_ > 0; }

    void beginDocument(const PageSetup& setup) override;
    int pageWidth() const override { return pageWidth_; }
    int pageHeight() const override { return pageHeight_; }

    void setFontName(const QString& name) override;
    void setFontSize(int points) override;
    void setBold(bool on) override;
    void setItalic(bool on) override;
    int textWidth(const QString& text) const override;

    void SetPrintPosition(int x, int y) override;
    void DrawPrintLine(int style, int width, int x1, int y1, int x2, int y2) override;
    void printLine(const QString& text) override;

    void setRunningHeading(const QStringList& lines) override;
    void newPage() override;
    void endDocument() override;

  private:
    bool drawing() const { return painter_.isActive() && status_.ok; }
    double deviceUnits(int millimetres) const;
    void setUpPage();
    void startOutput();
    void layOutText();

    QPagedPaintDevice& device_;
    Jobs jobs_;
    QPainter painter_;
    Status status_;
    PageSetup setup_;
    int pageWidth_ = 0;
    int pageHeight_ = 0;
    int documents_ = 0;
    QFont font_;
    QPointF position_;
    std::vector<TextLine> textLines_;
    QStringList heading_;
};

} // namespace veltra
