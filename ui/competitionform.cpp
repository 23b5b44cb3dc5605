#include "ui/competitionform.h"

#include "core/contestedit.h"
#include "core/contestfiles.h"
#include "core/editorlines.h"
#include "core/scheduleedit.h"
#include "scoring/renames.h"
#include "ui/defineteamsform.h"
#include "ui/editorsupport.h"
#include "ui/formsupport.h"
#include "ui/judgeform.h"
#include "ui/pilotform.h"
#include "ui_competitionform.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QShowEvent>

namespace veltra {
namespace {

constexpr int kHeaderTextLimit = 40;

} // namespace

CompetitionForm::CompetitionForm(AppState& state, QWidget* parent)
    : QDialog(parent), state_(state), ui_(std::make_unique<Ui::CompetitionForm>()) {
    ui_->setupUi(this);
    ApplyLanguageCaptions(*this, state_.texts);
    designCaption_ = windowTitle();
    ui_->JudgeList->setFont(FixedPitchFont());
    ui_->PilotList->setFont(FixedPitchFont());
    // Each list takes the room its lines need: the pilot list a whole line's width and all the
    // height left, the judge list the most judges the editor takes, the schedule list a few.
    {
        const auto blank = std::make_unique<Contest>();
        FitListToLines(*ui_->PilotList, static_cast<int>(PilotListLine(*blank, 0, 0).size()), 0);
        FitListToLines(*ui_->JudgeList, static_cast<int>(JudgeListLine(*blank, 0).size()),
                       EditorMaxJudges);
        FitListToLines(*ui_->ScheduleList, 0, 4);
    }
    CutAtLimit(*ui_->CompetitionName, kHeaderTextLimit);
    CutAtLimit(*ui_->CompetitionDate, kHeaderTextLimit);
    MirrorSpinValue(*ui_->CompetitionRounds, *ui_->RoundsText);
    MirrorSpinValue(*ui_->StartNoOffset, *ui_->StartNoOffsetText);

    connect(ui_->JudgeList, &QListWidget::itemSelectionChanged, this,
            &CompetitionForm::JudgeList_Click);
    connect(ui_->PilotList, &QListWidget::itemSelectionChanged, this,
            &CompetitionForm::PilotList_Click);
    connect(ui_->JudgeList, &QListWidget::itemDoubleClicked, this,
            &CompetitionForm::JudgeList_DblClick);
    connect(ui_->PilotList, &QListWidget::itemDoubleClicked, this,
            &CompetitionForm::PilotList_DblClick);
    connect(ui_->AddJudge, &QPushButton::clicked, this, &CompetitionForm::AddJudge_Click);
    connect(ui_->RemoveJudge, &QPushButton::clicked, this, &CompetitionForm::RemoveJudge_Click);
    connect(ui_->AddPilot, &QPushButton::clicked, this, &CompetitionForm::AddPilot_Click);
    connect(ui_->RemovePilot, &QPushButton::clicked, this, &CompetitionForm::RemovePilot_Click);
    connect(ui_->MovePilotUp, &QPushButton::clicked, this, [this] { movePilot(-1); });
    connect(ui_->MovePilotDown, &QPushButton::clicked, this, [this] { movePilot(1); });
    connect(ui_->DefineTeams, &QPushButton::clicked, this, &CompetitionForm::DefineTeams_Click);
    connect(ui_->CompetitionOK, &QPushButton::clicked, this, &CompetitionForm::CompetitionOK_Click);
    connect(ui_->CompetitionCancel, &QPushButton::clicked, this, &CompetitionForm::reject);
}

CompetitionForm::~CompetitionForm() = default;

void CompetitionForm::setPilotChooser(TeamForm::PilotChooser chooser) {
    choosePilot_ = std::move(chooser);
    if (defineTeamsForm_)
        defineTeamsForm_->setPilotChooser(choosePilot_);
}

void CompetitionForm::showWithoutWaiting() {
    if (isVisible())
        Form_Activate();
    show();
    raise();
    activateWindow();
}

int CompetitionForm::showModal() {
    if (isVisible())
        hide();
    return exec();
}

void CompetitionForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

// Schedules made in the schedule library while a new competition is being entered show up
// as soon as the editor is used again.
void CompetitionForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        const QListWidgetItem* current = ui_->ScheduleList->currentItem();
        fillScheduleList(current ? current->text() : QString(), false);
    }
}

void CompetitionForm::Form_Activate() {
    ui_->CompetitionOK->setText(state_.texts.get(QStringLiteral("GENERAL_OK")));
    ui_->CompetitionCancel->setText(state_.texts.get(QStringLiteral("GENERAL_CANCEL")));
    if (state_.work.EditMode == 1) {
        const QString key = QStringLiteral("COMP_FORM_CAPTION");
        setWindowTitle(state_.texts.has(key) ? state_.texts.get(key) : designCaption_);
        refreshFromStore();
        TBL_ToBeUsed();
    } else if (state_.work.NewContestPending == 1) {
        ui_->CompetitionName->clear();
        ui_->CompetitionDate->clear();
        ui_->CompetitionLocation->clear();
        ui_->CompetitionRounds->setValue(4);
        ui_->StartNoOffset->setValue(1);
        fillScheduleList(QString(), false);
        ui_->JudgeList->clear();
        ui_->PilotList->clear();
        setWindowTitle(state_.texts.get(QStringLiteral("COMP_FORM_NEW_CAPTION")));
        state_.work.NewContestPending = 0;
        saved_ = state_.contest;
    }
    if (state_.work.EditMode == 1)
        saved_ = state_.contest;
    disableSelectionButtons();
    CentreOverMainWindow(*this);
}

void CompetitionForm::refreshFromStore() {
    const Contest& c = state_.contest;
    ui_->CompetitionName->setText(c.ContName);
    ui_->CompetitionDate->setText(c.ContDate);
    ui_->CompetitionLocation->setText(c.ContLocation);
    ui_->CompetitionRounds->setValue(c.Rounds);
    ui_->StartNoOffset->setValue(c.StartNoOffset);
    fillScheduleList(c.ContSchedule, true);
    refreshLists();
}

void CompetitionForm::refreshLists() {
    const Contest& c = state_.contest;
    ui_->JudgeList->clear();
    for (int j = 0; j < c.JudgeCount; ++j)
        ui_->JudgeList->addItem(JudgeListLine(c, j));
    ui_->PilotList->clear();
    for (int p = 0; p < c.PilotCount; ++p)
        ui_->PilotList->addItem(PilotListLine(c, p, state_.settings.FrequencyDisplayMode));
}

// Selects `wanted` when it is listed; otherwise the last entry, or the first.
void CompetitionForm::fillScheduleList(const QString& wanted, bool lastWhenMissing) {
    QListWidget& list = *ui_->ScheduleList;
    list.clear();
    list.addItems(ScheduleFiles(state_.work.ProgramDir));
    if (list.count() == 0)
        return;
    const QList<QListWidgetItem*> found = list.findItems(wanted, Qt::MatchExactly);
    if (!found.isEmpty())
        list.setCurrentItem(found.first());
    else
        list.setCurrentRow(lastWhenMissing ? list.count() - 1 : 0);
}

void CompetitionForm::disableSelectionButtons() {
    ui_->RemovePilot->setEnabled(false);
    ui_->RemoveJudge->setEnabled(false);
    ui_->MovePilotUp->setEnabled(false);
    ui_->MovePilotDown->setEnabled(false);
}

// The lists always show the store; header text typed meanwhile stays in its boxes.
void CompetitionForm::afterDialog() {
    refreshLists();
    if (state_.work.EditMode == 1)
        TBL_ToBeUsed();
    disableSelectionButtons();
}

void CompetitionForm::TBL_ToBeUsed() {
    state_.contest.ResultMethod = 0;
    emit resultMethodReset();
}

void CompetitionForm::JudgeList_Click() {
    ui_->RemoveJudge->setEnabled(!ui_->JudgeList->selectedItems().isEmpty());
}

void CompetitionForm::PilotList_Click() {
    const bool selected = !ui_->PilotList->selectedItems().isEmpty();
    const int row = ui_->PilotList->currentRow();
    ui_->RemovePilot->setEnabled(selected);
    if (state_.contest.PilotCount >= 2) {
        ui_->MovePilotUp->setEnabled(selected && row > 0);
        ui_->MovePilotDown->setEnabled(selected && row < state_.contest.PilotCount - 1);
    }
}

void CompetitionForm::openJudgeForm(int index, int mode) {
    state_.work.EditJudgeIndex = index;
    state_.work.JudgeEditMode = mode;
    if (!judgeForm_)
        judgeForm_ = new JudgeForm(state_, this);
    judgeForm_->exec();
    afterDialog();
}

void CompetitionForm::openPilotForm(int index, int mode) {
    state_.work.EditPilotIndex = index;
    state_.work.PilotEditMode = mode;
    if (!pilotForm_)
        pilotForm_ = new PilotForm(state_, this);
    pilotForm_->exec();
    afterDialog();
}

void CompetitionForm::AddJudge_Click() {
    if (state_.contest.JudgeCount < EditorMaxJudges)
        openJudgeForm(state_.contest.JudgeCount, 0);
}

void CompetitionForm::JudgeList_DblClick() {
    const int row = ui_->JudgeList->currentRow();
    if (row >= 0 && row < state_.contest.JudgeCount)
        openJudgeForm(row, 1);
}

void CompetitionForm::AddPilot_Click() {
    if (state_.contest.PilotCount < EditorMaxPilots)
        openPilotForm(state_.contest.PilotCount, 0);
}

void CompetitionForm::PilotList_DblClick() {
    const int row = ui_->PilotList->currentRow();
    if (row >= 0 && row < state_.contest.PilotCount)
        openPilotForm(row, 1);
}

void CompetitionForm::RemoveJudge_Click() {
    const int row = ui_->JudgeList->currentRow();
    if (row < 0 || row >= state_.contest.JudgeCount)
        return;
    RemoveJudge(state_.contest, row);
    ui_->RemoveJudge->setEnabled(false);
    refreshLists();
    TBL_ToBeUsed();
}

void CompetitionForm::RemovePilot_Click() {
    const int row = ui_->PilotList->currentRow();
    if (row < 0 || row >= state_.contest.PilotCount)
        return;
    RemovePilot(state_.contest, row);
    refreshLists();
    disableSelectionButtons();
    TBL_ToBeUsed();
}

void CompetitionForm::movePilot(int offset) {
    const int row = ui_->PilotList->currentRow();
    const int target = row + offset;
    if (row < 0 || target < 0 || target >= state_.contest.PilotCount)
        return;
    SwapPilots(state_.contest, row, target);
    refreshLists();
    ui_->PilotList->setFocus();
    ui_->PilotList->setCurrentRow(target);
}

void CompetitionForm::DefineTeams_Click() {
    if (!defineTeamsForm_) {
        defineTeamsForm_ = new DefineTeamsForm(state_, this);
        defineTeamsForm_->setPilotChooser(choosePilot_);
    }
    defineTeamsForm_->exec();
}

// A new competition needs a file; one that exists is replaced only when the user says so.
bool CompetitionForm::chooseNewContestFile() {
    if (!chooseFile_)
        return false;
    const QString& start =
        state_.work.ContestDir.isEmpty() ? state_.work.ProgramDir : state_.work.ContestDir;
    const std::optional<ContestFileChoice> choice = chooseFile_(start);
    if (!choice)
        return false;
    const QString fileName = ContestFileName(choice->fileName);
    if (QFileInfo::exists(choice->folder + fileName) &&
        !AskYesNo(*this, state_.texts,
                  state_.texts.get(QStringLiteral("CF_REPLACE_FILE_QUESTION")).arg(fileName)))
        return false;
    state_.work.ContestFile = fileName;
    state_.work.ContestDir = choice->folder;
    return true;
}

void CompetitionForm::CompetitionOK_Click() {
    const QListWidgetItem* schedule = ui_->ScheduleList->currentItem();
    const ContestHeader header{
        ui_->CompetitionName->text(),     ui_->CompetitionDate->text(),
        ui_->CompetitionLocation->text(), schedule ? schedule->text() : QString(),
        ui_->CompetitionRounds->value(),  ui_->StartNoOffset->value()};
    if (const std::optional<HeaderFault> fault = CheckContestHeader(header)) {
        QWidget* const boxes[] = {ui_->CompetitionName, ui_->CompetitionDate,
                                  ui_->CompetitionLocation, ui_->ScheduleList};
        Refuse(*this, fault->message, boxes[static_cast<int>(fault->box)]);
        return;
    }
    const bool isNew = state_.work.EditMode == 0;
    const QString oldFile = state_.work.ContestFile;
    const QString oldDir = state_.work.ContestDir;
    if (isNew && !chooseNewContestFile())
        return;
    const Status saved = SaveEditedContest(state_.contest, state_.work, state_.texts, header);
    if (!saved) {
        state_.work.ContestFile = oldFile;
        state_.work.ContestDir = oldDir;
        Refuse(*this, saved.message, nullptr);
        return;
    }
    if (isNew)
        emit contestFileNamed();
    const Status loaded = ReadSchedule(state_.contest, state_.work, state_.texts);
    if (!loaded)
        QMessageBox::warning(this, QString::fromLatin1(ProgramName), loaded.message);
    accept();
}

void CompetitionForm::reject() {
    if (!SameRecords(state_.contest, saved_)) {
        const QMessageBox::StandardButton answer = QMessageBox::question(
            this, QString::fromLatin1(ProgramName),
            state_.texts.get(QStringLiteral("COMPETITION_SAVE_CHANGES_QUESTION")),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel)
            return;
        if (answer == QMessageBox::Yes) {
            CompetitionOK_Click();
            return;
        }
        restoreSaved();
    }
    QDialog::reject();
}

// Renames were carried to the score files and the competition file at once, so the records
// come back from that file; the schedule and the points as the editor found them.
void CompetitionForm::restoreSaved() {
    Contest restored = saved_;
    if (state_.work.EditMode == 1) {
        const Status read = ReadContest(restored, state_.work, state_.texts);
        if (!read) {
            QMessageBox::warning(this, QString::fromLatin1(ProgramName), read.message);
            restored = saved_;
        }
    }
    state_.contest = restored;
}

} // namespace veltra
