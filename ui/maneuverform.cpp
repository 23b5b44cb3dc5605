#include "ui/maneuverform.h"

#include "core/scheduleedit.h"
#include "ui/editorsupport.h"
#include "ui/formsupport.h"
#include "ui_maneuverform.h"

#include <QShowEvent>

namespace veltra {
namespace {

constexpr int kManeuverNameLimit = 50;

} // namespace

ManeuverForm::ManeuverForm(AppState& state, QWidget* parent)
    : QDialog(parent), state_(state), ui_(std::make_unique<Ui::ManeuverForm>()) {
    ui_->setupUi(this);
    ApplyLanguageCaptions(*this, state_.texts);
    CutAtLimit(*ui_->ManeuverName, kManeuverNameLimit);
    MirrorSpinValue(*ui_->ManeuverKFact, *ui_->KFactTxt);
    connect(ui_->ManeuverOK, &QPushButton::clicked, this, &ManeuverForm::ManeuverOK_Click);
    connect(ui_->ManeuverCancel, &QPushButton::clicked, this, &ManeuverForm::reject);
}

ManeuverForm::~ManeuverForm() = default;

void ManeuverForm::setManeuver(int number, const QString& name, int kFactor) {
    ui_->ManeuverNo->setText(QString::number(number));
    ui_->ManeuverName->setText(name);
    ui_->ManeuverKFact->setValue(kFactor);
}

void ManeuverForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void ManeuverForm::Form_Activate() {
    ui_->ManeuverOK->setText(state_.texts.get(QStringLiteral("GENERAL_OK")));
    ui_->ManeuverCancel->setText(state_.texts.get(QStringLiteral("GENERAL_CANCEL")));
    // The maneuver dialog sits over the schedule editor that opened it.
    if (parentWidget())
        CentreOver(*this, *parentWidget());
    tag_.clear();
    ui_->ManeuverName->setFocus();
}

void ManeuverForm::ManeuverOK_Click() {
    const std::optional<int> number = ManeuverNumber(ui_->ManeuverNo->text(), state_.contest);
    if (!number) {
        Refuse(*this, ManeuverNumberFault(state_.contest), ui_->ManeuverNo);
        return;
    }
    StoreManeuver(state_.contest, *number, ui_->ManeuverName->text(), ui_->ManeuverKFact->value());
    storedNumber_ = *number;
    tag_ = QStringLiteral("OK");
    accept();
}

void ManeuverForm::reject() {
    tag_ = QStringLiteral("CANCEL");
    QDialog::reject();
}

} // namespace veltra
