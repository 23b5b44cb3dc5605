#pragma once

#include "core/appstate.h"

#include <QDialog>
#include <memory>

namespace Ui {
class EditSchedForm;
}

namespace veltra {

class ManeuverForm;

// Edits the schedule held in the store: the time allowed per competitor and the numbered
// maneuvers. Each maneuver dialog's OK changes the store at once; OK writes the schedule file.
class EditSchedForm final : public QDialog {
    Q_OBJECT

  public:
    explicit EditSchedForm(AppState& state, QWidget* parent = nullptr);
    ~EditSchedForm() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Activate();
    void ManeuvreList_Click();
    void ManeuvreList_DblClick();
    void EditSchedAdd_Click();
    void EditSchedRemove_Click();
    void EditSchedOK_Click();
    void editManeuver(int number, const QString& name, int kFactor);
    void showShortLine(int number);

    AppState& state_;
    std::unique_ptr<Ui::EditSchedForm> ui_;
    ManeuverForm* maneuverForm_ = nullptr;
};

} // namespace veltra
