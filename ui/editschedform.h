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
// maneuvers. Each maneuver dialog's OK and each removal change the store at once; OK writes the
// schedule file. A maneuver of the open competition's schedule is not removed while the
// competition has stored marks, which are kept in maneuver order.
class EditSchedForm final : public QDialog {
    Q_OBJECT

  public:
    explicit EditSchedForm(AppState& state, QWidget* parent = nullptr);
    ~EditSchedForm() override;

    // The file name of the open competition's schedule.
    void setCompetitionSchedule(const QString& fileName) { competitionSchedule_ = fileName; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Activate();
    void ManeuvreList_Click();
    void ManeuvreList_DblClick();
    void EditSchedAdd_Click();
    void EditSchedRemove_Click();
    void EditSchedOK_Click();
    void fillList();
    void editManeuver(int number, const QString& name, int kFactor);
    void showLine(int number);
    bool marksDependOnSchedule() const;

    AppState& state_;
    std::unique_ptr<Ui::EditSchedForm> ui_;
    ManeuverForm* maneuverForm_ = nullptr;
    QString competitionSchedule_;
};

} // namespace veltra
