#include "ui/scoresform.h"

#include "core/format.h"
#include "scoring/scorefiles.h"
#include "ui/formsupport.h"
#include "ui_scoresform.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QTableWidgetItem>
#include <algorithm>

namespace veltra {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kMinimumRowHeight = 11;
constexpr int kMinimumFontPixels = 9;

// Keys that move the cursor in the grid; every other key that is no mark is ignored.
bool isNavigationKey(int key) {
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

// The mark a key types: "0" to "9", and "x" or "X" for 10.
int markOfKey(const QString& text) {
    if (text.size() != 1)
        return -1;
    const QChar c = text.at(0);
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    return c == u'x' || c == u'X' ? 10 : -1;
}

} // namespace

ScoresForm::ScoresForm(AppState& state, QWidget* parent)
    : QDialog(parent), state_(state), ui_(std::make_unique<Ui::ScoresForm>()) {
    ui_->setupUi(this);
    ui_->ResultGrid->installEventFilter(this);
    ui_->AutoPrint->setEnabled(false);
    connect(ui_->PilotList, &QListWidget::currentRowChanged, this, &ScoresForm::PilotList_Changed);
    connect(ui_->RoundChange, qOverload<int>(&QSpinBox::valueChanged), this,
            &ScoresForm::RoundChange_Changed);
    connect(ui_->ScoresBonus, qOverload<int>(&QSpinBox::valueChanged), this,
            &ScoresForm::ScoresBonus_Changed);
    connect(ui_->ScoresNext, &QPushButton::clicked, this, &ScoresForm::ScoresNext_Click);
    connect(ui_->ScoresOK, &QPushButton::clicked, this, &ScoresForm::ScoresOK_Click);
    connect(ui_->ScoresExplain, &QPushButton::clicked, this, &ScoresForm::ScoresExplain_Click);
    ui_->ScoresExplain->setEnabled(false);
    ApplyLanguageCaptions(*this, state_.texts);
}

ScoresForm::~ScoresForm() = default;

void ScoresForm::setRoundPrinter(RoundPrinter printer) {
    printer_ = std::move(printer);
    ui_->AutoPrint->setEnabled(static_cast<bool>(printer_));
}

void ScoresForm::setExplainer(Explainer explainer) {
    explainer_ = std::move(explainer);
    ui_->ScoresExplain->setEnabled(static_cast<bool>(explainer_));
}

int ScoresForm::maneuverRows() const {
    return state_.contest.ManeuverCount;
}
int ScoresForm::judgeColumns() const {
    return state_.contest.JudgeCount;
}
int ScoresForm::lastColumn() const {
    return judgeColumns() + 2;
}
int ScoresForm::lastRow() const {
    return maneuverRows() + 1;
}

void ScoresForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void ScoresForm::Form_Activate() {
    if (parentWidget())
        CentreOver(*this, *parentWidget());
    ui_->ScoresOK->setText(state_.texts.get(QStringLiteral("GENERAL_RETURN")));
    loading_ = true;
    buildGrid();
    // The pilot and round last worked on, as far as the competition still has them.
    const int pilots = state_.contest.PilotCount;
    const int pilot = pilots > 0 ? std::clamp(state_.work.EditPilotIndex, 0, pilots - 1) : -1;
    const int lastRound = std::clamp(state_.contest.Rounds, 1, MaxRounds);
    state_.work.CurrentRound = std::clamp(state_.work.CurrentRound, 1, lastRound);
    {
        const QSignalBlocker blockList(ui_->PilotList);
        ui_->PilotList->clear();
        for (int i = 0; i < state_.contest.PilotCount; ++i)
            ui_->PilotList->addItem(state_.contest.Pilots[i].Name);
        ui_->PilotList->setCurrentRow(pilot);
    }
    showPilot(std::max(pilot, 0));
    {
        const QSignalBlocker blockSpin(ui_->RoundChange);
        ui_->RoundChange->setRange(1, lastRound);
        ui_->RoundChange->setValue(state_.work.CurrentRound);
    }
    ui_->ScoreRound->setText(QString::number(state_.work.CurrentRound));
    ClearGrid();
    {
        const QSignalBlocker blockBonus(ui_->ScoresBonus);
        ui_->ScoresBonus->setValue(0);
        ui_->BonusText->setText(QStringLiteral("0"));
    }
    RecallScores();
    ui_->ResultGrid->setCurrentCell(1, 2);
    ui_->ResultGrid->setFocus();
    loading_ = false;
}

void ScoresForm::setCell(int row, int column, const QString& text) {
    QTableWidgetItem* item = ui_->ResultGrid->item(row, column);
    if (item->text() != text)
        item->setText(text);
}

void ScoresForm::buildGrid() {
    QTableWidget& grid = *ui_->ResultGrid;
    const Contest& c = state_.contest;
    grid.clear();
    grid.setColumnCount(judgeColumns() + 3);
    grid.setRowCount(maneuverRows() + 2);
    const QBrush fixedBrush = palette().button();
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int column = 0; column < grid.columnCount(); ++column) {
            auto* item = new QTableWidgetItem;
            const bool markCell =
                row >= 1 && row <= maneuverRows() && column >= 2 && column < lastColumn();
            item->setFlags(markCell ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled);
            if (!markCell)
                item->setBackground(fixedBrush);
            item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                               : Qt::AlignRight | Qt::AlignVCenter);
            grid.setItem(row, column, item);
        }
    }
    setCell(0, 1, QStringLiteral("K"));
    for (int j = 0; j < judgeColumns(); ++j) {
        setCell(0, j + 2, c.Judges[j].Name);
        grid.item(0, j + 2)->setToolTip(c.Judges[j].Name);
        grid.item(0, j + 2)->setTextAlignment(Qt::AlignCenter);
    }
    setCell(0, lastColumn(), QStringLiteral("Sum"));
    for (int m = 0; m < maneuverRows(); ++m) {
        setCell(m + 1, 0, c.ManeuverName[m]);
        setCell(m + 1, 1, KFactorCellText(c.ManeuverK[m]));
    }
    setCell(lastRow(), 0, QStringLiteral("Totalt"));

    fitGridToWindow();
}

// Every row fits the grid's height, as the design has it, so the totals stay in view without
// scrolling; the font shrinks with the rows, down to a size that stays readable.
void ScoresForm::fitGridToWindow() {
    QTableWidget& grid = *ui_->ResultGrid;
    if (grid.rowCount() == 0)
        return;
    // The heading row has room for two lines, so long judge names wrap instead of vanishing.
    const int lines = grid.rowCount() + 1;
    const int rowHeight =
        std::max((grid.viewport()->height() - 100 / kTwipsPerPixel) / lines, kMinimumRowHeight);
    QFont font = this->font();
    if (QFontMetrics(font).height() + 2 > rowHeight)
        font.setPixelSize(std::max(rowHeight - 3, kMinimumFontPixels));
    grid.setFont(font);
    grid.verticalHeader()->setMinimumSectionSize(kMinimumRowHeight);
    grid.setRowHeight(0, 2 * rowHeight);
    for (int row = 1; row < grid.rowCount(); ++row)
        grid.setRowHeight(row, rowHeight);

    // Widths of the design in twips, widened where a text would not fit; the judges share
    // what is left, so the sums stay in view.
    const QFontMetrics metrics(font);
    const int padding = metrics.horizontalAdvance(u'0');
    const int nameWidth = std::max(2000 / kTwipsPerPixel, 14 * padding);
    const int kWidth = std::max(200 / kTwipsPerPixel,
                                metrics.horizontalAdvance(QStringLiteral("10")) + 2 * padding);
    const int sumWidth = std::max(
        700 / kTwipsPerPixel, metrics.horizontalAdvance(QStringLiteral("9999.9")) + 2 * padding);
    grid.setColumnWidth(0, nameWidth);
    grid.setColumnWidth(1, kWidth);
    grid.setColumnWidth(lastColumn(), sumWidth);
    if (judgeColumns() > 0) {
        const int free = grid.viewport()->width() - nameWidth - kWidth - sumWidth - 2;
        const int width = std::max(free / judgeColumns(),
                                   metrics.horizontalAdvance(QStringLiteral("999")) + 2 * padding);
        for (int j = 0; j < judgeColumns(); ++j)
            grid.setColumnWidth(j + 2, width);
    }
}

void ScoresForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    fitGridToWindow();
}

void ScoresForm::ClearGrid() {
    marks_.clear();
    for (int row = 1; row <= lastRow(); ++row)
        for (int column = 2; column <= lastColumn(); ++column)
            setCell(row, column, QString());
    ui_->ResultGrid->setCurrentCell(1, 2);
}

void ScoresForm::showMarks() {
    for (int m = 0; m < maneuverRows(); ++m)
        for (int j = 0; j < judgeColumns(); ++j)
            setCell(m + 1, j + 2,
                    marks_.hasMark(m, j) ? QString::number(marks_.mark(m, j)) : QString());
}

void ScoresForm::Recalculate(int row) {
    Contest& c = state_.contest;
    const int pilot = state_.work.EditPilotIndex;
    if (pilot < 0 || pilot >= c.PilotCount)
        return;
    const RoundTotals totals = ComputeRoundTotals(marks_, c, c.Pilots[pilot].KFactor);
    if (row >= 1)
        setCell(row, lastColumn(), RowSumCellText(totals.rowSum[row - 1]));
    for (int j = 0; j < judgeColumns(); ++j)
        setCell(lastRow(), j + 2, JudgeSumCellText(totals.judgeSum[j]));
    setCell(lastRow(), lastColumn(), PointsCellText(totals.points));
    c.Pilots[pilot].RoundScore[state_.work.CurrentRound - 1] = totals.points;
}

void ScoresForm::RecallScores() {
    const int pilot = state_.work.EditPilotIndex;
    if (pilot < 0 || pilot >= state_.contest.PilotCount)
        return;
    const Status status =
        veltra::RecallScores(state_.contest, state_.work, pilot, state_.work.CurrentRound, marks_);
    showMarks();
    {
        const QSignalBlocker blockBonus(ui_->ScoresBonus);
        ui_->ScoresBonus->setValue(marks_.bonus());
        ui_->BonusText->setText(QString::number(marks_.bonus()));
    }
    for (int row = 1; row <= maneuverRows(); ++row)
        Recalculate(row);
    Recalculate(0);
    if (!status)
        QMessageBox::warning(this, QString::fromLatin1(ProgramName), status.message);
}

bool ScoresForm::SaveScores() {
    const int pilot = state_.work.EditPilotIndex;
    if (pilot < 0 || pilot >= state_.contest.PilotCount)
        return true;
    const Status status =
        veltra::SaveScores(state_.contest, state_.work, pilot, state_.work.CurrentRound, marks_);
    if (!status)
        QMessageBox::critical(this, QString::fromLatin1(ProgramName), status.message);
    return status.ok;
}

void ScoresForm::showPilot(int index) {
    state_.work.EditPilotIndex = index;
    const bool valid = index >= 0 && index < state_.contest.PilotCount;
    ui_->ScoresPilotKfact->setText(
        valid ? FormatNumber(state_.contest.Pilots[index].KFactor, u"0.00") : QString());
}

void ScoresForm::PilotList_Changed(int row) {
    if (row < 0)
        return;
    if (!loading_ && !SaveScores()) {
        const QSignalBlocker block(ui_->PilotList);
        ui_->PilotList->setCurrentRow(state_.work.EditPilotIndex);
        return;
    }
    switchToPilot(row);
}

void ScoresForm::switchToPilot(int index) {
    showPilot(index);
    ClearGrid();
    ui_->ScoresBonus->setValue(0);
    RecallScores();
    ui_->ResultGrid->setFocus();
}

void ScoresForm::RoundChange_Changed(int round) {
    if (!loading_ && !SaveScores()) {
        const QSignalBlocker block(ui_->RoundChange);
        ui_->RoundChange->setValue(state_.work.CurrentRound);
        return;
    }
    state_.work.CurrentRound = round;
    ui_->ScoreRound->setText(QString::number(round));
    ClearGrid();
    ui_->ScoresBonus->setValue(0);
    RecallScores();
    ui_->ResultGrid->setFocus();
}

void ScoresForm::ScoresBonus_Changed(int bonus) {
    ui_->BonusText->setText(QString::number(bonus));
    marks_.setBonus(bonus);
    Recalculate(0);
}

void ScoresForm::ScoresNext_Click() {
    if (state_.contest.PilotCount == 0)
        return;
    setCursor(Qt::WaitCursor);
    if (ui_->AutoPrint->isChecked() && printer_)
        printer_(marks_);
    if (SaveScores()) {
        const int next = (state_.work.EditPilotIndex + 1) % state_.contest.PilotCount;
        {
            const QSignalBlocker block(ui_->PilotList);
            ui_->PilotList->setCurrentRow(next);
        }
        switchToPilot(next);
    }
    unsetCursor();
    ui_->ResultGrid->setFocus();
}

void ScoresForm::ScoresOK_Click() {
    if (SaveScores())
        hide();
}

void ScoresForm::ScoresExplain_Click() {
    if (explainer_ && SaveScores())
        explainer_(state_.work.EditPilotIndex, state_.work.CurrentRound);
    ui_->ResultGrid->setFocus();
}

void ScoresForm::reject() {
    ScoresOK_Click();
}

void ScoresForm::closeEvent(QCloseEvent* event) {
    if (!SaveScores()) {
        event->ignore();
        return;
    }
    event->accept();
    QDialog::closeEvent(event);
}

void ScoresForm::typeMark(int mark) {
    QTableWidget& grid = *ui_->ResultGrid;
    const int row = grid.currentRow();
    const int column = grid.currentColumn();
    if (row < 1 || row > maneuverRows() || column < 2 || column >= lastColumn())
        return;
    marks_.setMark(row - 1, column - 2, mark);
    setCell(row, column, QString::number(mark));
    Recalculate(row);
    if (row < grid.rowCount() - 2)
        grid.setCurrentCell(row + 1, column);
    else
        grid.setCurrentCell(1, column < grid.columnCount() - 2 ? column + 1 : column);
}

bool ScoresForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched != ui_->ResultGrid || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int mark = markOfKey(key->text());
    if (mark >= 0) {
        typeMark(mark);
        return true;
    }
    return !isNavigationKey(key->key());
}

} // namespace veltra
