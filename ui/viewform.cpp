#include "ui/viewform.h"

#include "reports/textviews.h"
#include "ui/formsupport.h"
#include "ui_viewform.h"

#include <QSignalBlocker>
#include <algorithm>

namespace veltra {

ViewForm::ViewForm(AppState& state, QWidget* mainWindow)
    : QDialog(mainWindow), state_(state), ui_(std::make_unique<Ui::ViewForm>()) {
    ui_->setupUi(this);
    setModal(false);
    UseFixedPitchFont(*ui_->ViewArea);
    connect(ui_->Variable, qOverload<int>(&QSpinBox::valueChanged), this,
            &ViewForm::Variable_Change);
    connect(ui_->Return, &QPushButton::clicked, this, &ViewForm::Return_Click);
    connect(ui_->ViewExplain, &QPushButton::clicked, this, &ViewForm::explainRequested);
    ApplyLanguageCaptions(*this, state_.texts);
}

ViewForm::~ViewForm() = default;

QString ViewForm::tag() const {
    switch (mode_) {
    case Mode::Results:
        return QStringLiteral("RESULTS");
    case Mode::StartList:
        return QStringLiteral("STARTLIST");
    case Mode::Analysis:
        break;
    }
    return QStringLiteral("ANALYSIS");
}

void ViewForm::showResults(const QString& text) {
    setText(text);
    present(Mode::Results, false);
}

void ViewForm::showStartList() {
    ui_->Variable->setRange(1, std::clamp(state_.contest.Rounds, 1, MaxRounds));
    ui_->VariableLabel->setText(state_.texts.get(QStringLiteral("SCORE_PRINT_ROUND_LABEL")));
    ui_->VariableLabel->adjustSize();
    present(Mode::StartList, true);
}

void ViewForm::showAnalysis(const QString& text) {
    setText(text);
    present(Mode::Analysis, false);
}

void ViewForm::present(Mode mode, bool roundChoice) {
    mode_ = mode;
    ui_->ViewExplain->setVisible(mode == Mode::Results);
    ui_->Variable->setVisible(roundChoice);
    ui_->VariableText->setVisible(roundChoice);
    ui_->VariableLabel->setVisible(roundChoice);
    show();
    Form_Activate();
    raise();
    activateWindow();
}

// Runs on every View command rather than on every focus change, so that the round chosen
// stays while the user looks at the main window.
void ViewForm::Form_Activate() {
    if (const QWidget* main = parentWidget()) {
        resize(static_cast<int>(main->width() * 0.99), static_cast<int>(main->height() * 0.99));
        CentreOver(*this, *main);
    }
    ui_->Return->setText(state_.texts.get(QStringLiteral("GENERAL_RETURN")));
    layOut();
    {
        const QSignalBlocker block(ui_->Variable);
        ui_->Variable->setValue(1);
    }
    // Also when the spin stood at 1 already, as it always does with a single round.
    Variable_Change(1);
}

// The text area takes 95 % of the width, centred, and all the height but three button
// heights; the round choice sits below it beside Return.
void ViewForm::layOut() {
    const int buttonHeight = ui_->Return->height();
    const int areaWidth = static_cast<int>(width() * 0.95);
    const int areaHeight = std::max(0, height() - 3 * buttonHeight);
    ui_->ViewArea->setGeometry((width() - areaWidth) / 2, buttonHeight / 2, areaWidth, areaHeight);
    const int row = ui_->ViewArea->geometry().bottom() + 1 + buttonHeight / 2;
    int x = ui_->ViewArea->x();
    for (QWidget* control :
         {static_cast<QWidget*>(ui_->Return), static_cast<QWidget*>(ui_->ViewExplain),
          static_cast<QWidget*>(ui_->VariableLabel), static_cast<QWidget*>(ui_->VariableText),
          static_cast<QWidget*>(ui_->Variable)}) {
        if (control->isHidden())
            continue;
        control->move(x, row + (buttonHeight - control->height()) / 2);
        x += control->width() + buttonHeight / 2;
    }
}

void ViewForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layOut();
}

void ViewForm::setText(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    ui_->ViewArea->setPlainText(lines);
}

void ViewForm::Variable_Change(int round) {
    ui_->VariableText->setText(QString::number(round));
    if (mode_ == Mode::StartList) {
        setText(StartListViewText(state_.contest, state_.texts, QString::fromLatin1(MainCaption),
                                  state_.settings.FrequencyDisplayMode, round));
    }
}

void ViewForm::Return_Click() {
    hide();
}

} // namespace veltra
