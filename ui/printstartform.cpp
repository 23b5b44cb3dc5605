#include "ui/printstartform.h"

#include "ui/formsupport.h"
#include "ui_printstartform.h"

#include <QShowEvent>
#include <algorithm>

namespace veltra {
namespace {

constexpr int DefaultPauseMinutes = 10;

// Each spin control shows its value in the text box beside it.
void mirror(QSpinBox& spin, QLineEdit& text) {
    text.setText(QString::number(spin.value()));
    QObject::connect(&spin, qOverload<int>(&QSpinBox::valueChanged), &text,
                     [&text](int value) { text.setText(QString::number(value)); });
}

} // namespace

PrintStartForm::PrintStartForm(const Contest& contest, const Texts& texts, QWidget& mainWindow)
    : QDialog(&mainWindow), contest_(contest), texts_(texts), mainWindow_(mainWindow),
      ui_(std::make_unique<Ui::PrintStartForm>()) {
    ui_->setupUi(this);
    mirror(*ui_->Copies, *ui_->CopiesTxt);
    mirror(*ui_->FromRound, *ui_->FromRoundText);
    mirror(*ui_->ToRound, *ui_->ToRoundText);
    mirror(*ui_->PausePilot, *ui_->PausePilotText);
    mirror(*ui_->PauseMinutes, *ui_->PauseMinutesText);
    connect(ui_->OK, &QPushButton::clicked, this, &PrintStartForm::OK_Click);
    connect(ui_->Cancel, &QPushButton::clicked, this, &PrintStartForm::reject);
    ApplyLanguageCaptions(*this, texts_);
}

PrintStartForm::~PrintStartForm() = default;

StartListOptions PrintStartForm::options() const {
    StartListOptions options;
    options.copies = ui_->Copies->value();
    options.fromRound = ui_->FromRound->value();
    options.toRound = ui_->ToRound->value();
    options.pausePilot = ui_->PausePilot->value();
    options.pauseMinutes = ui_->PauseMinutes->value();
    return options;
}

void PrintStartForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void PrintStartForm::Form_Activate() {
    ui_->Copies->setValue(1);
    ui_->FromRound->setValue(1);
    ui_->ToRound->setValue(std::clamp(contest_.Rounds, 1, ui_->ToRound->maximum()));
    ui_->PausePilot->setValue(0);
    ui_->PauseMinutes->setValue(DefaultPauseMinutes);
    ui_->OK->setText(texts_.get(QStringLiteral("GENERAL_OK")));
    ui_->Cancel->setText(texts_.get(QStringLiteral("GENERAL_CANCEL")));
    CentreOver(*this, mainWindow_);
    ui_->Copies->setFocus();
    ui_->Copies->selectAll();
}

void PrintStartForm::OK_Click() {
    accept();
}

// Cancel, Escape and the close box all ask for no copies, so nothing is printed.
void PrintStartForm::reject() {
    ui_->Copies->setValue(0);
    QDialog::reject();
}

} // namespace veltra
