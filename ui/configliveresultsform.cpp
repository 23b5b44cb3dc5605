#include "ui/configliveresultsform.h"

#include "ui/formsupport.h"
#include "ui/qrcode.h"
#include "ui_configliveresultsform.h"

#include <QPixmap>

namespace veltra {
namespace {

constexpr int kModulePixels = 6;

} // namespace

ConfigLiveResultsForm::ConfigLiveResultsForm(Settings& settings, const Texts& texts,
                                             QWidget& mainWindow, Apply apply, Addresses addresses)
    : QDialog(&mainWindow), settings_(settings), texts_(texts), mainWindow_(mainWindow),
      apply_(std::move(apply)), addresses_(std::move(addresses)),
      ui_(std::make_unique<Ui::ConfigLiveResultsForm>()) {
    ui_->setupUi(this);
    connect(ui_->LiveResultsOK, &QPushButton::clicked, this,
            &ConfigLiveResultsForm::LiveResultsOK_Click);
    connect(ui_->LiveResultsCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->LiveResultsAddresses, &QListWidget::currentRowChanged, this,
            &ConfigLiveResultsForm::showQrCode);
    ApplyLanguageCaptions(*this, texts_);
}

ConfigLiveResultsForm::~ConfigLiveResultsForm() = default;

void ConfigLiveResultsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui_->LiveResultsOK->setText(texts_.get(QStringLiteral("GENERAL_OK")));
    ui_->LiveResultsCancel->setText(texts_.get(QStringLiteral("GENERAL_CANCEL")));
    ui_->LiveResultsEnabled->setChecked(settings_.LiveResults == 1);
    ui_->LiveResultsPort->setValue(settings_.LiveResultsPort);
    ui_->LiveResultsDropLowest->setChecked(settings_.LiveResultsDropLowest == 1);
    showAddresses();
    adjustSize();
    CentreOver(*this, mainWindow_);
}

// True when the results are served.
bool ConfigLiveResultsForm::showAddresses() {
    const std::optional<QStringList> addresses = addresses_();
    QListWidget& list = *ui_->LiveResultsAddresses;
    list.clear();
    ui_->LiveResultsAddressLabel->setVisible(addresses.has_value());
    list.setVisible(addresses && !addresses->isEmpty());
    ui_->LiveResultsNoAddress->setVisible(addresses && addresses->isEmpty());
    ui_->LiveResultsNoAddress->setText(texts_.get(QStringLiteral("WEB_NO_ADDRESS")));
    if (addresses) {
        list.addItems(*addresses);
        list.setCurrentRow(addresses->isEmpty() ? -1 : 0);
    }
    showQrCode(list.currentRow());
    return addresses.has_value();
}

void ConfigLiveResultsForm::showQrCode(int row) {
    QListWidget& list = *ui_->LiveResultsAddresses;
    const bool shown = list.isVisibleTo(this) && row >= 0 && row < list.count();
    ui_->LiveResultsQrCode->setVisible(shown);
    if (shown)
        ui_->LiveResultsQrCode->setPixmap(
            QPixmap::fromImage(QrCodeImage(list.item(row)->text(), kModulePixels)));
}

void ConfigLiveResultsForm::LiveResultsOK_Click() {
    const bool wereShown = ui_->LiveResultsAddressLabel->isVisibleTo(this);
    settings_.LiveResults = ui_->LiveResultsEnabled->isChecked() ? 1 : 0;
    settings_.LiveResultsPort = ui_->LiveResultsPort->value();
    settings_.LiveResultsDropLowest = ui_->LiveResultsDropLowest->isChecked() ? 1 : 0;
    apply_();
    if (showAddresses() && !wereShown) {
        adjustSize();
        return;
    }
    accept();
}

} // namespace veltra
