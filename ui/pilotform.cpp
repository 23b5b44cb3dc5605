#include "ui/pilotform.h"

#include "core/contestedit.h"
#include "core/editorlines.h"
#include "core/format.h"
#include "scoring/renames.h"
#include "ui/editorsupport.h"
#include "ui/formsupport.h"
#include "ui_pilotform.h"

#include <QShowEvent>

namespace veltra {
namespace {

// The longest text typed into a box, and the length beyond which a text from the store beeps
// and is cut (0: none); in the order of PilotBox.
struct BoxLimits {
    QLineEdit* Ui::PilotForm::*box;
    int typing;
    int cut;
};

constexpr int kNoLimit = 32767;

constexpr BoxLimits kLimits[] = {
    {&Ui::PilotForm::PilotName, 25, 30},  {&Ui::PilotForm::PilotClub, 15, 25},
    {&Ui::PilotForm::PilotNACNO, 8, 10},  {&Ui::PilotForm::PilotKfact, 4, 0},
    {&Ui::PilotForm::PilotChannel, 7, 0}, {&Ui::PilotForm::PilotSTARTNO, kNoLimit, 0},
    {&Ui::PilotForm::PilotPlane, 20, 30}, {&Ui::PilotForm::PilotEngine, 20, 30},
    {&Ui::PilotForm::PilotRadio, 20, 30}};

} // namespace

PilotForm::PilotForm(AppState& state, QWidget* parent)
    : QDialog(parent), state_(state), ui_(std::make_unique<Ui::PilotForm>()) {
    ui_->setupUi(this);
    ApplyLanguageCaptions(*this, state_.texts);
    connect(ui_->PilotOK, &QPushButton::clicked, this, &PilotForm::PilotOK_Click);
    connect(ui_->PilotCancel, &QPushButton::clicked, this, &PilotForm::reject);
}

PilotForm::~PilotForm() = default;

void PilotForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void PilotForm::Form_Activate() {
    ui_->PilotOK->setText(state_.texts.get(QStringLiteral("GENERAL_OK")));
    ui_->PilotCancel->setText(state_.texts.get(QStringLiteral("GENERAL_CANCEL")));
    const int index = state_.work.EditPilotIndex;
    const bool adding = state_.work.PilotEditMode == 0;
    setWindowTitle(state_.texts.get(adding ? QStringLiteral("PILOT_FORM_ADD_CAPTION")
                                           : QStringLiteral("PILOT_FORM_EDIT_CAPTION")));
    CentreOverMainWindow(*this);

    const Pilot& pilot = state_.contest.Pilots[index];
    const QString texts[] = {
        pilot.Name,
        pilot.Club,
        pilot.NACNo,
        NumberText(pilot.KFactor),
        PilotChannelBoxText(pilot.Channel, state_.settings.FrequencyDisplayMode),
        QString::number(pilot.StartNo),
        pilot.Plane,
        pilot.Engine,
        pilot.Radio};
    for (std::size_t i = 0; i < std::size(kLimits); ++i) {
        QLineEdit& box = *(ui_.get()->*kLimits[i].box);
        FillLimitedBox(box, adding ? QString() : texts[i], kLimits[i].typing, kLimits[i].cut);
    }
    if (adding) {
        ui_->PilotKfact->setText(QStringLiteral("1.0"));
        ui_->PilotSTARTNO->setText(QString::number(index + 1));
    }
    ui_->PilotName->setFocus();
}

QWidget* PilotForm::boxOf(int field) const {
    return ui_.get()->*kLimits[field].box;
}

void PilotForm::PilotOK_Click() {
    const PilotBoxes boxes{
        ui_->PilotName->text(),  ui_->PilotClub->text(),    ui_->PilotNACNO->text(),
        ui_->PilotKfact->text(), ui_->PilotChannel->text(), ui_->PilotSTARTNO->text(),
        ui_->PilotPlane->text(), ui_->PilotEngine->text(),  ui_->PilotRadio->text()};
    const int index = state_.work.EditPilotIndex;
    const PilotCheck check = CheckPilotBoxes(boxes, state_.contest, index);
    if (check.fault) {
        Refuse(*this, check.fault->message, boxOf(static_cast<int>(check.fault->box)));
        return;
    }
    if (state_.work.PilotEditMode == 0) {
        StorePilot(state_.contest, index, check.entry, true);
    } else if (const Status changed =
                   ChangePilot(state_.contest, state_.work, state_.texts, index, check.entry);
               !changed) {
        Refuse(*this, changed.message, ui_->PilotName);
        return;
    }
    accept();
}

} // namespace veltra
