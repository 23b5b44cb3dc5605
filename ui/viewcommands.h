#pragma once

#include "core/appstate.h"

#include <QObject>
#include <memory>
#include <optional>

class QProgressBar;

namespace veltra {

class PrintResForm;
class ViewForm;

// The main window's commands that show or export what the competition has come to: View >
// Results and Start list, Tools > Judge analysis, Edit > Draw start order and File > Export.
// Their windows are made on first use and afterwards only hidden. Progress goes to the main
// window's progress bar, its child named "PROGRESS".
class ViewCommands final : public QObject {
    Q_OBJECT

  public:
    ViewCommands(AppState& state, QWidget& mainWindow);
    ~ViewCommands() override;

    void ViewResults_Click();
    void ViewStartlist_Click();
    void ToolsJudgeAnalysis_Click();
    void EditStartorder_Click();
    void FileExportResults_Click();
    // File > Export > PilotList once the user has confirmed its dialog.
    void exportPilotList();

    // The results options dialog, which the results printout shares.
    PrintResForm& printResForm();
    ViewForm& viewForm();

  private:
    struct ResultOptions {
        int rounds = 1;
        bool dropLowest = false;
    };
    std::optional<ResultOptions> askResultOptions(const char* captionKey);
    void calculate(const ResultOptions& options);
    QProgressBar* progressBar() const;
    void setProgress(int percent) const;
    void showMessage(const QString& text);

    AppState& state_;
    QWidget& mainWindow_;
    std::unique_ptr<PrintResForm> printResForm_;
    std::unique_ptr<ViewForm> viewForm_;
};

} // namespace veltra
