#include "ui/configgeneralform.h"

#include "ui/formsupport.h"
#include "ui_configgeneralform.h"

namespace veltra {

ConfigGeneralForm::ConfigGeneralForm(Settings& settings, const Texts& texts, QWidget& mainWindow)
    : QDialog(&mainWindow), settings_(settings), texts_(texts), mainWindow_(mainWindow),
      ui_(std::make_unique<Ui::ConfigGeneralForm>()) {
    ui_->setupUi(this);
    connect(ui_->GeneralConfigOK, &QPushButton::clicked, this,
            &ConfigGeneralForm::GeneralConfigOK_Click);
    ApplyLanguageCaptions(*this, texts_);
}

ConfigGeneralForm::~ConfigGeneralForm() = default;

// A stored mode that is neither entry leaves the list without a selection.
void ConfigGeneralForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui_->GeneralConfigOK->setText(texts_.get(QStringLiteral("GENERAL_OK")));
    CentreOver(*this, mainWindow_);
    QListWidget& list = *ui_->FrequencyDisplayModeList;
    list.item(0)->setText(texts_.get(QStringLiteral("CGF_FREQUENCY_ENTRY")));
    list.item(1)->setText(texts_.get(QStringLiteral("CGF_CHANNEL_ENTRY")));
    const int mode = settings_.FrequencyDisplayMode;
    list.clearSelection();
    list.setCurrentRow(mode >= 0 && mode < list.count() ? mode : -1);
}

// OK without a selection keeps the stored mode.
void ConfigGeneralForm::GeneralConfigOK_Click() {
    const int selected = ui_->FrequencyDisplayModeList->currentRow();
    if (selected >= 0)
        settings_.FrequencyDisplayMode = selected;
    accept();
}

} // namespace veltra
