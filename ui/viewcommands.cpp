#include "ui/viewcommands.h"

#include "reports/exports.h"
#include "reports/textviews.h"
#include "scoring/judgeanalysis.h"
#include "scoring/results.h"
#include "scoring/startorder.h"
#include "ui/printresform.h"
#include "ui/startorderdraw.h"
#include "ui/viewform.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressBar>

namespace veltra {
namespace {

QString mainCaption() {
    return QString::fromLatin1(MainCaption);
}

// The hourglass while a long listing reads its files.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

ViewCommands::ViewCommands(AppState& state, QWidget& mainWindow)
    : state_(state), mainWindow_(mainWindow) {}

ViewCommands::~ViewCommands() = default;

PrintResForm& ViewCommands::printResForm() {
    if (!printResForm_)
        printResForm_ = std::make_unique<PrintResForm>(state_, &mainWindow_);
    return *printResForm_;
}

ViewForm& ViewCommands::viewForm() {
    if (!viewForm_)
        viewForm_ = std::make_unique<ViewForm>(state_, &mainWindow_);
    return *viewForm_;
}

std::optional<ViewCommands::ResultOptions> ViewCommands::askResultOptions(const char* captionKey) {
    PrintResForm& form = printResForm();
    form.prepare(state_.texts.get(QString::fromLatin1(captionKey)), false);
    form.exec();
    if (form.copies() == PrintResForm::Cancelled)
        return std::nullopt;
    return ResultOptions{form.rounds(), form.dropLowest()};
}

void ViewCommands::calculate(const ResultOptions& options) {
    const Status read =
        ReadAndCalculateResults(state_.contest, state_.work, options.rounds, options.dropLowest);
    if (!read)
        showMessage(read.message);
}

QProgressBar* ViewCommands::progressBar() const {
    return mainWindow_.findChild<QProgressBar*>(QStringLiteral("PROGRESS"));
}

void ViewCommands::setProgress(int percent) const {
    if (QProgressBar* bar = progressBar())
        bar->setValue(percent);
}

void ViewCommands::showMessage(const QString& text) {
    QMessageBox::warning(&mainWindow_, QString::fromLatin1(ProgramName), text);
}

void ViewCommands::ViewResults_Click() {
    const std::optional<ResultOptions> options = askResultOptions("VIEW_RESULT_CONFIRM_CAPTION");
    if (!options)
        return;
    calculate(*options);
    const QString text =
        ResultsViewText(state_.contest, state_.texts, mainCaption(), options->rounds,
                        [this](int percent) { setProgress(percent); });
    viewForm().showResults(text);
}

void ViewCommands::ViewStartlist_Click() {
    viewForm().showStartList();
}

void ViewCommands::ToolsJudgeAnalysis_Click() {
    QString text;
    {
        const BusyCursor busy;
        text = JudgeAnalysisText(state_.contest, state_.work, state_.texts, mainCaption());
    }
    viewForm().showAnalysis(text);
}

void ViewCommands::EditStartorder_Click() {
    ClockRandom random;
    EditStartorder(state_, mainWindow_, random);
}

void ViewCommands::FileExportResults_Click() {
    const std::optional<ResultOptions> options = askResultOptions("EXPORT_RESULT_FORM_CAPTION");
    if (!options)
        return;
    QProgressBar* bar = progressBar();
    if (bar)
        bar->show();
    calculate(*options);
    const Status written =
        ExportResults(state_.contest, state_.work, state_.texts, mainCaption(), options->rounds,
                      [this](int percent) { setProgress(percent); });
    if (bar)
        bar->hide();
    if (!written)
        showMessage(written.message);
}

void ViewCommands::exportPilotList() {
    QProgressBar* bar = progressBar();
    if (bar) {
        bar->show();
        bar->setValue(1);
    }
    const Status written = ExportPilotList(state_.contest, state_.work, state_.texts, mainCaption(),
                                           state_.settings.FrequencyDisplayMode,
                                           [this](int percent) { setProgress(percent); });
    if (bar)
        bar->hide();
    if (!written)
        showMessage(written.message);
}

} // namespace veltra
