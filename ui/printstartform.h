#pragma once

#include "core/contest.h"
#include "core/texts.h"
#include "reports/startlist.h"

#include <QDialog>
#include <memory>

namespace Ui {
class PrintStartForm;
}

namespace veltra {

// The start list's copies, first and last round and pause. Every showing starts from one
// copy, rounds 1 to the competition's last and no pause; options().copies is 0 when the user
// cancelled.
class PrintStartForm final : public QDialog {
    Q_OBJECT

  public:
    PrintStartForm(const Contest& contest, const Texts& texts, QWidget& mainWindow);
    ~PrintStartForm() override;

    StartListOptions options() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

  private:
    void Form_Activate();
    void OK_Click();

    const Contest& contest_;
    const Texts& texts_;
    QWidget& mainWindow_;
    std::unique_ptr<Ui::PrintStartForm> ui_;
};

} // namespace veltra
