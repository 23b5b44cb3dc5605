#pragma once

#include "core/appstate.h"
#include "reports/printqueue.h"
#include "reports/printtarget.h"
#include "reports/reportframe.h"
#include "scoring/explanation.h"
#include "scoring/marks.h"
#include "ui/feedback.h"

#include <QObject>
#include <functional>
#include <memory>

namespace veltra {

class ConfigPrintingForm;
class PrintCompForm;
class PrintPreviewForm;
class PrintStartForm;
class ScoreSheetConfirmForm;
class ViewCommands;

// The main window's print commands, the score entry window's automatic round sheet and the
// printed explanation of a result. Each report asks for its options, then goes where the
// printing settings send it: to the system printer, each copy and sheet a print job of its own,
// handed over while the windows go on, or into one PDF file in the chosen folder, with a preview
// first when the user wants one. The main window's progress bar shows while a report is drawn
// and handed over; where it went is told in the status line, and a failure in a message. The
// dialogs are made on first use and afterwards only hidden.
class PrintCommands final : public QObject {
    Q_OBJECT

  public:
    // Shows the item selection dialog with the tag "JUDGES" or "PILOTS"; the index chosen, or
    // -1 when none was.
    using ItemChooser = std::function<int(const QString& tag)>;

    // The results printout asks its options in the results options dialog of `views`.
    PrintCommands(AppState& state, QWidget& mainWindow, Feedback& feedback, ViewCommands& views,
                  ItemChooser chooseItem);
    ~PrintCommands() override;

    void PrintResults_Click();
    void PrintCompetitors_Click();
    void PrintJudges_Click();
    void PrintStartList_Click();
    void PrintScoresheets_Click();
    // The sheet of the pilot and round the score entry window shows, with these marks.
    void PrintScores(const RoundMarks& marks);
    void PrintExplanation(const ResultExplanation& explanation);

    ConfigPrintingForm& configPrintingForm();
    // File > Export > PilotList: the pilot list dialog without its copies, then the export.
    void FileExportPilotList_Click();

    PrintCompForm& printCompForm();
    PrintStartForm& printStartForm();
    ScoreSheetConfirmForm& scoreSheetConfirmForm();

  private:
    QString text(const char* key) const;
    PrintSettings printSettings() const;
    void printCompetitorList(const char* captionKey, const QString& reportName, bool pilots);
    // Sends the report where the settings say; `reportName` names its PDF file or print jobs.
    void send(const QString& reportName, const Report& report);
    // Making the preview's printer asks the print service for its printers, which a hanging
    // service never answers; so the printer is made on a thread of its own while the windows go
    // on, and the report waits for it at most the print queue's time limit.
    void sendWhenPreviewIsMade(const QString& reportName, const Report& report);
    void showPrinting(bool busy);
    void printed(const QueueResult& result);

    AppState& state_;
    QWidget& mainWindow_;
    Feedback& feedback_;
    ViewCommands& views_;
    ItemChooser chooseItem_;
    std::unique_ptr<ConfigPrintingForm> configPrintingForm_;
    std::unique_ptr<PrintCompForm> printCompForm_;
    std::unique_ptr<PrintStartForm> printStartForm_;
    std::unique_ptr<ScoreSheetConfirmForm> scoreSheetConfirmForm_;
    std::unique_ptr<PrintPreviewForm> printPreviewForm_;
    struct PreviewPrinter;
    std::shared_ptr<PreviewPrinter> previewPrinter_;
    bool waitingForPreview_ = false;
    PrintQueue printQueue_;
};

} // namespace veltra
