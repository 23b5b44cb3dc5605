#pragma once

#include "core/settings.h"
#include "core/texts.h"

#include <QDialog>
#include <memory>

namespace Ui {
class ConfigGeneralForm;
}

namespace veltra {

// The one general setting: whether a pilot's channel shows as a frequency (entry 0) or as a
// channel number (entry 1). OK accepts the choice, which the caller stores in the settings file
// at once.
class ConfigGeneralForm final : public QDialog {
    Q_OBJECT

  public:
    ConfigGeneralForm(Settings& settings, const Texts& texts, QWidget& mainWindow);
    ~ConfigGeneralForm() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void GeneralConfigOK_Click();

    Settings& settings_;
    const Texts& texts_;
    QWidget& mainWindow_;
    std::unique_ptr<Ui::ConfigGeneralForm> ui_;
};

} // namespace veltra
