#pragma once

#include "core/appstate.h"
#include "core/scheduleedit.h"

#include <QDialog>
#include <memory>

namespace Ui {
class ScheduleForm;
}

namespace veltra {

class EditSchedForm;
class NewScheduleForm;

// The library of schedule files in the program folder: create a schedule, open one in the
// schedule editor, delete one. The schedule being edited is held in the store; on return the
// store holds the loaded competition's own schedule again, so that it is never scored or saved
// with another one.
class ScheduleForm final : public QDialog {
    Q_OBJECT

  public:
    explicit ScheduleForm(AppState& state, QWidget* parent = nullptr);
    ~ScheduleForm() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Activate();
    void refreshFiles();
    void CompetitionSchedule_Click();
    void CompetitionSchedule_DblClick();
    void ScheduleAdd_Click();
    void ScheduleRemove_Click();
    void ScheduleReturn_Click();
    void reject() override;
    void openEditor();

    AppState& state_;
    std::unique_ptr<Ui::ScheduleForm> ui_;
    ScheduleSnapshot competitionSchedule_;
    NewScheduleForm* newScheduleForm_ = nullptr;
    EditSchedForm* editSchedForm_ = nullptr;
};

} // namespace veltra
