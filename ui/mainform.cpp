#include "ui/mainform.h"

#include "core/language.h"
#include "core/settings.h"
#include "scoring/opencontest.h"
#include "ui/aboutform.h"
#include "ui/competitionform.h"
#include "ui/configgeneralform.h"
#include "ui/configliveresultsform.h"
#include "ui/configprintingform.h"
#include "ui/configremotedisplayform.h"
#include "ui/contestoverview.h"
#include "ui/fileselectform.h"
#include "ui/formsupport.h"
#include "ui/helpform.h"
#include "ui/printcommands.h"
#include "ui/scheduleform.h"
#include "ui/scoresform.h"
#include "ui/selectform.h"
#include "ui/viewcommands.h"
#include "ui_mainform.h"
#include "web/liveserver.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QTimer>

namespace veltra {
namespace {

constexpr int StatusShownMilliseconds = 15000;
QString withoutTrailingSlash(QString folder) {
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    return folder;
}

} // namespace

MainForm::MainForm(AppState& state, QWidget* parent)
    : QMainWindow(parent), state_(state), ui_(std::make_unique<Ui::MainForm>()),
      RemoteDisplayPort_(state.contest, state.work) {
    ui_->setupUi(this);
    ContestSelected(0);
    connectMenus();
    addOverview();
    Form_Load();
}

MainForm::~MainForm() = default;

void MainForm::Form_Load() {
    layOutStatusLine();
    state_.work.CurrentRound = 1;
    setWindowTitle(QString::fromLatin1(MainCaption));
    state_.settings.ConfigFile = QString::fromLatin1(SettingsFileName);
    state_.settings.HelpFile = QString::fromLatin1(HelpFileName);
    const Status settingsRead =
        ReadConfigFile(state_.settings.ConfigFile, state_.work.ProgramDir, state_.settings);
    if (!settingsRead)
        showMessage(settingsRead.message);
    state_.work.LanguageDir = state_.work.ProgramDir;
    // A first start names no language file; English gives every message and heading a text.
    if (state_.settings.LanguageFile.isEmpty())
        state_.settings.LanguageFile = QString::fromLatin1(DefaultLanguageFile);
    settingsOnDisk_ = SettingsFileBytes(state_.settings);
    ReadLanguageFile(state_.settings.LanguageFile);
    showResultMethodBox();
    UpdateFilemenu();
    if (state_.settings.ConnectToRemoteDisplay == 1)
        OpenComPort();
    ApplyLiveResults();
    showNoCompetition();
}

// The progress bar sits inside the right end of the footer box, centred in its height.
void MainForm::layOutStatusLine() {
    PROGRESS_ = new QProgressBar(ui_->Footer);
    PROGRESS_->setObjectName(QStringLiteral("PROGRESS"));
    PROGRESS_->setRange(0, 100);
    PROGRESS_->setTextVisible(false);
    PROGRESS_->setFixedSize(150, 12);
    PROGRESS_->hide();
    auto* inside = new QHBoxLayout(ui_->Footer);
    inside->setContentsMargins(0, 0, 4, 0);
    inside->addStretch();
    inside->addWidget(PROGRESS_, 0, Qt::AlignVCenter);
    // The address of the live results, which opens their settings with the QR code.
    LiveResultsAddress_ = new QLabel(this);
    LiveResultsAddress_->setObjectName(QStringLiteral("LiveResultsAddress"));
    LiveResultsAddress_->setContentsMargins(6, 0, 6, 0);
    LiveResultsAddress_->hide();
    connect(LiveResultsAddress_, &QLabel::linkActivated, this,
            &MainForm::ConfigureLiveResults_Click);
    ui_->StatusLine->insertWidget(1, LiveResultsAddress_);
    statusShown_ = new QTimer(this);
    statusShown_->setSingleShot(true);
    statusShown_->setInterval(StatusShownMilliseconds);
    connect(statusShown_, &QTimer::timeout, this, [this] {
        ui_->Footer->setText(footer_);
        ui_->Footer->setCursorPosition(0);
    });
}

// The design's 500 twips cut the box's first text short with today's fonts; the box keeps its
// width unless its text needs more.
void MainForm::showResultMethodBox() {
    const QString text = state_.texts.get(QStringLiteral("MAIN_RESULT_METHOD_CAPTION"));
    ui_->ResultMethod->setText(text);
    ui_->ResultMethod->setCursorPosition(0);
    const QFontMetrics metrics(ui_->ResultMethod->font());
    const int fitted = metrics.horizontalAdvance(text) + 12;
    ui_->ResultMethod->setFixedWidth(std::max(ui_->ResultMethod->maximumWidth(), fitted));
}

void MainForm::connectMenus() {
    connect(ui_->FileChoose, &QAction::triggered, this, &MainForm::FileChoose_Click);
    connect(ui_->FileNew, &QAction::triggered, this, &MainForm::FileNew_Click);
    connect(ui_->FileClose, &QAction::triggered, this, &MainForm::FileClose_Click);
    connect(ui_->FileExit, &QAction::triggered, this, &MainForm::FileExit_Click);
    connect(ui_->EditScores, &QAction::triggered, this, &MainForm::EditScores_Click);
    connect(ui_->EditCompetition, &QAction::triggered, this, &MainForm::EditCompetition_Click);
    connect(ui_->EditSchedule, &QAction::triggered, this, &MainForm::EditSchedule_Click);
    connect(ui_->ConfigureLanguage, &QAction::triggered, this, &MainForm::ConfigureLanguage_Click);
    connect(ui_->ConfigureGeneral, &QAction::triggered, this, &MainForm::ConfigureGeneral_Click);
    connect(ui_->ConfigureExternalDisplay, &QAction::triggered, this,
            &MainForm::ConfigureExternalDisplay_Click);
    connect(ui_->VeltraHelp, &QAction::triggered, this, &MainForm::VeltraHelp_Click);
    connect(ui_->About, &QAction::triggered, this, &MainForm::About_Click);
    connect(&RemoteDisplayPort_, &RemoteDisplayPort::problem, this, &MainForm::showMessage);
    viewCommands_ = std::make_unique<ViewCommands>(state_, *this, *this);
    ViewCommands* const view = viewCommands_.get();
    connect(ui_->ViewResults, &QAction::triggered, view, &ViewCommands::ViewResults_Click);
    connect(ui_->ViewStartlist, &QAction::triggered, view, &ViewCommands::ViewStartlist_Click);
    connect(ui_->ToolsJudgeAnalysis, &QAction::triggered, view,
            &ViewCommands::ToolsJudgeAnalysis_Click);
    connect(ui_->EditStartorder, &QAction::triggered, view, &ViewCommands::EditStartorder_Click);
    connect(ui_->FileExportResults, &QAction::triggered, view,
            &ViewCommands::FileExportResults_Click);
    printCommands_ = std::make_unique<PrintCommands>(state_, *this, *this, *viewCommands_,
                                                     [this](const QString& tag) {
                                                         SelectForm& select = selectForm();
                                                         select.setTag(tag);
                                                         select.exec();
                                                         return select.listIndex();
                                                     });
    PrintCommands* const print = printCommands_.get();
    viewCommands_->setExplanationPrinter(
        [print](const ResultExplanation& explanation) { print->PrintExplanation(explanation); });
    connect(ui_->FileExportPilotList, &QAction::triggered, print,
            &PrintCommands::FileExportPilotList_Click);
    connect(ui_->PrintResults, &QAction::triggered, print, &PrintCommands::PrintResults_Click);
    connect(ui_->PrintCompetitors, &QAction::triggered, print,
            &PrintCommands::PrintCompetitors_Click);
    connect(ui_->PrintJudges, &QAction::triggered, print, &PrintCommands::PrintJudges_Click);
    connect(ui_->PrintStartList, &QAction::triggered, print, &PrintCommands::PrintStartList_Click);
    connect(ui_->PrintScoresheets, &QAction::triggered, print,
            &PrintCommands::PrintScoresheets_Click);
    connect(ui_->ConfigurePrinting, &QAction::triggered, this, &MainForm::ConfigurePrinting_Click);
    connect(ui_->ConfigureLiveResults, &QAction::triggered, this,
            &MainForm::ConfigureLiveResults_Click);
    QAction* const recent[] = {ui_->File1, ui_->File2, ui_->File3, ui_->File4, ui_->File5};
    for (int k = 0; k < MaxRecentFiles; ++k)
        connect(recent[k], &QAction::triggered, this, [this, k] { RecentFile_Click(k); });
}

// The body follows what the commands change: it is shown anew when a competition is opened,
// closed, edited or drawn, when a round is stored, and when the recent list or the language
// changes.
void MainForm::addOverview() {
    ContestOverview::Commands commands;
    commands.newContest = ui_->FileNew;
    commands.open = ui_->FileChoose;
    commands.scores = ui_->EditScores;
    commands.draw = ui_->EditStartorder;
    commands.results = ui_->ViewResults;
    commands.printResults = ui_->PrintResults;
    commands.recent = {ui_->File1, ui_->File2, ui_->File3, ui_->File4, ui_->File5};
    overview_ = new ContestOverview(state_, commands, ui_->centralwidget);
    ui_->centralLayout->insertWidget(0, overview_, 1);
    connect(overview_, &ContestOverview::demoChosen, this, &MainForm::openDemo);
    connect(ui_->EditStartorder, &QAction::triggered, overview_, &ContestOverview::refresh);
}

void MainForm::showMessage(const QString& text) {
    QMessageBox::information(this, QString::fromLatin1(ProgramName), text);
}

void MainForm::showFooter(const QString& text) {
    footer_ = text;
    statusShown_->stop();
    ui_->Footer->setText(text);
    ui_->Footer->setCursorPosition(0);
}

void MainForm::showStatus(const QString& text) {
    ui_->Footer->setText(text);
    ui_->Footer->setCursorPosition(0);
    statusShown_->start();
}

void MainForm::ContestSelected(int mode) {
    const bool enabled = mode == 1;
    QAction* const items[] = {ui_->FileClose,         ui_->FileExport->menuAction(),
                              ui_->EditScores,        ui_->EditCompetition,
                              ui_->EditStartorder,    ui_->ViewResults,
                              ui_->ViewStartlist,     ui_->PrintResults,
                              ui_->PrintStartList,    ui_->PrintCompetitors,
                              ui_->PrintJudges,       ui_->PrintScoresheets,
                              ui_->ToolsJudgeAnalysis};
    for (QAction* item : items)
        item->setEnabled(enabled);
}

void MainForm::SaveConfigFile() {
    const Status saved = SaveChangedConfigFile(state_.settings.ConfigFile, state_.work.ProgramDir,
                                               state_.settings, settingsOnDisk_);
    if (!saved)
        showMessage(saved.message);
}

void MainForm::showProgress(int percent) {
    PROGRESS_->setRange(0, percent < 0 ? 0 : 100);
    PROGRESS_->setValue(std::max(percent, 0));
    PROGRESS_->show();
}

void MainForm::hideProgress() {
    PROGRESS_->hide();
}

QString MainForm::competitionFiles() const {
    return FileSelectForm::FileType(state_.texts.get(QStringLiteral("FSF_COMPETITION_FILES")),
                                    QStringLiteral("*.cnt"));
}

FileSelectForm& MainForm::fileSelectForm() {
    if (!fileSelectForm_)
        fileSelectForm_ = std::make_unique<FileSelectForm>(state_.texts, *this);
    return *fileSelectForm_;
}

SelectForm& MainForm::selectForm() {
    if (!selectForm_)
        selectForm_ = std::make_unique<SelectForm>(state_.contest, state_.texts, *this);
    return *selectForm_;
}

// The competition editor names a new competition's file with the file dialog and picks team
// members with the item selection dialog.
CompetitionForm& MainForm::competitionForm() {
    if (competitionForm_)
        return *competitionForm_;
    competitionForm_ = std::make_unique<CompetitionForm>(state_, this);
    competitionForm_->setContestFileChooser(
        [this](const QString& startFolder) -> std::optional<ContestFileChoice> {
            const std::optional<FileSelectForm::Choice> chosen = fileSelectForm().choose(
                competitionFiles(), startFolder, FileSelectForm::Purpose::Save);
            if (!chosen)
                return std::nullopt;
            return ContestFileChoice{chosen->fileName, chosen->folder};
        });
    competitionForm_->setPilotChooser([this] {
        SelectForm& select = selectForm();
        select.setTag(QStringLiteral("PILOTS"));
        select.exec();
        return select.listIndex();
    });
    connect(competitionForm_.get(), &CompetitionForm::resultMethodReset, this,
            [this] { ui_->ResultMethod->setText(QStringLiteral("Std")); });
    // A new competition joins the recent-files list as soon as its file exists, so the next
    // start finds it there like one chosen through the file dialog.
    connect(competitionForm_.get(), &CompetitionForm::contestFileNamed, this, [this] {
        showFooter(QDir::toNativeSeparators(state_.work.contestPath()));
        ContestSelected(1);
        UpdateQuickSelection(state_.settings, state_.work.ContestFile, state_.work.ContestDir);
        UpdateFilemenu();
        overview_->refresh();
        SaveConfigFile();
    });
    return *competitionForm_;
}

QAction* MainForm::menuCommand(const QString& name) const {
    if (auto* menu = findChild<QMenu*>(name))
        return menu->menuAction();
    return findChild<QAction*>(name);
}

// The close box ends the run as File, Quit does, so a language chosen during the run is kept.
void MainForm::closeEvent(QCloseEvent* event) {
    SaveConfigFile();
    event->accept();
    QCoreApplication::quit();
}

// A file in the language folder goes by its name; one chosen elsewhere by its full path.
bool MainForm::ReadLanguageFile(const QString& languageFile) {
    const QString path = QDir::isAbsolutePath(languageFile)
                             ? languageFile
                             : state_.work.LanguageDir + u'/' + languageFile;
    const Status read = veltra::ReadLanguageFile(path, state_.texts);
    if (!read) {
        showMessage(read.message);
        return false;
    }
    ui_->Language->setText(QFileInfo(languageFile).fileName());
    ui_->Language->setCursorPosition(0);
    ApplyLanguageCaptionsToAllWindows(state_.texts);
    if (LiveResultsAddress_)
        showLiveResultsAddress();
    overview_->refresh();
    return true;
}

void MainForm::UpdateFilemenu() {
    QAction* const recent[] = {ui_->File1, ui_->File2, ui_->File3, ui_->File4, ui_->File5};
    const int count = std::min(state_.settings.FilesInFilemenu, MaxRecentFiles);
    for (int k = 0; k < count; ++k) {
        recent[k]->setText(RecentFileCaption(state_.settings, k));
        recent[k]->setVisible(true);
        recent[k]->setEnabled(true);
    }
}

// A competition file that is missing or refused leaves no competition open: nothing may be
// written into it.
void MainForm::ActivateSelectedFile() {
    const OpenedContest opened = OpenContest(state_.contest, state_.work, state_.texts);
    if (opened.open) {
        showFooter(QDir::toNativeSeparators(state_.work.contestPath()));
        ContestSelected(1);
        ui_->ResultMethod->setText(QStringLiteral("Std"));
        overview_->refresh();
    } else {
        showNoCompetition();
    }
    // Another competition starts with the score window on its first pilot and round.
    state_.work.CurrentRound = 1;
    state_.work.EditPilotIndex = 0;
    if (!opened.messages.isEmpty())
        showMessage(opened.messages.join(QStringLiteral("\n\n")));
}

void MainForm::FileChoose_Click() {
    const std::optional<FileSelectForm::Choice> chosen = fileSelectForm().choose(
        competitionFiles(), state_.work.ProgramDir, FileSelectForm::Purpose::Open);
    if (!chosen)
        return;
    state_.work.ContestFile = chosen->fileName;
    state_.work.ContestDir = chosen->folder;
    UpdateQuickSelection(state_.settings, state_.work.ContestFile, state_.work.ContestDir);
    UpdateFilemenu();
    ActivateSelectedFile();
    SaveConfigFile();
}

void MainForm::FileNew_Click() {
    state_.contest.JudgeCount = 0;
    state_.contest.PilotCount = 0;
    state_.contest.TeamCount = 0;
    state_.work.EditMode = 0;
    state_.work.NewContestPending = 1;
    // Until the editor names the new competition's file, no command may store into the
    // previous competition's files: the scores, the draw and the editor would overwrite them
    // with the new, empty competition.
    state_.work.ContestFile.clear();
    showNoCompetition();
    competitionForm().showWithoutWaiting();
}

void MainForm::FileClose_Click() {
    state_.contest.JudgeCount = 0;
    state_.contest.PilotCount = 0;
    state_.work.ContestFile.clear();
    showNoCompetition();
}

void MainForm::showNoCompetition() {
    ContestSelected(0);
    showFooter(state_.texts.get(QStringLiteral("NO_COMPETITION_SELECTED")));
    overview_->refresh();
}

void MainForm::FileExit_Click() {
    close();
}

void MainForm::EditScores_Click() {
    if (!scoresForm_) {
        scoresForm_ = std::make_unique<ScoresForm>(state_, this);
        scoresForm_->setRoundPrinter(
            [this](const RoundMarks& marks) { printCommands_->PrintScores(marks); });
        scoresForm_->setExplainer(
            [this](int pilot, int round) { viewCommands_->explainRound(pilot, round); });
        connect(scoresForm_.get(), &ScoresForm::roundStored, overview_,
                &ContestOverview::showStored);
    }
    scoresForm_->showModal();
}

void MainForm::EditCompetition_Click() {
    state_.work.EditMode = 1;
    competitionForm().showModal();
    overview_->refresh();
}

void MainForm::EditSchedule_Click() {
    if (!scheduleForm_)
        scheduleForm_ = std::make_unique<ScheduleForm>(state_, this);
    scheduleForm_->exec();
}

void MainForm::RecentFile_Click(int index) {
    state_.work.ContestDir = state_.settings.FileLocations[index];
    state_.work.ContestFile = state_.settings.FileNames[index];
    ActivateSelectedFile();
}

// The demo contest opens as a recent competition does: the recent list and the settings stay.
void MainForm::openDemo(const QString& folder, const QString& file) {
    state_.work.ContestDir = folder;
    state_.work.ContestFile = file;
    ActivateSelectedFile();
}

// The choice is kept in the settings at the next save point. A file outside the program folder
// is kept with its full path, so that the next start finds it again.
void MainForm::ConfigureLanguage_Click() {
    const std::optional<FileSelectForm::Choice> chosen = fileSelectForm().choose(
        FileSelectForm::FileType(state_.texts.get(QStringLiteral("FSF_LANGUAGE_FILES")),
                                 QStringLiteral("*.lng")),
        state_.work.ProgramDir, FileSelectForm::Purpose::Open);
    if (!chosen)
        return;
    const QString folder = withoutTrailingSlash(chosen->folder);
    const QString path = folder + u'/' + chosen->fileName;
    if (!ReadLanguageFile(path))
        return;
    state_.work.LanguageDir = folder;
    state_.settings.LanguageFile =
        QDir(folder) == QDir(state_.work.ProgramDir) ? chosen->fileName : path;
}

void MainForm::OpenComPort() {
    const Status opened = RemoteDisplayPort_.OpenComPort(state_.settings.ComportToRemoteDisplay,
                                                         state_.settings.BaudrateToRemoteDisplay);
    if (!opened)
        showMessage(opened.message);
}

void MainForm::ConfigureGeneral_Click() {
    if (!configGeneralForm_)
        configGeneralForm_ =
            std::make_unique<ConfigGeneralForm>(state_.settings, state_.texts, *this);
    if (configGeneralForm_->exec() == QDialog::Accepted)
        SaveConfigFile();
}

void MainForm::ConfigureExternalDisplay_Click() {
    if (!configRemoteDisplayForm_)
        configRemoteDisplayForm_ =
            std::make_unique<ConfigRemoteDisplayForm>(state_.settings, state_.texts, *this);
    if (configRemoteDisplayForm_->exec() != QDialog::Accepted)
        return;
    SaveConfigFile();
    if (state_.settings.ConnectToRemoteDisplay == 1)
        OpenComPort();
}

void MainForm::ConfigurePrinting_Click() {
    if (printCommands_->configPrintingForm().exec() == QDialog::Accepted)
        SaveConfigFile();
}

// The pilot the score entry window shows, while it is open, flies now.
void MainForm::ApplyLiveResults() {
    const auto port = static_cast<quint16>(std::clamp(state_.settings.LiveResultsPort, 1, 65535));
    // A server already on that port serves on: the phones keep their connections, and the
    // pages follow the other settings by themselves.
    if (liveServer_ && state_.settings.LiveResults == 1 && liveServer_->port() == port) {
        showLiveResultsAddress();
        return;
    }
    liveServer_.reset();
    if (state_.settings.LiveResults == 1) {
        auto server = std::make_unique<LiveServer>(
            state_.contest, state_.work, state_.texts, state_.settings, [this] {
                return scoresForm_ && scoresForm_->isVisible()
                           ? PilotInRound{state_.work.EditPilotIndex, state_.work.CurrentRound}
                           : PilotInRound{};
            });
        const Status started = server->start(port);
        if (started)
            liveServer_ = std::move(server);
        else
            showMessage(started.message);
    }
    showLiveResultsAddress();
}

std::optional<QStringList> MainForm::liveResultsAddresses() const {
    if (!liveServer_)
        return std::nullopt;
    return LiveAddresses(liveServer_->port());
}

void MainForm::showLiveResultsAddress() {
    const std::optional<QStringList> addresses = liveResultsAddresses();
    LiveResultsAddress_->setVisible(addresses.has_value());
    if (!addresses)
        return;
    const QString shown = addresses->isEmpty() ? state_.texts.get(QStringLiteral("WEB_NO_ADDRESS"))
                                               : addresses->join(QStringLiteral("  "));
    LiveResultsAddress_->setText(
        QStringLiteral("<a href=\"#\">%1 %2</a>")
            .arg(state_.texts.get(QStringLiteral("WEB_STATUS")).toHtmlEscaped(),
                 shown.toHtmlEscaped()));
}

void MainForm::ConfigureLiveResults_Click() {
    if (!configLiveResultsForm_) {
        configLiveResultsForm_ = std::make_unique<ConfigLiveResultsForm>(
            state_.settings, state_.texts, *this,
            [this] {
                SaveConfigFile();
                ApplyLiveResults();
            },
            [this] { return liveResultsAddresses(); });
    }
    configLiveResultsForm_->exec();
}

void MainForm::VeltraHelp_Click() {
    if (!helpForm_)
        helpForm_ = std::make_unique<HelpForm>(state_.texts, *this);
    helpForm_->show();
    helpForm_->raise();
    helpForm_->activateWindow();
}

void MainForm::About_Click() {
    if (!aboutForm_)
        aboutForm_ = std::make_unique<AboutForm>(state_.texts, *this);
    aboutForm_->exec();
}

} // namespace veltra
