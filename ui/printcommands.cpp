#include "ui/printcommands.h"

#include "reports/competitorlists.h"
#include "reports/explanation.h"
#include "reports/printoutput.h"
#include "reports/reportframe.h"
#include "reports/resultsprint.h"
#include "reports/roundscoreprint.h"
#include "reports/scoresheets.h"
#include "reports/startlist.h"
#include "ui/configprintingform.h"
#include "ui/formsupport.h"
#include "ui/printcompform.h"
#include "ui/printpreviewform.h"
#include "ui/printresform.h"
#include "ui/printstartform.h"
#include "ui/scoresheetconfirmform.h"
#include "ui/viewcommands.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QPrinter>
#include <QTimer>
#include <mutex>
#include <thread>

namespace veltra {

PrintCommands::PrintCommands(AppState& state, QWidget& mainWindow, Feedback& feedback,
                             ViewCommands& views, ItemChooser chooseItem)
    : state_(state), mainWindow_(mainWindow), feedback_(feedback), views_(views),
      chooseItem_(std::move(chooseItem)) {
    connect(&printQueue_, &PrintQueue::busyChanged, this, &PrintCommands::showPrinting);
    connect(&printQueue_, &PrintQueue::finished, this, &PrintCommands::printed);
}

PrintCommands::~PrintCommands() = default;

ConfigPrintingForm& PrintCommands::configPrintingForm() {
    if (!configPrintingForm_) {
        configPrintingForm_ =
            std::make_unique<ConfigPrintingForm>(state_.settings, state_.texts, mainWindow_);
    }
    return *configPrintingForm_;
}

PrintCompForm& PrintCommands::printCompForm() {
    if (!printCompForm_)
        printCompForm_ = std::make_unique<PrintCompForm>(state_.texts, mainWindow_);
    return *printCompForm_;
}

PrintStartForm& PrintCommands::printStartForm() {
    if (!printStartForm_) {
        printStartForm_ =
            std::make_unique<PrintStartForm>(state_.contest, state_.texts, mainWindow_);
    }
    return *printStartForm_;
}

ScoreSheetConfirmForm& PrintCommands::scoreSheetConfirmForm() {
    if (!scoreSheetConfirmForm_) {
        scoreSheetConfirmForm_ =
            std::make_unique<ScoreSheetConfirmForm>(state_.contest, state_.texts, mainWindow_);
    }
    return *scoreSheetConfirmForm_;
}

// Made on a thread of its own, which may still hang in the print service when the windows are
// long gone; the window's thread takes the printer once it is there.
struct PrintCommands::PreviewPrinter {
    std::mutex lock;
    std::unique_ptr<QPrinter> printer; // empty until made, and again once taken
};

QString PrintCommands::text(const char* key) const {
    return state_.texts.get(QString::fromLatin1(key));
}

PrintSettings PrintCommands::printSettings() const {
    PrintSettings settings = PrintSettingsFrom(state_.settings);
    settings.caption = mainWindow_.windowTitle();
    settings.printedAt =
        state_.texts.get(QStringLiteral("PRINT_PRINTED_AT"))
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy hh:mm")));
    settings.pageOf = state_.texts.get(QStringLiteral("PRINT_PAGE_OF"));
    settings.progress = [&feedback = feedback_](int percent) { feedback.showProgress(percent); };
    return settings;
}

// The printout counts the rounds chosen, from the stored round points read again.
void PrintCommands::PrintResults_Click() {
    PrintResForm& form = views_.printResForm();
    form.prepare(state_.texts.get(QStringLiteral("PRINT_RESULT_FORM_CAPTION")), true);
    form.exec();
    const int copies = form.copies();
    if (copies <= 0)
        return;
    const auto results = std::make_shared<const PreparedResults>(
        views_.prepareResults({form.rounds(), form.dropLowest()}));
    const PrintSettings settings = printSettings();
    send(text("PRINT_RESULTS_NAME"), [this, settings, copies, results](PrintTarget& target) {
        PrintResults(*results, state_.texts, settings, copies, target);
    });
}

void PrintCommands::PrintCompetitors_Click() {
    printCompetitorList("PRINT_COMP_FORM_CAPTION", text("PRINT_PILOT_LIST_NAME"), true);
}

void PrintCommands::FileExportPilotList_Click() {
    PrintCompForm& form = printCompForm();
    form.prepare(state_.texts.get(QStringLiteral("EXPORT_PILOTLIST_FORM_CAPTION")), false);
    form.exec();
    if (form.copies() > 0)
        views_.exportPilotList();
}

void PrintCommands::PrintJudges_Click() {
    printCompetitorList("PRINT_JUDGE_FORM_CAPTION", text("PRINT_JUDGE_LIST_NAME"), false);
}

void PrintCommands::printCompetitorList(const char* captionKey, const QString& reportName,
                                        bool pilots) {
    PrintCompForm& form = printCompForm();
    form.prepare(state_.texts.get(QString::fromLatin1(captionKey)), true);
    form.exec();
    const int copies = form.copies();
    if (copies <= 0)
        return;
    const PrintSettings settings = printSettings();
    send(reportName, [this, settings, copies, pilots](PrintTarget& target) {
        if (pilots)
            PrintPilotList(state_.contest, state_.texts, settings, copies, target);
        else
            PrintJudgeList(state_.contest, state_.texts, settings, copies, target);
    });
}

void PrintCommands::PrintStartList_Click() {
    PrintStartForm& form = printStartForm();
    form.setWindowTitle(state_.texts.get(QStringLiteral("PRINT_START_FORM_CAPTION")));
    form.exec();
    const StartListOptions options = form.options();
    if (options.copies <= 0)
        return;
    const PrintSettings settings = printSettings();
    send(text("PRINT_START_LIST_NAME"), [this, settings, options](PrintTarget& target) {
        PrintStartList(state_.contest, state_.texts, settings, options, target);
    });
}

// A sheet needs a judge and a pilot; closing the selection without one prints nothing.
void PrintCommands::PrintScoresheets_Click() {
    ScoreSheetConfirmForm& form = scoreSheetConfirmForm();
    form.exec();
    ScoreSheetOptions options;
    options.choice = form.choice();
    if (options.choice == ScoreSheetChoice::Cancelled)
        return;
    const Contest& contest = state_.contest;
    if (ScoreSheetCount(contest, options.choice) == 0) {
        feedback_.showMessage(text("PRINT_NO_SCORE_SHEETS_MESSAGE"));
        return;
    }
    QString reportName = options.choice == ScoreSheetChoice::OneSingleSheet
                             ? text("PRINT_BLANK_SHEET_NAME")
                             : text("PRINT_SCORE_SHEETS_NAME");
    const bool oneJudge = options.choice == ScoreSheetChoice::OneJudgeAllPilots;
    if (oneJudge || options.choice == ScoreSheetChoice::AllJudgesOnePilot) {
        const int index =
            chooseItem_(oneJudge ? QStringLiteral("JUDGES") : QStringLiteral("PILOTS"));
        if (index < 0)
            return;
        if (oneJudge) {
            options.judge = index;
            reportName =
                text("PRINT_SHEETS_OF_JUDGE_NAME").arg(reportName, contest.Judges[index].Name);
        } else {
            options.pilot = index;
            reportName =
                text("PRINT_SHEETS_OF_PILOT_NAME").arg(reportName, contest.Pilots[index].Name);
        }
    }
    const PrintSettings settings = printSettings();
    send(reportName, [this, settings, options](PrintTarget& target) {
        PrintScoreSheets(state_.contest, state_.texts, settings, options, target);
    });
}

void PrintCommands::PrintScores(const RoundMarks& marks) {
    const int pilot = state_.work.EditPilotIndex;
    const int round = state_.work.CurrentRound;
    if (pilot < 0 || pilot >= state_.contest.PilotCount)
        return;
    const PrintSettings settings = printSettings();
    send(text("PRINT_ROUND_SCORES_NAME").arg(round).arg(state_.contest.Pilots[pilot].Name),
         [this, settings, pilot, round, marks](PrintTarget& target) {
             PrintRoundScores(state_.contest, state_.texts, settings, pilot, round, marks, target);
         });
}

void PrintCommands::PrintExplanation(const ResultExplanation& explanation) {
    const PrintSettings settings = printSettings();
    send(text("PRINT_EXPLANATION_NAME").arg(explanation.pilotName).arg(explanation.round.round),
         [this, settings, explanation](PrintTarget& target) {
             veltra::PrintExplanation(explanation, state_.texts, settings, target);
         });
}

void PrintCommands::send(const QString& reportName, const Report& report) {
    const Settings& chosen = state_.settings;
    const bool toPdf = chosen.PrintDestination == PrintDestinationPdf;
    if (toPdf && chosen.PdfFolder.isEmpty()) {
        feedback_.showMessage(text("PRINT_NO_PDF_FOLDER_MESSAGE"));
        return;
    }
    if (chosen.PrintPreview == 1) {
        if (!printPreviewForm_) {
            sendWhenPreviewIsMade(reportName, report);
            return;
        }
        Status drawn;
        feedback_.showProgress(0);
        const bool confirmed = printPreviewForm_->confirm(
            reportName, text(toPdf ? "PPF_WRITE_PDF_CAPTION" : "PPF_PRINT_CAPTION"), report, drawn);
        feedback_.hideProgress();
        if (!drawn)
            feedback_.showMessage(drawn.message);
        if (!confirmed)
            return;
    }
    feedback_.showProgress(0);
    if (toPdf) {
        const QString path = PdfPath(chosen.PdfFolder, state_.contest.ContName, reportName);
        Status written;
        {
            const BusyCursor busy;
            written = PrintToPdf(path, state_.contest.ContName + QStringLiteral(" - ") + reportName,
                                 report);
        }
        feedback_.hideProgress();
        if (written) {
            feedback_.showStatus(state_.texts.get(QStringLiteral("STATUS_REPORT_WRITTEN"))
                                     .arg(QDir::toNativeSeparators(path)));
        } else {
            feedback_.showMessage(text("PRINT_PDF_FAILED_MESSAGE") + u'\n' +
                                  QDir::toNativeSeparators(path) + QStringLiteral("\n\n") +
                                  written.message);
        }
        return;
    }
    {
        const BusyCursor busy;
        printQueue_.submit(reportName, report, chosen.PrintResolution);
    }
    if (!printQueue_.busy())
        feedback_.hideProgress();
}

void PrintCommands::sendWhenPreviewIsMade(const QString& reportName, const Report& report) {
    if (waitingForPreview_)
        return; // a report is already waiting for the preview, the progress bar running
    if (!previewPrinter_) {
        previewPrinter_ = std::make_shared<PreviewPrinter>();
        std::thread([made = previewPrinter_] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            const std::lock_guard<std::mutex> hold(made->lock);
            made->printer = std::move(printer);
        }).detach();
    }
    waitingForPreview_ = true;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    feedback_.showProgress(-1);
    auto* poll = new QTimer(this);
    auto waited = std::make_shared<QElapsedTimer>();
    waited->start();
    connect(poll, &QTimer::timeout, this, [this, poll, waited, reportName, report] {
        std::unique_ptr<QPrinter> printer;
        {
            const std::lock_guard<std::mutex> hold(previewPrinter_->lock);
            if (!previewPrinter_->printer && waited->elapsed() < PrintQueue::TimeLimitMilliseconds)
                return;
            printer = std::move(previewPrinter_->printer);
        }
        poll->stop();
        poll->deleteLater();
        waitingForPreview_ = false;
        showPrinting(false);
        if (!printer) {
            printed({QueueResult::Outcome::NoAnswer, QString(), QString()});
            return;
        }
        printPreviewForm_ =
            std::make_unique<PrintPreviewForm>(state_.texts, mainWindow_, std::move(printer));
        send(reportName, report);
    });
    poll->start(20);
}

// While the printer is being reached the windows go on, the progress bar running and the mouse
// pointer telling of the work in the background.
void PrintCommands::showPrinting(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        feedback_.showProgress(-1);
        feedback_.showStatus(state_.texts.get(QStringLiteral("STATUS_PRINTING")));
    } else {
        QApplication::restoreOverrideCursor();
        feedback_.hideProgress();
    }
}

void PrintCommands::printed(const QueueResult& result) {
    const Texts& texts = state_.texts;
    switch (result.outcome) {
    case QueueResult::Outcome::Printed:
        feedback_.showStatus(
            texts.get(QStringLiteral("STATUS_REPORT_PRINTED")).arg(result.printer));
        return;
    case QueueResult::Outcome::NoPrintSystem:
    case QueueResult::Outcome::NoPrinter:
        feedback_.showMessage(texts.get(QStringLiteral("PRINT_NO_PRINTER")));
        return;
    case QueueResult::Outcome::ServiceDown:
        feedback_.showMessage(texts.get(QStringLiteral("PRINT_SERVICE_DOWN")));
        return;
    case QueueResult::Outcome::NoAnswer:
        feedback_.showMessage(texts.get(QStringLiteral("PRINT_SERVICE_NO_ANSWER"))
                                  .arg(PrintQueue::TimeLimitMilliseconds / 1000));
        return;
    case QueueResult::Outcome::Refused:
        feedback_.showMessage(
            texts.get(QStringLiteral("PRINT_REFUSED")).arg(result.printer, result.detail));
        return;
    case QueueResult::Outcome::NotDrawn:
        feedback_.showMessage(result.detail);
        return;
    }
}

} // namespace veltra
