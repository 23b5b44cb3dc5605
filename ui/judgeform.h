#pragma once

#include "core/appstate.h"

#include <QDialog>
#include <memory>

namespace Ui {
class JudgeForm;
}

namespace veltra {

// Enters a new judge or changes one: the judge at EditJudgeIndex, added when JudgeEditMode is 0.
// OK writes the judge into the store, or refuses a text the files cannot hold; nothing is
// written to a file here.
class JudgeForm final : public QDialog {
    Q_OBJECT

  public:
    explicit JudgeForm(AppState& state, QWidget* parent = nullptr);
    ~JudgeForm() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Activate();
    void JudgeOK_Click();

    AppState& state_;
    std::unique_ptr<Ui::JudgeForm> ui_;
    bool placed_ = false;
};

} // namespace veltra
