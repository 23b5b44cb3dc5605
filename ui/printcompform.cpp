#include "ui/printcompform.h"

#include "ui/formsupport.h"
#include "ui_printcompform.h"

#include <QShowEvent>

namespace veltra {

PrintCompForm::PrintCompForm(const Texts& texts, QWidget& mainWindow)
    : QDialog(&mainWindow), texts_(texts), mainWindow_(mainWindow),
      ui_(std::make_unique<Ui::PrintCompForm>()) {
    ui_->setupUi(this);
    connect(ui_->Copies, qOverload<int>(&QSpinBox::valueChanged), this,
            &PrintCompForm::Copies_Change);
    connect(ui_->ConfirmOK, &QPushButton::clicked, this, &PrintCompForm::ConfirmOK_Click);
    connect(ui_->ConfirmCancel, &QPushButton::clicked, this, &PrintCompForm::reject);
    Copies_Change(ui_->Copies->value());
    ApplyLanguageCaptions(*this, texts_);
}

PrintCompForm::~PrintCompForm() = default;

void PrintCompForm::prepare(const QString& caption, bool askCopies) {
    setWindowTitle(caption);
    ui_->Copies->setVisible(askCopies);
    ui_->CopiesTxt->setVisible(askCopies);
    ui_->CopiesLabel->setVisible(askCopies);
    adjustSize();
}

int PrintCompForm::copies() const {
    return ui_->Copies->value();
}

void PrintCompForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void PrintCompForm::Form_Activate() {
    ui_->Copies->setValue(1);
    ui_->ConfirmOK->setText(texts_.get(QStringLiteral("GENERAL_OK")));
    ui_->ConfirmCancel->setText(texts_.get(QStringLiteral("GENERAL_CANCEL")));
    CentreOver(*this, mainWindow_);
    if (ui_->Copies->isVisible()) {
        ui_->Copies->setFocus();
        ui_->Copies->selectAll();
    } else {
        ui_->ConfirmOK->setFocus();
    }
}

void PrintCompForm::Copies_Change(int copies) {
    ui_->CopiesTxt->setText(QString::number(copies));
}

void PrintCompForm::ConfirmOK_Click() {
    accept();
}

// Cancel, Escape and the close box all ask for no copies, so nothing is printed.
void PrintCompForm::reject() {
    ui_->Copies->setValue(0);
    QDialog::reject();
}

} // namespace veltra
