#pragma once

#include "core/appstate.h"
#include "scoring/results.h"
#include "ui/feedback.h"

#include <QObject>
#include <memory>
#include <optional>

namespace veltra {

class PrintResForm;
class ViewForm;

// The main window's commands that show or export what the competition has come to: View >
// Results and Start list, Tools > Judge analysis, Edit > Draw start order and File > Export. Their
// windows are made on first use and afterwards only hidden.
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

    // The results options dialog, which the results printout shares.
    PrintResForm& printResForm();
    ViewForm& viewForm();

  private:
    std::optional<ResultOptions> askResultOptions(const char* captionKey);

    AppState& state_;
    QWidget& mainWindow_;
    Feedback& feedback_;
    std::unique_ptr<PrintResForm> printResForm_;
    std::unique_ptr<ViewForm> viewForm_;
};

} // namespace veltra
