#pragma once

#include "core/appstate.h"
#include "ui/teamform.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class CompetitionForm;
}

namespace veltra {

class DefineTeamsForm;
class JudgeForm;
class PilotForm;

// Where a new competition's file is to lie, as the file dialog returns it.
struct ContestFileChoice {
    QString fileName;
    QString folder; // ends with "/"
};

// Creates a competition (EditMode 0, after File, New) or changes the loaded one (EditMode 1):
// the header, the judges, the pilots in start order, and the way to the teams. The judge, pilot
// and team dialogs change the store at once; the header goes into the store, and the
// competition file is written, when OK is pressed. Cancel with changed judges, pilots or teams
// asks whether to save them; dropping them puts back what the competition file holds.
class CompetitionForm final : public QDialog {
    Q_OBJECT

  public:
    explicit CompetitionForm(AppState& state, QWidget* parent = nullptr);
    ~CompetitionForm() override;

    // Names the file of a new competition, starting in the given folder; nothing when the
    // user cancelled.
    using ContestFileChooser = std::function<std::optional<ContestFileChoice>(const QString&)>;
    void setContestFileChooser(ContestFileChooser chooser) { chooseFile_ = std::move(chooser); }
    void setPilotChooser(TeamForm::PilotChooser chooser);

    // File, New shows the editor without waiting; Edit, Competition modally. Either way the
    // editor is filled anew, also when it is open already.
    void showWithoutWaiting();
    int showModal();

  signals:
    // The result method was set back to the standard one; the main window shows "Std".
    void resultMethodReset();
    // A new competition was saved under its new name; the main window shows its path.
    void contestFileNamed();

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Cancel, Escape and the title bar: changed judges, pilots or teams are saved or put back
    // as the user says.
    void reject() override;

  private:
    void Form_Activate();
    void refreshFromStore();
    void refreshLists();
    void fillScheduleList(const QString& wanted, bool lastWhenMissing);
    void disableSelectionButtons();
    void afterDialog();
    void TBL_ToBeUsed();
    void JudgeList_Click();
    void PilotList_Click();
    void AddJudge_Click();
    void JudgeList_DblClick();
    void AddPilot_Click();
    void PilotList_DblClick();
    void RemoveJudge_Click();
    void RemovePilot_Click();
    void movePilot(int offset);
    void DefineTeams_Click();
    void CompetitionOK_Click();
    bool chooseNewContestFile();
    void openJudgeForm(int index, int mode);
    void openPilotForm(int index, int mode);
    void restoreSaved();

    AppState& state_;
    std::unique_ptr<Ui::CompetitionForm> ui_;
    ContestFileChooser chooseFile_;
    TeamForm::PilotChooser choosePilot_;
    QString designCaption_;
    JudgeForm* judgeForm_ = nullptr;
    PilotForm* pilotForm_ = nullptr;
    DefineTeamsForm* defineTeamsForm_ = nullptr;
    Contest saved_; // the store as the editor found it, to put back when changes are dropped
};

} // namespace veltra
