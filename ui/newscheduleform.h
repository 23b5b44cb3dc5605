#pragma once

#include "core/appstate.h"

#include <QDialog>
#include <memory>

namespace Ui {
class NewScheduleForm;
}

namespace veltra {

// Asks for the name of a new schedule. OK refuses a name that cannot become a schedule file or
// that another schedule has; the tag then tells "OK" or "CANCEL".
class NewScheduleForm final : public QDialog {
    Q_OBJECT

  public:
    explicit NewScheduleForm(AppState& state, QWidget* parent = nullptr);
    ~NewScheduleForm() override;

    const QString& tag() const { return tag_; }
    QString scheduleName() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Activate();
    void NewSchedOK_Click();
    void reject() override;

    AppState& state_;
    std::unique_ptr<Ui::NewScheduleForm> ui_;
    QString tag_;
};

} // namespace veltra
