#include "ui/selectform.h"

#include "ui/formsupport.h"
#include "ui_selectform.h"

namespace veltra {

SelectForm::SelectForm(const Contest& contest, const Texts& texts, QWidget& mainWindow)
    : QDialog(&mainWindow), contest_(contest), texts_(texts), mainWindow_(mainWindow),
      ui_(std::make_unique<Ui::SelectForm>()) {
    ui_->setupUi(this);
    connect(ui_->SelectOK, &QPushButton::clicked, this, &SelectForm::SelectOK_Click);
    connect(ui_->SelectList, &QListWidget::itemDoubleClicked, this, &SelectForm::SelectOK_Click);
    ApplyLanguageCaptions(*this, texts_);
}

SelectForm::~SelectForm() = default;

int SelectForm::listIndex() const {
    if (!confirmed_)
        return -1;
    const QModelIndexList selected = ui_->SelectList->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void SelectForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui_->SelectOK->setText(texts_.get(QStringLiteral("GENERAL_OK")));
    CentreOver(*this, mainWindow_);
    confirmed_ = false;
    QListWidget& list = *ui_->SelectList;
    if (tag_ == QLatin1String("JUDGES")) {
        ui_->SelectPrompt->setText(texts_.get(QStringLiteral("SELECT_FORM_JUDGE_PROMPT")));
        list.clear();
        for (int j = 0; j < contest_.JudgeCount; ++j)
            list.addItem(contest_.Judges[j].Name);
    } else if (tag_ == QLatin1String("PILOTS")) {
        ui_->SelectPrompt->setText(texts_.get(QStringLiteral("SELECT_FORM_PILOT_PROMPT")));
        list.clear();
        for (int p = 0; p < contest_.PilotCount; ++p)
            list.addItem(contest_.Pilots[p].Name);
    }
    list.setFocus();
}

void SelectForm::SelectOK_Click() {
    confirmed_ = true;
    accept();
}

} // namespace veltra
