#include "ui/judgeform.h"

#include "core/contestedit.h"
#include "ui/editorsupport.h"
#include "ui/formsupport.h"
#include "ui_judgeform.h"

#include <QShowEvent>

namespace veltra {
namespace {

constexpr int kJudgeTextLimit = 30;

} // namespace

JudgeForm::JudgeForm(AppState& state, QWidget* parent)
    : QDialog(parent), state_(state), ui_(std::make_unique<Ui::JudgeForm>()) {
    ui_->setupUi(this);
    ApplyLanguageCaptions(*this, state_.texts);
    CutAtLimit(*ui_->JudgeName, kJudgeTextLimit);
    CutAtLimit(*ui_->JudgeNation, kJudgeTextLimit);
    connect(ui_->JudgeOK, &QPushButton::clicked, this, &JudgeForm::JudgeOK_Click);
    connect(ui_->JudgeCancel, &QPushButton::clicked, this, &JudgeForm::reject);
}

JudgeForm::~JudgeForm() = default;

void JudgeForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void JudgeForm::Form_Activate() {
    if (!placed_) {
        CentreOverMainWindow(*this);
        placed_ = true;
    }
    ui_->JudgeOK->setText(state_.texts.get(QStringLiteral("GENERAL_OK")));
    ui_->JudgeCancel->setText(state_.texts.get(QStringLiteral("GENERAL_CANCEL")));
    const int index = state_.work.EditJudgeIndex;
    if (state_.work.JudgeEditMode == 0) {
        ui_->JudgeName->clear();
        ui_->JudgeNation->clear();
    } else {
        ui_->JudgeName->setText(state_.contest.Judges[index].Name);
        ui_->JudgeNation->setText(state_.contest.Judges[index].Nation);
    }
    ui_->JudgeNumber->setText(QString::number(index + 1));
    ui_->JudgeName->setFocus();
}

void JudgeForm::JudgeOK_Click() {
    for (QLineEdit* box : {ui_->JudgeName, ui_->JudgeNation}) {
        if (const auto fault = UnstorableTextFault(box->text(), QStringLiteral("This box"))) {
            Refuse(*this, *fault, box);
            return;
        }
    }
    StoreJudge(state_.contest, state_.work.EditJudgeIndex, ui_->JudgeName->text(),
               ui_->JudgeNation->text(), state_.work.JudgeEditMode == 0);
    accept();
}

} // namespace veltra
