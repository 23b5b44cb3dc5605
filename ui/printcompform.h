#pragma once

#include "core/texts.h"

#include <QDialog>
#include <memory>

namespace Ui {
class PrintCompForm;
}

namespace veltra {

// The number of copies of the pilot or judge list; the pilot list export shows it without the
// copies as its confirmation. The caller prepares it, shows it modally and reads copies(),
// which is 0 when the user cancelled.
class PrintCompForm final : public QDialog {
    Q_OBJECT

  public:
    PrintCompForm(const Texts& texts, QWidget& mainWindow);
    ~PrintCompForm() override;

    void prepare(const QString& caption, bool askCopies);
    int copies() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

  private:
    void Form_Activate();
    void Copies_Change(int copies);
    void ConfirmOK_Click();

    const Texts& texts_;
    QWidget& mainWindow_;
    std::unique_ptr<Ui::PrintCompForm> ui_;
};

} // namespace veltra
