#include "ui/editschedform.h"

#include "core/contestfiles.h"
#include "core/editorlines.h"
#include "ui/editorsupport.h"
#include "ui/formsupport.h"
#include "ui/maneuverform.h"
#include "ui_editschedform.h"

#include <QMessageBox>
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
    QListWidget& list = *ui_->ManeuvreList;
    list.clear();
    list.addItem(ManeuverListHeading(ManeuverNameWidthWide));
    for (int m = 1; m <= state_.contest.ManeuverCount; ++m)
        list.addItem(ManeuverListLine(state_.contest, m, ManeuverNameWidthWide));
    ui_->EditSchedRemove->setEnabled(false);
}

void EditSchedForm::ManeuvreList_Click() {
    ui_->EditSchedRemove->setEnabled(!ui_->ManeuvreList->selectedItems().isEmpty());
}

// Lines added or changed while the editor stays open take the short layout.
void EditSchedForm::showShortLine(int number) {
    const QString line = ManeuverListLine(state_.contest, number, ManeuverNameWidthShort);
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
        showShortLine(maneuverForm_->storedNumber());
}

void EditSchedForm::EditSchedAdd_Click() {
    const int number = state_.contest.ManeuverCount + 1;
    if (number > MaxManeuvers) {
        Refuse(*this,
               QStringLiteral("A flight schedule holds at most %1 maneuvers.").arg(MaxManeuvers),
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
    showShortLine(number);
}

void EditSchedForm::EditSchedRemove_Click() {
    QMessageBox::information(this, QString::fromLatin1(ProgramName), QStringLiteral("Ikke Ferdig"));
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
