#include "ui/scoresform.h"

#include "core/format.h"
#include "scoring/scorefiles.h"
#include "ui/formsupport.h"
#include "ui_scoresform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableWidgetItem>
#include <algorithm>

namespace veltra {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kMinimumRowHeight = 11;
constexpr int kMinimumFontPixels = 9;

// Keys that move the cursor in the grid or the focus out of it; every other key that is no mark
// is ignored.
bool isNavigationKey(int key) {
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
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

// A check mark in `colour`, or a blank of the same size that keeps the names in line.
QIcon checkMarkIcon(const QColor& colour) {
    constexpr int size = 16;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    if (colour.isValid()) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({{3.0, 8.5}, {6.5, 12.0}, {13.0, 4.0}}));
    }
    return QIcon(pixmap);
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
    ui_->ScoresBonus->installEventFilter(this);
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this,
            &ScoresForm::undoEdit);
    storedIcon_ = checkMarkIcon(QColor(0x1a, 0x7f, 0x37));
    unstoredIcon_ = checkMarkIcon(QColor());
    ApplyLanguageCaptions(*this, state_.texts);
}

ScoresForm::~ScoresForm() = default;

int ScoresForm::showModal() {
    if (state_.contest.ManeuverCount > 0)
        return exec();
    QMessageBox::warning(
        parentWidget(), QString::fromLatin1(ProgramName),
        text("SCORES_NO_SCHEDULE_MESSAGE")
            .arg(state_.contest.ContSchedule, QDir::toNativeSeparators(state_.work.ProgramDir)));
    return Rejected;
}

QString ScoresForm::text(const char* key) const {
    return state_.texts.get(QLatin1String(key));
}

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
    markStoredPilots();
    ui_->ScoreRound->setText(QString::number(state_.work.CurrentRound));
    ClearGrid();
    showBonus(0);
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
        showJudgeHeadings(metrics, width);
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

// The bonus shown by the program is no change of the user's.
void ScoresForm::showBonus(int bonus) {
    const QSignalBlocker blockBonus(ui_->ScoresBonus);
    ui_->ScoresBonus->setValue(bonus);
    ui_->BonusText->setText(QString::number(bonus));
}

// The round's points follow the grid only when it shows what the file holds or what was typed:
// a round not flown, or read in part, keeps the points stored for it.
bool ScoresForm::pointsFollowGrid() const {
    return changed_ || source_ == RoundSource::Read;
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
    if (pointsFollowGrid())
        c.Pilots[pilot].RoundScore[state_.work.CurrentRound - 1] = totals.points;
}

void ScoresForm::RecallScores() {
    const int pilot = state_.work.EditPilotIndex;
    if (pilot < 0 || pilot >= state_.contest.PilotCount)
        return;
    const int round = state_.work.CurrentRound;
    double& points = state_.contest.Pilots[pilot].RoundScore[round - 1];
    storedPoints_ = points;
    roundFile_ =
        RoundScoreFilePath(state_.contest, state_.work, state_.contest.Pilots[pilot].Name, round);
    const RoundFileRead read =
        veltra::RecallScores(state_.contest, state_.work, pilot, round, marks_, state_.texts);
    source_ = !read.found     ? RoundSource::Unflown
              : read.intact   ? RoundSource::Read
              : read.fitsGrid ? RoundSource::Damaged
                              : RoundSource::Kept;
    changed_ = false;
    replaceConfirmed_ = false;
    showMarks();
    showBonus(marks_.bonus());
    for (int row = 1; row <= maneuverRows(); ++row)
        Recalculate(row);
    Recalculate(0);
    // Points stored before the pilot's K-factor changed are stored again as the marks give
    // them; compared as the results file writes them.
    changed_ = source_ == RoundSource::Read &&
               FormatNumber(points, u"0000.00") != FormatNumber(storedPoints_, u"0000.00");
    rescored_ = changed_;
    readMarks_ = marks_;
    edits_.clear();
    showRoundState();
    if (!read.intact)
        QMessageBox::warning(
            this, QString::fromLatin1(ProgramName),
            read.message + QStringLiteral("\n\n") +
                text(read.fitsGrid ? "ROUND_FILE_SHOWN_MESSAGE" : "ROUND_FILE_KEPT_MESSAGE"));
}

// A round read in part is replaced only when the user says so; one with marks the grid cannot
// show takes no change at all.
bool ScoresForm::mayChangeRound() {
    if (source_ == RoundSource::Kept) {
        QApplication::beep();
        return false;
    }
    if (source_ == RoundSource::Damaged && !replaceConfirmed_) {
        replaceConfirmed_ =
            QMessageBox::question(
                this, QString::fromLatin1(ProgramName),
                text("ROUND_FILE_REPLACE_QUESTION").arg(QDir::toNativeSeparators(roundFile_)),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    }
    return source_ != RoundSource::Damaged || replaceConfirmed_;
}

// Stores the shown round when it was changed. A failed store offers another folder or leaving
// without storing; true when the window may move on.
bool ScoresForm::leaveRound() {
    const int pilot = state_.work.EditPilotIndex;
    if (!changed_ || pilot < 0 || pilot >= state_.contest.PilotCount)
        return true;
    Status status =
        veltra::SaveScores(state_.contest, state_.work, pilot, state_.work.CurrentRound, marks_);
    const bool storedHere = status.ok;
    while (!status) {
        QMessageBox offer(QMessageBox::Critical, QString::fromLatin1(ProgramName),
                          status.message + QStringLiteral("\n\n") +
                              text("SCORES_STORE_FAILED_MESSAGE"),
                          QMessageBox::Cancel, this);
        offer.button(QMessageBox::Cancel)->setText(text("GENERAL_CANCEL"));
        const QPushButton* elsewhere =
            offer.addButton(text("SCORES_STORE_ELSEWHERE_BUTTON"), QMessageBox::AcceptRole);
        const QPushButton* unstored =
            offer.addButton(text("SCORES_LEAVE_UNSTORED_BUTTON"), QMessageBox::DestructiveRole);
        offer.exec();
        if (offer.clickedButton() == elsewhere)
            storeElsewhere(status);
        else if (offer.clickedButton() == unstored && leaveUnstored())
            return true;
        else if (offer.clickedButton() != unstored)
            return false;
    }
    noteStored();
    if (storedHere)
        emit roundStored(pilot, state_.work.CurrentRound);
    return true;
}

// The round score file and the results file, under their own names, in a folder the user
// chooses; `status` tells how that went, and stays as it was when no folder was chosen.
void ScoresForm::storeElsewhere(Status& status) {
    const QString start = otherFolder_.isEmpty() ? QDir::homePath() : otherFolder_;
    const QString folder =
        QFileDialog::getExistingDirectory(this, text("SCORES_FOLDER_CAPTION"), start);
    if (folder.isEmpty())
        return;
    Workspace elsewhere = state_.work;
    elsewhere.ContestDir = folder + u'/';
    status = veltra::SaveScores(state_.contest, elsewhere, state_.work.EditPilotIndex,
                                state_.work.CurrentRound, marks_);
    if (!status)
        return;
    otherFolder_ = folder;
    QMessageBox::information(
        this, QString::fromLatin1(ProgramName),
        text("SCORES_STORED_ELSEWHERE_MESSAGE").arg(QDir::toNativeSeparators(folder)));
}

bool ScoresForm::leaveUnstored() {
    const Pilot& pilot = state_.contest.Pilots[state_.work.EditPilotIndex];
    const int round = state_.work.CurrentRound;
    if (QMessageBox::question(
            this, QString::fromLatin1(ProgramName),
            text("SCORES_LEAVE_UNSTORED_QUESTION").arg(pilot.Name, QString::number(round)),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return false;
    state_.contest.Pilots[state_.work.EditPilotIndex].RoundScore[round - 1] = storedPoints_;
    changed_ = false;
    return true;
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
    if (!loading_ && !leaveRound()) {
        const QSignalBlocker block(ui_->PilotList);
        ui_->PilotList->setCurrentRow(state_.work.EditPilotIndex);
        return;
    }
    switchToPilot(row);
}

void ScoresForm::switchToPilot(int index) {
    showPilot(index);
    ClearGrid();
    showBonus(0);
    RecallScores();
    ui_->ResultGrid->setFocus();
}

void ScoresForm::RoundChange_Changed(int round) {
    if (!loading_ && !leaveRound()) {
        const QSignalBlocker block(ui_->RoundChange);
        ui_->RoundChange->setValue(state_.work.CurrentRound);
        return;
    }
    state_.work.CurrentRound = round;
    markStoredPilots();
    ui_->ScoreRound->setText(QString::number(round));
    ClearGrid();
    showBonus(0);
    RecallScores();
    ui_->ResultGrid->setFocus();
}

void ScoresForm::ScoresBonus_Changed(int bonus) {
    if (!mayChangeRound()) {
        showBonus(marks_.bonus());
        return;
    }
    // A run of bonus changes is taken back at once.
    if (edits_.empty() || edits_.back().maneuver >= 0)
        edits_.push_back({-1, -1, marks_.bonus()});
    ui_->BonusText->setText(QString::number(bonus));
    marks_.setBonus(bonus);
    noteChange();
    Recalculate(0);
}

void ScoresForm::ScoresNext_Click() {
    if (state_.contest.PilotCount == 0)
        return;
    setCursor(Qt::WaitCursor);
    if (ui_->AutoPrint->isChecked() && printer_)
        printer_(marks_);
    if (leaveRound()) {
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
    if (leaveRound())
        hide();
}

void ScoresForm::ScoresExplain_Click() {
    if (explainer_ && leaveRound())
        explainer_(state_.work.EditPilotIndex, state_.work.CurrentRound);
    ui_->ResultGrid->setFocus();
}

void ScoresForm::reject() {
    ScoresOK_Click();
}

void ScoresForm::closeEvent(QCloseEvent* event) {
    if (!leaveRound()) {
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
    if (!isMarkCell(row, column) || !mayChangeRound())
        return;
    changeMark(row, column, mark);
    if (row < grid.rowCount() - 2)
        grid.setCurrentCell(row + 1, column);
    else
        grid.setCurrentCell(1, column < grid.columnCount() - 2 ? column + 1 : column);
}

bool ScoresForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // The bonus box would take Ctrl+Z back in its own text.
    if (watched == ui_->ScoresBonus && key->matches(QKeySequence::Undo)) {
        undoEdit();
        return true;
    }
    if (watched != ui_->ResultGrid)
        return QDialog::eventFilter(watched, event);
    const int mark = markOfKey(key->text());
    if (mark >= 0) {
        typeMark(mark);
        return true;
    }
    if (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) {
        clearMark();
        return true;
    }
    return !isNavigationKey(key->key());
}

bool ScoresForm::isMarkCell(int row, int column) const {
    return row >= 1 && row <= maneuverRows() && column >= 2 && column < lastColumn();
}

void ScoresForm::clearMark() {
    const int row = ui_->ResultGrid->currentRow();
    const int column = ui_->ResultGrid->currentColumn();
    if (isMarkCell(row, column) && marks_.hasMark(row - 1, column - 2) && mayChangeRound())
        changeMark(row, column, -1);
}

// A mark typed or cleared (-1), kept so that Ctrl+Z can take it back.
void ScoresForm::changeMark(int row, int column, int mark) {
    const int before = marks_.hasMark(row - 1, column - 2) ? marks_.mark(row - 1, column - 2) : -1;
    if (before != mark)
        edits_.push_back({row - 1, column - 2, before});
    putMark(row, column, mark);
}

void ScoresForm::putMark(int row, int column, int mark) {
    if (mark < 0)
        marks_.clearMark(row - 1, column - 2);
    else
        marks_.setMark(row - 1, column - 2, mark);
    noteChange();
    setCell(row, column, mark < 0 ? QString() : QString::number(mark));
    Recalculate(row);
}

// Takes back the last mark typed or cleared, or the last run of bonus changes, and puts the
// cursor on a mark taken back.
void ScoresForm::undoEdit() {
    if (edits_.empty()) {
        QApplication::beep();
        return;
    }
    const Edit edit = edits_.back();
    edits_.pop_back();
    if (edit.maneuver < 0) {
        showBonus(edit.before);
        marks_.setBonus(edit.before);
        noteChange();
        Recalculate(0);
        return;
    }
    putMark(edit.maneuver + 1, edit.judge + 2, edit.before);
    ui_->ResultGrid->setCurrentCell(edit.maneuver + 1, edit.judge + 2);
}

// The round is changed while its marks or bonus differ from what was read or stored, or its
// stored points differ from its marks'; a round back as it was keeps the points it had.
void ScoresForm::noteChange() {
    changed_ = rescored_ || marks_ != readMarks_;
    const int pilot = state_.work.EditPilotIndex;
    if (!pointsFollowGrid() && pilot >= 0 && pilot < state_.contest.PilotCount)
        state_.contest.Pilots[pilot].RoundScore[state_.work.CurrentRound - 1] = storedPoints_;
    showRoundState();
}

// The round shown is now what its file holds: intact, with the points just stored.
void ScoresForm::noteStored() {
    const int pilot = state_.work.EditPilotIndex;
    readMarks_ = marks_;
    rescored_ = false;
    changed_ = false;
    source_ = RoundSource::Read;
    storedPoints_ = state_.contest.Pilots[pilot].RoundScore[state_.work.CurrentRound - 1];
    edits_.clear();
    showRoundState();
    markStoredPilot(pilot);
}

void ScoresForm::showRoundState() {
    QLabel& shown = *ui_->ScoresRoundState;
    shown.setText(text(changed_                          ? "SCF_ROUND_CHANGED"
                       : source_ == RoundSource::Unflown ? "SCF_ROUND_EMPTY"
                                                         : "SCF_ROUND_STORED"));
    QFont font = this->font();
    font.setBold(changed_);
    shown.setFont(font);
    QPalette colours = palette();
    if (changed_)
        colours.setColor(QPalette::WindowText, QColor(0xb0, 0x40, 0x00));
    shown.setPalette(colours);
}

void ScoresForm::markStoredPilots() {
    for (int i = 0; i < ui_->PilotList->count(); ++i)
        markStoredPilot(i);
}

// A pilot with stored marks for the round shown is bold with a check mark.
void ScoresForm::markStoredPilot(int index) {
    QListWidgetItem* item = ui_->PilotList->item(index);
    if (!item || index >= state_.contest.PilotCount)
        return;
    const bool stored =
        HasStoredRound(state_.contest, state_.work, index, state_.work.CurrentRound);
    if (!item->icon().isNull() && item->font().bold() == stored)
        return;
    QFont font = ui_->PilotList->font();
    font.setBold(stored);
    item->setFont(font);
    item->setIcon(stored ? storedIcon_ : unstoredIcon_);
}

// Each judge's number and name on one line when every heading fits its column so, else the
// number above as much of the name as fits; the heading's tooltip has the whole name.
void ScoresForm::showJudgeHeadings(const QFontMetrics& metrics, int width) {
    const int room = width - 2 * metrics.horizontalAdvance(u'0');
    const auto name = [this](int judge) { return state_.contest.Judges[judge].Name.trimmed(); };
    bool oneLine = true;
    for (int j = 0; j < judgeColumns() && oneLine; ++j)
        oneLine = metrics.horizontalAdvance(QString::number(j + 1) + u' ' + name(j)) < room;
    for (int j = 0; j < judgeColumns(); ++j) {
        const QString heading = oneLine ? QString::number(j + 1) + u' ' + name(j)
                                        : QString::number(j + 1) + u'\n' +
                                              metrics.elidedText(name(j), Qt::ElideRight, room);
        setCell(0, j + 2, heading.trimmed());
    }
}

} // namespace veltra
