#include "ui/scoresheetconfirmform.h"

#include "ui/formsupport.h"
#include "ui_scoresheetconfirmform.h"

#include <QShowEvent>

namespace veltra {

ScoreSheetConfirmForm::ScoreSheetConfirmForm(const Contest& contest, const Texts& texts,
                                             QWidget& mainWindow)
    : QDialog(&mainWindow), contest_(contest), texts_(texts), mainWindow_(mainWindow),
      ui_(std::make_unique<Ui::ScoreSheetConfirmForm>()) {
    ui_->setupUi(this);
    const std::pair<QRadioButton*, ScoreSheetChoice> options[] = {
        {ui_->AllJudgesAndPilots, ScoreSheetChoice::AllJudgesAndPilots},
        {ui_->OneJudgeAllPilots, ScoreSheetChoice::OneJudgeAllPilots},
        {ui_->AllJudgesOnePilot, ScoreSheetChoice::AllJudgesOnePilot},
        {ui_->OneSingleSheet, ScoreSheetChoice::OneSingleSheet}};
    for (const auto& [button, choice] : options) {
        connect(button, &QRadioButton::clicked, this,
                [this, choice = choice] { Option_Click(choice); });
    }
    connect(ui_->OK, &QPushButton::clicked, this, &ScoreSheetConfirmForm::OK_Click);
    connect(ui_->Cancel, &QPushButton::clicked, this, &ScoreSheetConfirmForm::reject);
    ApplyLanguageCaptions(*this, texts_);
}

ScoreSheetConfirmForm::~ScoreSheetConfirmForm() = default;

void ScoreSheetConfirmForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void ScoreSheetConfirmForm::Form_Activate() {
    ui_->TextWarning1->setText(texts_.get(QStringLiteral("SCORE_SHEET_CONFIRM_TEXT_1")));
    ui_->TextWarning2->setText(texts_.get(QStringLiteral("SCORE_SHEET_CONFIRM_TEXT_2")));
    ui_->OK->setText(texts_.get(QStringLiteral("GENERAL_OK")));
    ui_->Cancel->setText(texts_.get(QStringLiteral("GENERAL_CANCEL")));
    ui_->AllJudgesAndPilots->setChecked(true);
    ui_->AllJudgesAndPilots->setFocus();
    Option_Click(ScoreSheetChoice::AllJudgesAndPilots);
    CentreOver(*this, mainWindow_);
}

void ScoreSheetConfirmForm::Option_Click(ScoreSheetChoice choice) {
    ScoreSheetChoice_ = choice;
    ui_->PaperNumber->setText(QString::number(ScoreSheetCount(contest_, choice)));
}

void ScoreSheetConfirmForm::OK_Click() {
    accept();
}

// Cancel, Escape and the close box all ask for no sheets.
void ScoreSheetConfirmForm::reject() {
    ScoreSheetChoice_ = ScoreSheetChoice::Cancelled;
    QDialog::reject();
}

} // namespace veltra
