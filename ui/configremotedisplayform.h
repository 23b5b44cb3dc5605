#pragma once

#include "core/settings.h"
#include "core/texts.h"

#include <QDialog>
#include <memory>

namespace Ui {
class ConfigRemoteDisplayForm;
}

namespace veltra {

// The serial link to the results display board: whether to open it, the port number and the
// baud rate. OK accepts them; the caller stores them in the settings file and, with the box
// ticked, (re)opens the port once the dialog is hidden, so that a port that cannot be opened is
// reported over the main window.
class ConfigRemoteDisplayForm final : public QDialog {
    Q_OBJECT

  public:
    ConfigRemoteDisplayForm(Settings& settings, const Texts& texts, QWidget& mainWindow);
    ~ConfigRemoteDisplayForm() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void ComportNum_Change(int value);
    void ConfigRemoteDisplayOK_Click();

    Settings& settings_;
    const Texts& texts_;
    QWidget& mainWindow_;
    std::unique_ptr<Ui::ConfigRemoteDisplayForm> ui_;
};

} // namespace veltra
