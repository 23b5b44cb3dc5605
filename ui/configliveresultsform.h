#pragma once

#include "core/settings.h"
#include "core/texts.h"

#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class ConfigLiveResultsForm;
}

namespace veltra {

// Whether the live results are served on the local network, on which port and with the weakest
// round dropped; while they are served, the addresses a phone opens and the QR code of the one
// chosen. OK stores the choices and has the caller apply them at once; when that has just
// switched the results on, the window stays to show the addresses, and a second OK closes it.
class ConfigLiveResultsForm final : public QDialog {
    Q_OBJECT

  public:
    // Applies the settings; afterwards `addresses` gives the addresses of the results being
    // served (possibly none), or nothing when they are off.
    using Apply = std::function<void()>;
    using Addresses = std::function<std::optional<QStringList>()>;

    ConfigLiveResultsForm(Settings& settings, const Texts& texts, QWidget& mainWindow, Apply apply,
                          Addresses addresses);
    ~ConfigLiveResultsForm() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    bool showAddresses();
    void showQrCode(int row);
    void LiveResultsOK_Click();

    Settings& settings_;
    const Texts& texts_;
    QWidget& mainWindow_;
    Apply apply_;
    Addresses addresses_;
    std::unique_ptr<Ui::ConfigLiveResultsForm> ui_;
};

} // namespace veltra
