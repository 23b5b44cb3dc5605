#pragma once

#include "core/settings.h"
#include "core/texts.h"

#include <QDialog>
#include <memory>

namespace Ui {
class ConfigPrintingForm;
}

namespace veltra {

// Configure > Printing: the graphic or the text variant of every report with the graphic
// printer's quality, and where reports go: the system printer or PDF files in a folder, with
// or without a preview first.
//
// Each showing starts from the settings; OK puts the choices into them and the caller writes
// the settings file. There is no Cancel button; the close box and Escape change nothing.
class ConfigPrintingForm final : public QDialog {
    Q_OBJECT

  public:
    ConfigPrintingForm(Settings& settings, const Texts& texts, QWidget& mainWindow);
    ~ConfigPrintingForm() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Activate();
    void GraphicPrinter_Click();
    void TextPrinter_Click();
    void Destination_Click();
    void PdfFolderChoose_Click();
    void OK_Click();
    // The folder typed or chosen, checked; empty after the user was told what is wrong.
    QString checkedPdfFolder();
    QString text(const char* key) const;
    void refuse(const QString& message);

    Settings& settings_;
    const Texts& texts_;
    QWidget& mainWindow_;
    std::unique_ptr<Ui::ConfigPrintingForm> ui_;
};

} // namespace veltra
