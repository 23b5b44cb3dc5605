#pragma once

#include "core/appstate.h"
#include "scoring/results.h"
#include "ui/explainform.h"
#include "ui/feedback.h"

#include <QObject>
#include <memory>
#include <optional>

namespace veltra {

class PrintResForm;
class ViewForm;

// The main window's commands that show or export what the competition has come to: View >
// Results and Start list, Tools > Judge analysis, Edit > Draw start order, File > Export, and
// the explanation of a result. Their windows are made on first use and afterwards only hidden.
class ViewCommands final : public QObject {
    Q_OBJECT

  public:
    ViewCommands(AppState& state, QWidget& mainWindow, Feedback& feedback);
    ~ViewCommands() override;

    void ViewResults_Click();
    void ViewStartlist_Click();
    void ToolsJudgeAnalysis_Click();
    void EditStartorder_Click();
    void FileExportResults_Click();
    // File > Export > PilotList once the user has confirmed its dialog.
    void exportPilotList();

    // The results of the competition as it stands with these options; a damaged results file
    // is reported.
    PreparedResults prepareResults(const ResultOptions& options);

    // Explains `pilot`'s result with `round` in detail: the rounds up to that round counted,
    // the weakest dropped as the results options dialog last had it.
    void explainRound(int pilot, int round);
    void setExplanationPrinter(ExplainForm::Printer printer);

    // The results options dialog, which the results printout shares.
    PrintResForm& printResForm();
    ViewForm& viewForm();
    ExplainForm& explainForm();

  private:
    std::optional<ResultOptions> askResultOptions(const char* captionKey);
    // The file an export wrote in the status line, or why it could not be written.
    void reportExport(const Status& written, const QString& path);
    void explainShownResults();

    AppState& state_;
    QWidget& mainWindow_;
    Feedback& feedback_;
    std::unique_ptr<PrintResForm> printResForm_;
    std::unique_ptr<ViewForm> viewForm_;
    std::unique_ptr<ExplainForm> explainForm_;
    ExplainForm::Printer explanationPrinter_;
    // The results the view shows, which its explanations explain.
    std::shared_ptr<const PreparedResults> shownResults_;
};

} // namespace veltra
