#pragma once

#include "core/appstate.h"

#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>

namespace Ui {
class TeamForm;
}

namespace veltra {

// Edits one team: its name and up to three member pilots. The caller fills it, shows it
// modally, and stores the team only when the dialog was accepted; OK refuses a name the
// files cannot hold.
class TeamForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TeamForm(AppState& state, QWidget* parent = nullptr);
    ~TeamForm() override;

    // Asks which pilot to add: the pilot's index in the store, or -1 when none was chosen.
    using PilotChooser = std::function<int()>;
    void setPilotChooser(PilotChooser chooser) { choosePilot_ = std::move(chooser); }

    void setTeam(const QString& name, const QStringList& members);
    QString teamName() const;
    QStringList members() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Activate();
    void AddPilot_Click();
    void RemovePilot_Click();
    void TeamOK_Click();
    void updateButtons();

    AppState& state_;
    std::unique_ptr<Ui::TeamForm> ui_;
    PilotChooser choosePilot_;
};

} // namespace veltra
