#include "ui/contestoverview.h"

#include "core/firststart.h"
#include "core/format.h"
#include "scoring/results.h"
#include "scoring/scorefiles.h"
#include "ui_contestoverview.h"

#include <QAction>
#include <QCommandLinkButton>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <algorithm>

namespace veltra {
namespace {

const QColor kStoredBackground(214, 238, 214);
const QColor kStoredText(30, 100, 30);
constexpr int kMinimumNameWidth = 110;

void scaleFont(QWidget& widget, double factor, bool bold) {
    QFont font = widget.font();
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    widget.setFont(font);
}

void bind(QAbstractButton& button, QAction* action) {
    button.setEnabled(action->isEnabled());
    QObject::connect(action, &QAction::enabledChanged, &button, &QWidget::setEnabled);
    QObject::connect(&button, &QAbstractButton::clicked, action, &QAction::trigger);
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

// A read-only table with compact rows and headings, without row numbers; the name column takes
// the width that the others leave.
void prepareTable(QTableWidget& table, const QStringList& headings, int nameColumn) {
    table.clear();
    table.setColumnCount(static_cast<int>(headings.size()));
    table.setHorizontalHeaderLabels(headings);
    table.verticalHeader()->hide();
    table.verticalHeader()->setDefaultSectionSize(table.fontMetrics().height() + 8);
    table.horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table.horizontalHeader()->setSectionResizeMode(nameColumn, QHeaderView::Stretch);
    table.horizontalHeaderItem(nameColumn)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void fitColumns(QTableWidget& table, int nameColumn, int minimumWidth) {
    int fixed = 0;
    for (int column = 0; column < table.columnCount(); ++column) {
        if (column == nameColumn)
            continue;
        table.resizeColumnToContents(column);
        table.setColumnWidth(column, std::max(table.columnWidth(column), minimumWidth));
        fixed += table.columnWidth(column);
    }
    table.setMinimumWidth(fixed + kMinimumNameWidth +
                          table.verticalScrollBar()->sizeHint().width() + 2 * table.frameWidth());
}

} // namespace

ContestOverview::ContestOverview(const AppState& state, const Commands& commands, QWidget* parent)
    : QWidget(parent), state_(state), ui_(std::make_unique<Ui::ContestOverview>()) {
    ui_->setupUi(this);
    recent_ = {ui_->Recent1, ui_->Recent2, ui_->Recent3, ui_->Recent4, ui_->Recent5};
    for (int k = 0; k < MaxRecentFiles; ++k)
        connect(recent_[k], &QAbstractButton::clicked, commands.recent[k], &QAction::trigger);
    bind(*ui_->OverviewNew, commands.newContest);
    bind(*ui_->OverviewOpen, commands.open);
    bind(*ui_->OverviewScores, commands.scores);
    bind(*ui_->OverviewDraw, commands.draw);
    bind(*ui_->OverviewResults, commands.results);
    bind(*ui_->OverviewPrint, commands.printResults);
    connect(ui_->OverviewDemo, &QAbstractButton::clicked, this,
            &ContestOverview::OverviewDemo_Click);
    ui_->contestPanes->setStretch(0, 3);
    ui_->contestPanes->setStretch(1, 2);
    ui_->StandingsTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui_->StandingsTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    styleTexts();
}

ContestOverview::~ContestOverview() = default;

void ContestOverview::styleTexts() {
    scaleFont(*ui_->StartTitle, 2.4, true);
    scaleFont(*ui_->OverviewName, 1.8, true);
    for (QLabel* heading : {ui_->RecentLabel, ui_->ProgressLabel, ui_->StandingsLabel})
        scaleFont(*heading, 1.15, true);
    for (QLabel* caption :
         {ui_->OverviewDateLabel, ui_->OverviewLocationLabel, ui_->OverviewScheduleLabel,
          ui_->OverviewRoundsLabel, ui_->OverviewPilotsLabel, ui_->OverviewJudgesLabel})
        caption->setForegroundRole(QPalette::PlaceholderText);
}

// A competition is open while its file is named; File, New names it when the editor saves.
void ContestOverview::refresh() {
    if (state_.work.ContestFile.isEmpty())
        showStart();
    else
        showContest();
}

void ContestOverview::showStored(int pilotIndex, int round) {
    refresh();
    if (QTableWidgetItem* stored = ui_->ProgressTable->item(pilotIndex, round + 1))
        ui_->ProgressTable->scrollToItem(stored);
}

void ContestOverview::showStart() {
    const Settings& settings = state_.settings;
    const int count = std::clamp(settings.FilesInFilemenu, 0, MaxRecentFiles);
    for (int k = 0; k < MaxRecentFiles; ++k) {
        recent_[k]->setVisible(k < count);
        if (k >= count)
            continue;
        QString name = settings.FileNames[k];
        recent_[k]->setText(name.replace(u'&', QStringLiteral("&&")));
        recent_[k]->setDescription(
            QDir::toNativeSeparators(QDir::cleanPath(settings.FileLocations[k])));
    }
    ui_->NoRecentLabel->setVisible(count == 0);
    ui_->OverviewDemo->setVisible(!DemoContestPath(state_.work.ProgramDir).isEmpty());
    ui_->OverviewPages->setCurrentWidget(ui_->StartPage);
}

void ContestOverview::showContest() {
    const Contest& c = state_.contest;
    ui_->OverviewName->setText(c.ContName);
    ui_->OverviewDate->setText(c.ContDate);
    ui_->OverviewLocation->setText(c.ContLocation);
    ui_->OverviewSchedule->setText(c.ContSchedule);
    ui_->OverviewRounds->setText(QString::number(c.Rounds));
    ui_->OverviewPilots->setText(QString::number(c.PilotCount));
    ui_->OverviewJudges->setText(QString::number(c.JudgeCount));
    const StoredRounds stored = ReadStoredRounds(c, state_.work);
    showProgress(stored);
    showStandings();
    ui_->OverviewPages->setCurrentWidget(ui_->ContestPage);
}

void ContestOverview::showProgress(const StoredRounds& stored) {
    const Contest& c = state_.contest;
    const Texts& texts = state_.texts;
    const int rounds = std::clamp(c.Rounds, 0, MaxRounds);
    QStringList headings{texts.get(QStringLiteral("RESULT_PRINT_STARTNO_HEADING")),
                         texts.get(QStringLiteral("RESULT_PRINT_NAME_HEADING"))};
    for (int r = 1; r <= rounds; ++r)
        headings << QString::number(r);
    QTableWidget& table = *ui_->ProgressTable;
    prepareTable(table, headings, 1);
    table.setRowCount(c.PilotCount);
    QFont bold = table.font();
    bold.setBold(true);
    for (int p = 0; p < c.PilotCount; ++p) {
        table.setItem(p, 0, cell(QString::number(c.Pilots[p].StartNo), Qt::AlignRight));
        table.setItem(p, 1, cell(c.Pilots[p].Name, Qt::AlignLeft));
        for (int r = 0; r < rounds; ++r) {
            QTableWidgetItem* item =
                cell(stored.ofPilot[p][r] ? QStringLiteral("\u2713") : QString(), Qt::AlignCenter);
            if (stored.ofPilot[p][r]) {
                item->setBackground(kStoredBackground);
                item->setForeground(kStoredText);
                item->setFont(bold);
            }
            table.setItem(p, r + 2, item);
        }
    }
    // Round columns wide enough to tell the ticks apart at a glance.
    fitColumns(table, 1, table.fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
    ui_->ProgressSummary->setText(stored.flown == 0
                                      ? texts.get(QStringLiteral("MF_NOTHING_STORED"))
                                      : texts.get(QStringLiteral("MF_PROGRESS_SUMMARY"))
                                            .arg(stored.flown)
                                            .arg(stored.pilots[stored.flown - 1])
                                            .arg(c.PilotCount));
}

// The standings as they stand, the same as the live results pages show: every round up to the
// last one with points, no round dropped.
void ContestOverview::showStandings() {
    const Texts& texts = state_.texts;
    QTableWidget& table = *ui_->StandingsTable;
    const PreparedResults results = PrepareStandings(state_.contest, state_.work, false);
    const int roundsFlown = results.options.rounds;
    table.setVisible(roundsFlown > 0);
    if (roundsFlown == 0) {
        ui_->StandingsNote->setText(texts.get(QStringLiteral("MF_STANDINGS_LATER")));
        return;
    }
    ui_->StandingsNote->setText(texts.get(QStringLiteral("MF_STANDINGS_NOTE")).arg(roundsFlown));
    const Contest& c = results.contest;
    prepareTable(table,
                 {texts.get(QStringLiteral("MF_PLACE_HEADING")),
                  texts.get(QStringLiteral("RESULT_PRINT_STARTNO_HEADING")),
                  texts.get(QStringLiteral("RESULT_PRINT_NAME_HEADING")),
                  texts.get(QStringLiteral("RESULT_PRINT_TOTAL_HEADING")),
                  texts.get(QStringLiteral("RESULT_PRINT_NORMALIZED_HEADING"))},
                 2);
    const int rows = std::min<int>(StandingsShown, static_cast<int>(results.pilotsByPlace.size()));
    table.setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const int p = results.pilotsByPlace[row];
        const Pilot& pilot = c.Pilots[p];
        table.setItem(row, 0, cell(QString::number(pilot.Placed), Qt::AlignRight));
        table.setItem(row, 1, cell(QString::number(pilot.StartNo), Qt::AlignRight));
        table.setItem(row, 2, cell(pilot.Name, Qt::AlignLeft));
        table.setItem(row, 3, cell(FormatNumber(pilot.Total, u"###0.0"), Qt::AlignRight));
        table.setItem(row, 4, cell(FormatNumber(c.NormTotal[p], u"###0.0"), Qt::AlignRight));
    }
    fitColumns(table, 2, 0);
    table.setFixedHeight(table.horizontalHeader()->sizeHint().height() +
                         rows * table.verticalHeader()->defaultSectionSize() +
                         2 * table.frameWidth());
}

void ContestOverview::OverviewDemo_Click() {
    const QFileInfo demo(DemoContestPath(state_.work.ProgramDir));
    if (demo.fileName().isEmpty())
        return;
    emit demoChosen(demo.absolutePath() + u'/', demo.fileName());
}

} // namespace veltra
