#pragma once

#include "core/appstate.h"

#include <QDialog>
#include <memory>

namespace Ui {
class PrintResForm;
}

namespace veltra {

// The options of every results command: the number of rounds to count, whether each pilot's
// weakest round is dropped and, for the printout, the number of copies. The caller prepares
// it, shows it modally and reads the choices; copies() is Cancelled when the user cancelled.
class PrintResForm final : public QDialog {
    Q_OBJECT

  public:
    static constexpr int Cancelled = -1;

    explicit PrintResForm(AppState& state, QWidget* parent = nullptr);
    ~PrintResForm() override;

    // Sets the caption, one copy, and shows the copies controls only when `askCopies`.
    void prepare(const QString& caption, bool askCopies);

    int copies() const;
    int rounds() const;
    bool dropLowest() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

  private:
    void Form_Activate();
    void Copies_Change(int copies);
    void Rounds_Change(int rounds);
    void ConfirmOK_Click();
    void ConfirmCancel_Click();

    AppState& state_;
    std::unique_ptr<Ui::PrintResForm> ui_;
};

} // namespace veltra
