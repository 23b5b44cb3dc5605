#include "ui/printresform.h"

#include "ui/formsupport.h"
#include "ui_printresform.h"

#include <QShowEvent>
#include <algorithm>

namespace veltra {

PrintResForm::PrintResForm(AppState& state, QWidget* parent)
    : QDialog(parent), state_(state), ui_(std::make_unique<Ui::PrintResForm>()) {
    ui_->setupUi(this);
    connect(ui_->Copies, qOverload<int>(&QSpinBox::valueChanged), this,
            &PrintResForm::Copies_Change);
    connect(ui_->Rounds, qOverload<int>(&QSpinBox::valueChanged), this,
            &PrintResForm::Rounds_Change);
    connect(ui_->ConfirmOK, &QPushButton::clicked, this, &PrintResForm::ConfirmOK_Click);
    connect(ui_->ConfirmCancel, &QPushButton::clicked, this, &PrintResForm::ConfirmCancel_Click);
    Copies_Change(ui_->Copies->value());
    Rounds_Change(ui_->Rounds->value());
    ApplyLanguageCaptions(*this, state_.texts);
}

PrintResForm::~PrintResForm() = default;

void PrintResForm::prepare(const QString& caption, bool askCopies) {
    setWindowTitle(caption);
    ui_->Copies->setValue(1);
    ui_->Copies->setVisible(askCopies);
    ui_->CopiesTxt->setVisible(askCopies);
    ui_->CopiesLabel->setVisible(askCopies);
    adjustSize();
}

int PrintResForm::copies() const {
    return ui_->Copies->value();
}

int PrintResForm::rounds() const {
    return ui_->Rounds->value();
}

bool PrintResForm::dropLowest() const {
    return ui_->DeleteLow->isChecked();
}

void PrintResForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void PrintResForm::Form_Activate() {
    ui_->Rounds->setRange(1, std::clamp(state_.contest.Rounds, 1, MaxRounds));
    ui_->Rounds->setValue(state_.work.CurrentRound);
    // The value may not have changed, but the drop choice must still fit it.
    Rounds_Change(ui_->Rounds->value());
    ui_->ConfirmOK->setText(state_.texts.get(QStringLiteral("GENERAL_OK")));
    ui_->ConfirmCancel->setText(state_.texts.get(QStringLiteral("GENERAL_CANCEL")));
    if (parentWidget())
        CentreOver(*this, *parentWidget());
    // A number typed at once replaces the proposal, and Return takes it.
    ui_->Rounds->setFocus();
    ui_->Rounds->selectAll();
}

void PrintResForm::Copies_Change(int copies) {
    ui_->CopiesTxt->setText(QString::number(copies));
}

// A single counted round has no weaker round to drop.
void PrintResForm::Rounds_Change(int rounds) {
    ui_->RoundsTxt->setText(QString::number(rounds));
    if (rounds == 1)
        ui_->DeleteLow->setChecked(false);
    ui_->DeleteLow->setEnabled(rounds != 1);
}

void PrintResForm::ConfirmOK_Click() {
    accept();
}

void PrintResForm::ConfirmCancel_Click() {
    reject();
}

// Cancel, Escape and the title bar's close button all ask for nothing to be done.
void PrintResForm::reject() {
    ui_->Copies->setValue(Cancelled);
    QDialog::reject();
}

} // namespace veltra
