#include "ui/newscheduleform.h"

#include "core/scheduleedit.h"
#include "ui/editorsupport.h"
#include "ui/formsupport.h"
#include "ui_newscheduleform.h"

#include <QShowEvent>

namespace veltra {

NewScheduleForm::NewScheduleForm(AppState& state, QWidget* parent)
    : QDialog(parent), state_(state), ui_(std::make_unique<Ui::NewScheduleForm>()) {
    ui_->setupUi(this);
    ApplyLanguageCaptions(*this, state_.texts);
    connect(ui_->NewSchedOK, &QPushButton::clicked, this, &NewScheduleForm::NewSchedOK_Click);
    connect(ui_->NewSchedCancel, &QPushButton::clicked, this, &NewScheduleForm::reject);
}

NewScheduleForm::~NewScheduleForm() = default;

QString NewScheduleForm::scheduleName() const {
    return ui_->ScheduleName->text();
}

void NewScheduleForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void NewScheduleForm::Form_Activate() {
    ui_->ScheduleName->setText(state_.texts.get(QStringLiteral("NSF_DEFAULT_NAME")));
    ui_->ScheduleName->selectAll();
    ui_->NewSchedOK->setText(state_.texts.get(QStringLiteral("GENERAL_OK")));
    ui_->NewSchedCancel->setText(state_.texts.get(QStringLiteral("GENERAL_CANCEL")));
    CentreOverMainWindow(*this);
    tag_.clear();
    ui_->ScheduleName->setFocus();
}

void NewScheduleForm::NewSchedOK_Click() {
    const ScheduleNameCheck check =
        CheckNewScheduleName(ui_->ScheduleName->text(), state_.work.ProgramDir);
    if (check.fault) {
        Refuse(*this, *check.fault, ui_->ScheduleName);
        return;
    }
    state_.contest.ContSchedule = check.fileName;
    tag_ = QStringLiteral("OK");
    accept();
}

void NewScheduleForm::reject() {
    tag_ = QStringLiteral("CANCEL");
    QDialog::reject();
}

} // namespace veltra
