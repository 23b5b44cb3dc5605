#include "ui/defineteamsform.h"

#include "core/contestedit.h"
#include "ui/editorsupport.h"
#include "ui/formsupport.h"
#include "ui_defineteamsform.h"

#include <QShowEvent>

namespace veltra {

DefineTeamsForm::DefineTeamsForm(AppState& state, QWidget* parent)
    : QDialog(parent), state_(state), ui_(std::make_unique<Ui::DefineTeamsForm>()) {
    ui_->setupUi(this);
    ApplyLanguageCaptions(*this, state_.texts);
    connect(ui_->TeamList, &QListWidget::itemSelectionChanged, this,
            &DefineTeamsForm::TeamList_Click);
    connect(ui_->TeamList, &QListWidget::itemDoubleClicked, this,
            &DefineTeamsForm::TeamList_DblClick);
    connect(ui_->AddTeam, &QPushButton::clicked, this, &DefineTeamsForm::AddTeam_Click);
    connect(ui_->RemoveTeam, &QPushButton::clicked, this, &DefineTeamsForm::RemoveTeam_Click);
    connect(ui_->TeamsOK, &QPushButton::clicked, this, &DefineTeamsForm::TeamsOK_Click);
}

DefineTeamsForm::~DefineTeamsForm() = default;

void DefineTeamsForm::setPilotChooser(TeamForm::PilotChooser chooser) {
    choosePilot_ = std::move(chooser);
    if (teamForm_)
        teamForm_->setPilotChooser(choosePilot_);
}

void DefineTeamsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void DefineTeamsForm::Form_Activate() {
    ui_->TeamsOK->setText(state_.texts.get(QStringLiteral("GENERAL_OK")));
    CentreOverMainWindow(*this);
    ui_->TeamList->clear();
    for (int t = 0; t < state_.contest.TeamCount; ++t)
        ui_->TeamList->addItem(state_.contest.Teams[t].Name);
    updateButtons();
}

void DefineTeamsForm::updateButtons() {
    ui_->AddTeam->setEnabled(ui_->TeamList->count() < EditorMaxTeams);
    ui_->RemoveTeam->setEnabled(ui_->TeamList->currentRow() >= 0 &&
                                !ui_->TeamList->selectedItems().isEmpty());
}

void DefineTeamsForm::TeamList_Click() {
    updateButtons();
}

bool DefineTeamsForm::editTeam(int index, const QString& name, const QStringList& members) {
    if (!teamForm_) {
        teamForm_ = new TeamForm(state_, this);
        teamForm_->setPilotChooser(choosePilot_);
    }
    teamForm_->setTeam(name, members);
    if (teamForm_->exec() != QDialog::Accepted)
        return false;
    StoreTeam(state_.contest, index, teamForm_->teamName(), teamForm_->members());
    return true;
}

void DefineTeamsForm::AddTeam_Click() {
    const int index = ui_->TeamList->count();
    if (index >= EditorMaxTeams || !editTeam(index, QString(), {}))
        return;
    // The count follows the list at once, so that no stored team is left beyond it.
    state_.contest.TeamCount = index + 1;
    ui_->TeamList->addItem(state_.contest.Teams[index].Name);
    updateButtons();
}

void DefineTeamsForm::TeamList_DblClick() {
    const int index = ui_->TeamList->currentRow();
    if (index < 0 || index >= state_.contest.TeamCount)
        return;
    const Team& team = state_.contest.Teams[index];
    QStringList members;
    for (int m = 0; m < team.MemberCount; ++m)
        members << team.Members[m];
    if (editTeam(index, team.Name, members))
        ui_->TeamList->item(index)->setText(state_.contest.Teams[index].Name);
}

void DefineTeamsForm::RemoveTeam_Click() {
    const int index = ui_->TeamList->currentRow();
    if (index < 0 || index >= state_.contest.TeamCount)
        return;
    RemoveTeam(state_.contest, index);
    delete ui_->TeamList->takeItem(index);
    ui_->TeamList->clearSelection();
    updateButtons();
}

void DefineTeamsForm::TeamsOK_Click() {
    state_.contest.TeamCount = ui_->TeamList->count();
    accept();
}

void DefineTeamsForm::reject() {
    TeamsOK_Click();
}

} // namespace veltra
