#pragma once

#include "core/appstate.h"
#include "display/remotedisplayport.h"
#include "ui/feedback.h"

#include <QMainWindow>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QProgressBar;
class QTimer;

namespace Ui {
class MainForm;
}

namespace veltra {

class AboutForm;
class CompetitionForm;
class ConfigGeneralForm;
class ConfigLiveResultsForm;
class ConfigRemoteDisplayForm;
class ContestOverview;
class FileSelectForm;
class HelpForm;
class LiveServer;
class PrintCommands;
class ScheduleForm;
class ScoresForm;
class SelectForm;
class ViewCommands;

// The start window: the menus through which everything is reached, the contest at a glance in
// its body, and the status line with the open competition's path, the result method, the
// language file and a progress bar.
//
// Menu commands are QActions named after their controls (FileChoose, EditScores, ...); the
// windows behind them connect their handlers, named <control>_Click, in the constructor.
class MainForm final : public QMainWindow, public Feedback {
    Q_OBJECT

  public:
    // Builds the window and runs the start-up: settings, language, recent-files menu.
    explicit MainForm(AppState& state, QWidget* parent = nullptr);
    ~MainForm() override;

    void showMessage(const QString& text) override;
    void showFooter(const QString& text) override;
    void showStatus(const QString& text) override;

    // Mode 1 enables the thirteen menu items that need a competition; any other mode disables
    // them.
    void ContestSelected(int mode);

    // Writes the settings file when a setting changed since it was read or last written; a
    // failure is shown to the user.
    void SaveConfigFile();

    void showProgress(int percent) override;
    void hideProgress() override;

    // The selection dialogs, created on first use and afterwards only hidden.
    FileSelectForm& fileSelectForm();
    SelectForm& selectForm();
    CompetitionForm& competitionForm();

    // (Re)opens the serial port to the results display board with the settings; a port that
    // cannot be opened is reported and the program runs on without it.
    void OpenComPort();

    // Serves the live results as the settings ask, or stops serving them; a port that cannot be
    // had is reported and the program runs on without them.
    void ApplyLiveResults();
    // The addresses of the live results being served, or nothing when they are off.
    std::optional<QStringList> liveResultsAddresses() const;

    // A menu item or menu by its control name, for instance "EditScores" or "FileExport".
    QAction* menuCommand(const QString& name) const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Load();
    void layOutStatusLine();
    void showResultMethodBox();
    void connectMenus();
    void addOverview();
    bool ReadLanguageFile(const QString& languageFile);
    QString competitionFiles() const;
    void UpdateFilemenu();
    void ActivateSelectedFile();
    void FileChoose_Click();
    void FileNew_Click();
    void FileClose_Click();
    // The thirteen competition commands disabled and the footer saying that none is open.
    void showNoCompetition();
    void FileExit_Click();
    void RecentFile_Click(int index);
    void openDemo(const QString& folder, const QString& file);
    void EditScores_Click();
    void EditCompetition_Click();
    void EditSchedule_Click();
    void ConfigureLanguage_Click();
    void ConfigureGeneral_Click();
    void ConfigureExternalDisplay_Click();
    void ConfigurePrinting_Click();
    void ConfigureLiveResults_Click();
    void showLiveResultsAddress();
    void VeltraHelp_Click();
    void About_Click();

    AppState& state_;
    std::unique_ptr<Ui::MainForm> ui_;
    QProgressBar* PROGRESS_ = nullptr;
    QLabel* LiveResultsAddress_ = nullptr;
    ContestOverview* overview_ = nullptr;
    // The footer's lasting text, shown again once a passing status has been read.
    QString footer_;
    QTimer* statusShown_ = nullptr;
    std::unique_ptr<FileSelectForm> fileSelectForm_;
    std::unique_ptr<SelectForm> selectForm_;
    std::unique_ptr<ScoresForm> scoresForm_;
    std::unique_ptr<ConfigGeneralForm> configGeneralForm_;
    std::unique_ptr<ConfigRemoteDisplayForm> configRemoteDisplayForm_;
    std::unique_ptr<ConfigLiveResultsForm> configLiveResultsForm_;
    std::unique_ptr<HelpForm> helpForm_;
    std::unique_ptr<AboutForm> aboutForm_;
    std::unique_ptr<CompetitionForm> competitionForm_;
    std::unique_ptr<ScheduleForm> scheduleForm_;
    RemoteDisplayPort RemoteDisplayPort_;
    QByteArray settingsOnDisk_;
    std::unique_ptr<ViewCommands> viewCommands_;
    // Asks the results printout's options in the view commands' dialog, so it ends first.
    std::unique_ptr<PrintCommands> printCommands_;
    std::unique_ptr<LiveServer> liveServer_;
};

} // namespace veltra
