#include "ui/explainform.h"

#include "reports/explanation.h"
#include "reports/exports.h"
#include "ui/formsupport.h"
#include "ui_explainform.h"

#include <QDir>
#include <QSignalBlocker>
#include <algorithm>

namespace veltra {

ExplainForm::ExplainForm(AppState& state, Feedback& feedback, QWidget* parent)
    : QDialog(parent), state_(state), feedback_(feedback),
      ui_(std::make_unique<Ui::ExplainForm>()) {
    ui_->setupUi(this);
    UseFixedPitchFont(*ui_->ExplainArea);
    connect(ui_->ExplainPilot, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &ExplainForm::showExplanation);
    connect(ui_->ExplainRound, qOverload<int>(&QSpinBox::valueChanged), this,
            &ExplainForm::showExplanation);
    connect(ui_->ExplainPrint, &QPushButton::clicked, this, &ExplainForm::ExplainPrint_Click);
    connect(ui_->ExplainExport, &QPushButton::clicked, this, &ExplainForm::ExplainExport_Click);
    connect(ui_->ExplainReturn, &QPushButton::clicked, this, &ExplainForm::accept);
    ui_->ExplainPrint->setEnabled(false);
    ApplyLanguageCaptions(*this, state_.texts);
    ui_->ExplainReturn->setText(state_.texts.get(QStringLiteral("GENERAL_RETURN")));
}

ExplainForm::~ExplainForm() = default;

void ExplainForm::setPrinter(Printer printer) {
    printer_ = std::move(printer);
    ui_->ExplainPrint->setEnabled(static_cast<bool>(printer_));
}

void ExplainForm::explain(std::shared_ptr<const PreparedResults> results, int pilot, int round) {
    results_ = std::move(results);
    const Contest& contest = results_->contest;
    if (contest.PilotCount < 1)
        return;
    {
        const QSignalBlocker blockPilots(ui_->ExplainPilot);
        const QSignalBlocker blockRound(ui_->ExplainRound);
        ui_->ExplainPilot->clear();
        for (int i = 0; i < contest.PilotCount; ++i) {
            ui_->ExplainPilot->addItem(QStringLiteral("%1  %2")
                                           .arg(contest.Pilots[i].StartNo, 3)
                                           .arg(contest.Pilots[i].Name));
        }
        ui_->ExplainPilot->setCurrentIndex(std::clamp(pilot, 0, contest.PilotCount - 1));
        ui_->ExplainRound->setRange(1, std::clamp(contest.Rounds, 1, MaxRounds));
        ui_->ExplainRound->setValue(round);
    }
    ui_->ExplainReturn->setText(state_.texts.get(QStringLiteral("GENERAL_RETURN")));
    showExplanation();
    if (parentWidget())
        CentreOver(*this, *parentWidget());
    exec();
}

void ExplainForm::showExplanation() {
    explanation_ = ExplainResult(*results_, state_.work, ui_->ExplainPilot->currentIndex(),
                                 ui_->ExplainRound->value());
    QString text = ExplanationText(explanation_, state_.texts, QString::fromLatin1(MainCaption));
    ui_->ExplainArea->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void ExplainForm::ExplainPrint_Click() {
    printer_(explanation_);
}

void ExplainForm::ExplainExport_Click() {
    const Status written = ExportExplanation(explanation_, state_.work, state_.texts,
                                             QString::fromLatin1(MainCaption));
    if (!written) {
        feedback_.showMessage(written.message);
        return;
    }
    feedback_.showStatus(
        state_.texts.get(QStringLiteral("EXPLAIN_EXPORTED")) + u' ' +
        QDir::toNativeSeparators(ExplanationExportPath(explanation_, state_.work)));
}

} // namespace veltra
