#include "ui/teamform.h"

#include "core/contestedit.h"
#include "ui/editorsupport.h"
#include "ui/formsupport.h"
#include "ui_teamform.h"

#include <QShowEvent>

namespace veltra {

TeamForm::TeamForm(AppState& state, QWidget* parent)
    : QDialog(parent), state_(state), ui_(std::make_unique<Ui::TeamForm>()) {
    ui_->setupUi(this);
    ApplyLanguageCaptions(*this, state_.texts);
    connect(ui_->AddPilot, &QPushButton::clicked, this, &TeamForm::AddPilot_Click);
    connect(ui_->RemovePilot, &QPushButton::clicked, this, &TeamForm::RemovePilot_Click);
    connect(ui_->TeamName, &QLineEdit::textChanged, this, &TeamForm::updateButtons);
    connect(ui_->PilotsInTeamList, &QListWidget::itemSelectionChanged, this,
            &TeamForm::updateButtons);
    connect(ui_->TeamOK, &QPushButton::clicked, this, &TeamForm::TeamOK_Click);
    connect(ui_->TeamCancel, &QPushButton::clicked, this, &TeamForm::reject);
}

TeamForm::~TeamForm() = default;

void TeamForm::setTeam(const QString& name, const QStringList& members) {
    ui_->TeamName->setText(name);
    ui_->PilotsInTeamList->clear();
    ui_->PilotsInTeamList->addItems(members);
}

QString TeamForm::teamName() const {
    return ui_->TeamName->text();
}

QStringList TeamForm::members() const {
    QStringList names;
    for (int i = 0; i < ui_->PilotsInTeamList->count(); ++i)
        names << ui_->PilotsInTeamList->item(i)->text();
    return names;
}

void TeamForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void TeamForm::Form_Activate() {
    ui_->TeamOK->setText(state_.texts.get(QStringLiteral("GENERAL_OK")));
    ui_->TeamCancel->setText(state_.texts.get(QStringLiteral("GENERAL_CANCEL")));
    CentreOverMainWindow(*this);
    ui_->PilotsInTeamList->clearSelection();
    updateButtons();
    ui_->TeamName->setFocus();
}

void TeamForm::updateButtons() {
    const int count = ui_->PilotsInTeamList->count();
    ui_->AddPilot->setEnabled(count < EditorMaxMembers);
    // Any member can be removed, also from a full team, once one is selected.
    ui_->RemovePilot->setEnabled(!ui_->PilotsInTeamList->selectedItems().isEmpty());
    ui_->TeamOK->setEnabled(TeamCanBeStored(ui_->TeamName->text(), count));
}

void TeamForm::AddPilot_Click() {
    if (ui_->PilotsInTeamList->count() >= EditorMaxMembers || !choosePilot_)
        return;
    const int index = choosePilot_();
    if (index < 0 || index >= state_.contest.PilotCount)
        return;
    ui_->PilotsInTeamList->addItem(state_.contest.Pilots[index].Name);
    updateButtons();
}

void TeamForm::TeamOK_Click() {
    const auto fault = UnstorableTextFault(ui_->TeamName->text(), QStringLiteral("This box"));
    if (fault) {
        Refuse(*this, *fault, ui_->TeamName);
        return;
    }
    accept();
}

void TeamForm::RemovePilot_Click() {
    const int row = ui_->PilotsInTeamList->currentRow();
    if (row < 0)
        return;
    delete ui_->PilotsInTeamList->takeItem(row);
    updateButtons();
}

} // namespace veltra
