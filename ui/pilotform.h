#pragma once

#include "core/appstate.h"

#include <QDialog>
#include <memory>

namespace Ui {
class PilotForm;
}

namespace veltra {

// Enters a new pilot or changes one: the pilot at EditPilotIndex, added when PilotEditMode is 0.
// OK refuses values the competition file cannot hold and a name another pilot has; a renamed
// pilot of a competition on file takes its score files along.
class PilotForm final : public QDialog {
    Q_OBJECT

  public:
    explicit PilotForm(AppState& state, QWidget* parent = nullptr);
    ~PilotForm() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Activate();
    void PilotOK_Click();
    QWidget* boxOf(int field) const;

    AppState& state_;
    std::unique_ptr<Ui::PilotForm> ui_;
};

} // namespace veltra
