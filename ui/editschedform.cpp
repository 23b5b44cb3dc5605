#include "ui/editschedform.h"

#include "core/contestfiles.h"
#include "core/editorlines.h"
#include "core/scheduleedit.h"
#include "scoring/scorefiles.h"
#include "ui/editorsupport.h"
#include "ui/formsupport.h"
#include "ui/maneuverform.h"
#include "ui_editschedform.h"

#include <QShowEvent>

namespace veltra {

EditSchedForm::EditSchedForm(AppState& state, QWidget* parent)
    : QDialog(parent), state_(state), ui_(std::make_unique<Ui::EditSchedForm>()) {
    ui_->setupUi(this);
    ApplyLanguageCaptions(*this, state_.texts);
    ui_->ManeuvreList->setFont(FixedPitchFont());
    MirrorSpinValue(*ui_->Competitortime, *ui_->CompetitortimeText);
    connect(ui_->ManeuvreList, &QListWidget::itemSelectionChanged, this,
            &EditSchedForm::ManeuvreList_Click);
    connect(ui_->ManeuvreList, &QListWidget::itemDoubleClicked, this,
            &EditSchedForm::ManeuvreList_DblClick);
    connect(ui_->EditSchedAdd, &QPushButton::clicked, this, &EditSchedForm::EditSchedAdd_Click);
    connect(ui_->EditSchedRemove, &QPushButton::clicked, this,
            &EditSchedForm::EditSchedRemove_Click);
    connect(ui_->EditSchedOK, &QPushButton::clicked, this, &EditSchedForm::EditSchedOK_Click);
    connect(ui_->EditSchedCancel, &QPushButton::clicked, this, &EditSchedForm::reject);
}

EditSchedForm::~EditSchedForm() = default;

void EditSchedForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void EditSchedForm::Form_Activate() {
    ui_->EditSchedOK->setText(state_.texts.get(QStringLiteral("GENERAL_OK")));
    ui_->EditSchedCancel->setText(state_.texts.get(QStringLiteral("GENERAL_CANCEL")));
    CentreOverMainWindow(*this);
    ui_->Competitortime->setValue(state_.contest.TotalTime);
    fillList();
}

void EditSchedForm::fillList() {
    QListWidget& list = *ui_->ManeuvreList;
    list.clear();
    list.addItem(ManeuverListHeading(state_.texts.get(QStringLiteral("ESF_MANEUVER_HEADING"))));
    for (int m = 1; m <= state_.contest.ManeuverCount; ++m)
        list.addItem(ManeuverListLine(state_.contest, m));
    ui_->EditSchedRemove->setEnabled(false);
}

// The heading line is no maneuver to remove.
void EditSchedForm::ManeuvreList_Click() {
    ui_->EditSchedRemove->setEnabled(!ui_->ManeuvreList->selectedItems().isEmpty() &&
                                     ui_->ManeuvreList->currentRow() >= 1);
}

void EditSchedForm::showLine(int number) {
    const QString line = ManeuverListLine(state_.contest, number);
    QListWidget& list = *ui_->ManeuvreList;
    if (number < list.count())
        list.item(number)->setText(line);
    else
        list.addItem(line);
}

void EditSchedForm::editManeuver(int number, const QString& name, int kFactor) {
    if (!maneuverForm_)
        maneuverForm_ = new ManeuverForm(state_, this);
    maneuverForm_->setManeuver(number, name, kFactor);
    maneuverForm_->exec();
    if (maneuverForm_->tag() == QLatin1String("OK"))
        showLine(maneuverForm_->storedNumber());
}

void EditSchedForm::EditSchedAdd_Click() {
    const int number = state_.contest.ManeuverCount + 1;
    if (number > MaxManeuvers) {
        Refuse(*this, state_.texts.get(QStringLiteral("ESF_TOO_MANY_MANEUVERS")).arg(MaxManeuvers),
               ui_->ManeuvreList);
        return;
    }
    editManeuver(number, QStringLiteral("Ny"), 1);
}

void EditSchedForm::ManeuvreList_DblClick() {
    const int number = ui_->ManeuvreList->currentRow();
    if (number < 1 || number > state_.contest.ManeuverCount)
        return;
    editManeuver(number, state_.contest.ManeuverName[number - 1],
                 state_.contest.ManeuverK[number - 1]);
    showLine(number);
}

bool EditSchedForm::marksDependOnSchedule() const {
    return state_.contest.ContSchedule.compare(competitionSchedule_, Qt::CaseInsensitive) == 0 &&
           HasStoredMarks(state_.contest, state_.work);
}

void EditSchedForm::EditSchedRemove_Click() {
    const int number = ui_->ManeuvreList->currentRow();
    if (number < 1 || number > state_.contest.ManeuverCount)
        return;
    if (marksDependOnSchedule()) {
        Refuse(*this, state_.texts.get(QStringLiteral("ESF_REMOVE_REFUSED")), ui_->ManeuvreList);
        return;
    }
    const QString question = state_.texts.get(QStringLiteral("ESF_REMOVE_QUESTION"))
                                 .arg(number)
                                 .arg(state_.contest.ManeuverName[number - 1]);
    if (!AskYesNo(*this, state_.texts, question))
        return;
    RemoveManeuver(state_.contest, number);
    fillList();
    ui_->ManeuvreList->setCurrentRow(std::min(number, state_.contest.ManeuverCount));
}

void EditSchedForm::EditSchedOK_Click() {
    const int totalTime = ui_->Competitortime->value();
    const Status saved = SaveSchedule(state_.contest, totalTime, state_.work);
    if (!saved) {
        Refuse(*this, saved.message, nullptr);
        return;
    }
    state_.contest.TotalTime = totalTime;
    accept();
}

} // namespace veltra
