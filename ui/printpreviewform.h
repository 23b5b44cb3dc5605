#pragma once

#include "core/status.h"
#include "core/texts.h"
#include "reports/printoutput.h"

#include <QDialog>
#include <QPrinter>
#include <memory>

class QPrintPreviewWidget;

namespace Ui {
class PrintPreviewForm;
}

namespace veltra {

// Shows every page a report is about to print, all print jobs one after another, before the
// user sends them on to the printer or the PDF folder or cancels. Each page fits the window
// whole; Page Up and Page Down turn the pages, + and - zoom.
class PrintPreviewForm final : public QDialog {
    Q_OBJECT

  public:
    // `printer` measures the text at the resolution of the PDF files and the printer.
    PrintPreviewForm(const Texts& texts, QWidget& mainWindow, std::unique_ptr<QPrinter> printer);
    ~PrintPreviewForm() override;

    // Draws the report and shows it modally. True when the user chose to send it on; a
    // report that could not be drawn is reported in `status` and not sent.
    bool confirm(const QString& caption, const QString& sendCaption, const Report& report,
                 Status& status);

    int pageCount() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void PreviewPages_PaintRequested(QPrinter* printer);
    void showPageCount();

    const Texts& texts_;
    QWidget& mainWindow_;
    std::unique_ptr<Ui::PrintPreviewForm> ui_;
    std::unique_ptr<QPrinter> printer_;
    QPrintPreviewWidget* pages_;
    Report report_;
    Status drawn_;
};

} // namespace veltra
