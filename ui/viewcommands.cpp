#include "ui/viewcommands.h"

#include "reports/exports.h"
#include "reports/textviews.h"
#include "scoring/judgeanalysis.h"
#include "scoring/startorder.h"
#include "ui/formsupport.h"
#include "ui/printresform.h"
#include "ui/startorderdraw.h"
#include "ui/viewform.h"

#include <QDir>

namespace veltra {
namespace {

QString mainCaption() {
    return QString::fromLatin1(MainCaption);
}

} // namespace

ViewCommands::ViewCommands(AppState& state, QWidget& mainWindow, Feedback& feedback)
    : state_(state), mainWindow_(mainWindow), feedback_(feedback) {}

ViewCommands::~ViewCommands() = default;

PrintResForm& ViewCommands::printResForm() {
    if (!printResForm_)
        printResForm_ = std::make_unique<PrintResForm>(state_, &mainWindow_);
    return *printResForm_;
}

ViewForm& ViewCommands::viewForm() {
    if (!viewForm_) {
        viewForm_ = std::make_unique<ViewForm>(state_, &mainWindow_);
        connect(viewForm_.get(), &ViewForm::explainRequested, this,
                &ViewCommands::explainShownResults);
    }
    return *viewForm_;
}

ExplainForm& ViewCommands::explainForm() {
    if (!explainForm_) {
        explainForm_ = std::make_unique<ExplainForm>(state_, feedback_, &mainWindow_);
        explainForm_->setPrinter(explanationPrinter_);
    }
    return *explainForm_;
}

void ViewCommands::setExplanationPrinter(ExplainForm::Printer printer) {
    explanationPrinter_ = std::move(printer);
    if (explainForm_)
        explainForm_->setPrinter(explanationPrinter_);
}

std::optional<ResultOptions> ViewCommands::askResultOptions(const char* captionKey) {
    PrintResForm& form = printResForm();
    form.prepare(state_.texts.get(QString::fromLatin1(captionKey)), false);
    form.exec();
    if (form.copies() == PrintResForm::Cancelled)
        return std::nullopt;
    return ResultOptions{form.rounds(), form.dropLowest()};
}

PreparedResults ViewCommands::prepareResults(const ResultOptions& options) {
    PreparedResults results = PrepareResults(state_.contest, state_.work, options);
    if (!results.read)
        feedback_.showMessage(results.read.message);
    return results;
}

void ViewCommands::ViewResults_Click() {
    const std::optional<ResultOptions> options = askResultOptions("VIEW_RESULT_CONFIRM_CAPTION");
    if (!options)
        return;
    shownResults_ = std::make_shared<const PreparedResults>(prepareResults(*options));
    const QString text = ResultsViewText(*shownResults_, state_.texts, mainCaption(),
                                         [this](int percent) { feedback_.showProgress(percent); });
    feedback_.hideProgress();
    viewForm().showResults(text);
}

void ViewCommands::explainShownResults() {
    if (shownResults_ && !shownResults_->pilotsByPlace.empty())
        explainForm().explain(shownResults_, shownResults_->pilotsByPlace.front(), 1);
}

void ViewCommands::explainRound(int pilot, int round) {
    if (pilot < 0 || pilot >= state_.contest.PilotCount)
        return;
    const ResultOptions options{round, round > 1 && printResForm().dropLowest()};
    explainForm().explain(std::make_shared<const PreparedResults>(prepareResults(options)), pilot,
                          round);
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

// The order drawn shows at once, so that it can be read out.
void ViewCommands::EditStartorder_Click() {
    ClockRandom random;
    if (EditStartorder(state_, mainWindow_, random))
        viewForm().showStartList();
}

void ViewCommands::FileExportResults_Click() {
    const std::optional<ResultOptions> options = askResultOptions("EXPORT_RESULT_FORM_CAPTION");
    if (!options)
        return;
    feedback_.showProgress(0);
    const PreparedResults results = prepareResults(*options);
    const Status written = ExportResults(results, state_.work, state_.texts, mainCaption(),
                                         [this](int percent) { feedback_.showProgress(percent); });
    feedback_.hideProgress();
    reportExport(written, ResultsExportPath(state_.contest, state_.work));
}

void ViewCommands::reportExport(const Status& written, const QString& path) {
    if (written) {
        feedback_.showStatus(state_.texts.get(QStringLiteral("STATUS_EXPORTED"))
                                 .arg(QDir::toNativeSeparators(path)));
    } else {
        feedback_.showMessage(written.message);
    }
}

void ViewCommands::exportPilotList() {
    feedback_.showProgress(1);
    const Status written =
        ExportPilotList(state_.contest, state_.work, state_.texts, mainCaption(),
                        state_.settings.FrequencyDisplayMode,
                        [this](int percent) { feedback_.showProgress(percent); });
    feedback_.hideProgress();
    reportExport(written, PilotListExportPath(state_.contest, state_.work));
}

} // namespace veltra
