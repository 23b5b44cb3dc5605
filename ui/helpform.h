#pragma once

#include "core/texts.h"

#include <QDialog>
#include <QUrl>
#include <memory>

namespace Ui {
class HelpForm;
}

namespace veltra {

// The user manual, which is built into the program, in a window of its own beside the main
// window, in the language of the language file in use. Links that lead out of the manual open in
// the system's web browser.
class HelpForm final : public QDialog {
    Q_OBJECT

  public:
    HelpForm(const Texts& texts, QWidget& mainWindow);
    ~HelpForm() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QUrl manual() const;

    const Texts& texts_;
    QWidget& mainWindow_;
    std::unique_ptr<Ui::HelpForm> ui_;
    bool placed_ = false;
};

} // namespace veltra
