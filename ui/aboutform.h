#pragma once

#include "core/texts.h"

#include <QDialog>
#include <memory>

namespace Ui {
class AboutForm;
}

namespace veltra {

// The program's picture and version. A click anywhere in the window closes it.
class AboutForm final : public QDialog {
    Q_OBJECT

  public:
    AboutForm(const Texts& texts, QWidget& mainWindow);
    ~AboutForm() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QWidget& mainWindow_;
    std::unique_ptr<Ui::AboutForm> ui_;
};

} // namespace veltra
