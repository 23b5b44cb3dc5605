#pragma once

#include "core/appstate.h"
#include "ui/teamform.h"

#include <QDialog>
#include <memory>

namespace Ui {
class DefineTeamsForm;
}

namespace veltra {

// Lists the competition's teams and adds, changes and removes them, straight in the store.
// The competition file is written later, by the competition editor's OK or the start-order draw.
class DefineTeamsForm final : public QDialog {
    Q_OBJECT

  public:
    explicit DefineTeamsForm(AppState& state, QWidget* parent = nullptr);
    ~DefineTeamsForm() override;

    void setPilotChooser(TeamForm::PilotChooser chooser);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Activate();
    void TeamList_Click();
    void TeamList_DblClick();
    void AddTeam_Click();
    void RemoveTeam_Click();
    void TeamsOK_Click();
    void reject() override;
    bool editTeam(int index, const QString& name, const QStringList& members);
    void updateButtons();

    AppState& state_;
    std::unique_ptr<Ui::DefineTeamsForm> ui_;
    TeamForm::PilotChooser choosePilot_;
    TeamForm* teamForm_ = nullptr;
};

} // namespace veltra
