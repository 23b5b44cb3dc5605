#include "ui/scheduleform.h"

#include "core/contestfiles.h"
#include "ui/editorsupport.h"
#include "ui/editschedform.h"
#include "ui/formsupport.h"
#include "ui/newscheduleform.h"
#include "ui_scheduleform.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QShowEvent>

namespace veltra {

ScheduleForm::ScheduleForm(AppState& state, QWidget* parent)
    : QDialog(parent), state_(state), ui_(std::make_unique<Ui::ScheduleForm>()) {
    ui_->setupUi(this);
    ApplyLanguageCaptions(*this, state_.texts);
    connect(ui_->CompetitionSchedule, &QListWidget::itemSelectionChanged, this,
            &ScheduleForm::CompetitionSchedule_Click);
    connect(ui_->CompetitionSchedule, &QListWidget::itemDoubleClicked, this,
            &ScheduleForm::CompetitionSchedule_DblClick);
    connect(ui_->ScheduleAdd, &QPushButton::clicked, this, &ScheduleForm::ScheduleAdd_Click);
    connect(ui_->ScheduleRemove, &QPushButton::clicked, this, &ScheduleForm::ScheduleRemove_Click);
    connect(ui_->ScheduleReturn, &QPushButton::clicked, this, &ScheduleForm::ScheduleReturn_Click);
}

ScheduleForm::~ScheduleForm() = default;

void ScheduleForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void ScheduleForm::Form_Activate() {
    ui_->ScheduleReturn->setText(state_.texts.get(QStringLiteral("GENERAL_RETURN")));
    CentreOverMainWindow(*this);
    competitionSchedule_ = TakeScheduleSnapshot(state_.contest);
    refreshFiles();
}

void ScheduleForm::refreshFiles() {
    ui_->CompetitionSchedule->clear();
    ui_->CompetitionSchedule->addItems(ScheduleFiles(state_.work.ProgramDir));
    ui_->ScheduleRemove->setEnabled(false);
}

void ScheduleForm::CompetitionSchedule_Click() {
    ui_->ScheduleRemove->setEnabled(!ui_->CompetitionSchedule->selectedItems().isEmpty());
}

void ScheduleForm::openEditor() {
    if (!editSchedForm_)
        editSchedForm_ = new EditSchedForm(state_, this);
    editSchedForm_->setCompetitionSchedule(competitionSchedule_.ContSchedule);
    editSchedForm_->exec();
}

void ScheduleForm::CompetitionSchedule_DblClick() {
    const QListWidgetItem* item = ui_->CompetitionSchedule->currentItem();
    if (!item)
        return;
    state_.contest.ContSchedule = item->text();
    const Status loaded = ReadSchedule(state_.contest, state_.work, state_.texts);
    if (!loaded) {
        // Editing what could not be read would overwrite the file with an empty schedule.
        QMessageBox::warning(this, QString::fromLatin1(ProgramName), loaded.message);
        return;
    }
    openEditor();
}

void ScheduleForm::ScheduleAdd_Click() {
    if (!newScheduleForm_)
        newScheduleForm_ = new NewScheduleForm(state_, this);
    newScheduleForm_->exec();
    if (newScheduleForm_->tag() == QLatin1String("OK")) {
        StartNewSchedule(state_.contest, newScheduleForm_->scheduleName(),
                         state_.contest.ContSchedule);
        openEditor();
    }
    refreshFiles();
}

void ScheduleForm::ScheduleRemove_Click() {
    const QListWidgetItem* item = ui_->CompetitionSchedule->currentItem();
    if (!item)
        return;
    const QString name = item->text();
    const Texts& texts = state_.texts;
    if (AskYesNo(*this, texts, texts.get(QStringLiteral("SF_DELETE_QUESTION")).arg(name))) {
        const QString path = state_.work.ProgramDir + u'/' + name;
        QFile file(path);
        if (!file.remove())
            QMessageBox::warning(this, QString::fromLatin1(ProgramName),
                                 texts.get(QStringLiteral("SF_DELETE_FAILED"))
                                     .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    refreshFiles();
}

void ScheduleForm::ScheduleReturn_Click() {
    RestoreSchedule(state_.contest, state_.work, state_.texts, competitionSchedule_);
    hide();
}

void ScheduleForm::reject() {
    ScheduleReturn_Click();
}

} // namespace veltra
