#include "ui/configremotedisplayform.h"

#include "ui/formsupport.h"
#include "ui_configremotedisplayform.h"

namespace veltra {
namespace {

double baudRateOf(const QListWidgetItem& entry) {
    return entry.text().toDouble();
}

} // namespace

ConfigRemoteDisplayForm::ConfigRemoteDisplayForm(Settings& settings, const Texts& texts,
                                                 QWidget& mainWindow)
    : QDialog(&mainWindow), settings_(settings), texts_(texts), mainWindow_(mainWindow),
      ui_(std::make_unique<Ui::ConfigRemoteDisplayForm>()) {
    ui_->setupUi(this);
    connect(ui_->ComportNum, &QSpinBox::valueChanged, this,
            &ConfigRemoteDisplayForm::ComportNum_Change);
    connect(ui_->ConfigRemoteDisplayOK, &QPushButton::clicked, this,
            &ConfigRemoteDisplayForm::ConfigRemoteDisplayOK_Click);
    ApplyLanguageCaptions(*this, texts_);
}

ConfigRemoteDisplayForm::~ConfigRemoteDisplayForm() = default;

// A stored baud rate that is none of the four entries selects the first, so that OK always
// stores a rate the board can use.
void ConfigRemoteDisplayForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui_->ConfigRemoteDisplayOK->setText(texts_.get(QStringLiteral("GENERAL_OK")));
    CentreOver(*this, mainWindow_);
    ui_->RemoteConnect->setChecked(settings_.ConnectToRemoteDisplay == 1);
    ui_->ComportNum->setValue(settings_.ComportToRemoteDisplay);
    ComportNum_Change(ui_->ComportNum->value());
    QListWidget& rates = *ui_->Baudrate;
    int selected = 0;
    for (int row = 0; row < rates.count(); ++row) {
        if (baudRateOf(*rates.item(row)) == settings_.BaudrateToRemoteDisplay)
            selected = row;
    }
    rates.setCurrentRow(selected);
}

void ConfigRemoteDisplayForm::ComportNum_Change(int value) {
    ui_->ComportText->setText(QString::number(value));
}

void ConfigRemoteDisplayForm::ConfigRemoteDisplayOK_Click() {
    settings_.ConnectToRemoteDisplay = ui_->RemoteConnect->isChecked() ? 1 : 0;
    settings_.ComportToRemoteDisplay = ui_->ComportNum->value();
    settings_.BaudrateToRemoteDisplay = baudRateOf(*ui_->Baudrate->currentItem());
    accept();
}

} // namespace veltra
