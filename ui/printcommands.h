#pragma once

#include "core/appstate.h"
#include "reports/printoutput.h"
#include "reports/reportframe.h"
#include "scoring/marks.h"

#include <QObject>
#include <memory>

namespace veltra {

class ConfigPrintingForm;
class MainForm;
class PrintCompForm;
class PrintPreviewForm;
class PrintStartForm;
class ScoreSheetConfirmForm;
class ViewCommands;

// The main window's print commands and Configure > Printing, and the score entry window's
// automatic round sheet. Each report asks for its options, then goes where the printing
// settings send it: to the system printer, each copy and sheet a print job of its own, or into
// one PDF file in the chosen folder, with a preview first when the user wants one. The main
// window's progress bar shows while a report is drawn. The dialogs are made on first use and
// afterwards only hidden.
class PrintCommands final : public QObject {
    Q_OBJECT

  public:
    // The results printout asks its options in the results options dialog of `views`.
    PrintCommands(AppState& state, MainForm& mainForm, ViewCommands& views);
    ~PrintCommands() override;

    void PrintResults_Click();
    void PrintCompetitors_Click();
    void PrintJudges_Click();
    void PrintStartList_Click();
    void PrintScoresheets_Click();
    void ConfigurePrinting_Click();
    // The sheet of the pilot and round the score entry window shows, with these marks.
    void PrintScores(const RoundMarks& marks);

    ConfigPrintingForm& configPrintingForm();
    // File > Export > PilotList: the pilot list dialog without its copies, then the export.
    void FileExportPilotList_Click();

    PrintCompForm& printCompForm();
    PrintStartForm& printStartForm();
    ScoreSheetConfirmForm& scoreSheetConfirmForm();
    PrintPreviewForm& printPreviewForm();

  private:
    QString text(const char* key) const;
    PrintSettings printSettings() const;
    void printCompetitorList(const char* captionKey, const QString& reportName, bool pilots);
    // Sends the report where the settings say; `reportName` names its PDF file.
    void send(const QString& reportName, const Report& report);

    AppState& state_;
    MainForm& mainForm_;
    ViewCommands& views_;
    std::unique_ptr<ConfigPrintingForm> configPrintingForm_;
    std::unique_ptr<PrintCompForm> printCompForm_;
    std::unique_ptr<PrintStartForm> printStartForm_;
    std::unique_ptr<ScoreSheetConfirmForm> scoreSheetConfirmForm_;
    std::unique_ptr<PrintPreviewForm> printPreviewForm_;
};

} // namespace veltra
