#pragma once

#include "core/appstate.h"
#include "core/settings.h"

#include <QWidget>
#include <array>
#include <memory>

class QAction;
class QCommandLinkButton;

namespace Ui {
class ContestOverview;
}

namespace veltra {

struct StoredRounds;

// The main window's body: the contest at a glance. Without an open competition it offers the
// recent competitions, a new one, the file dialog and the demo contest; with one open, its
// header, which pilots have stored marks in which round, the standings after the rounds flown
// and the commands of the day's work. It reads the store and the files and writes nothing; its
// buttons trigger the main window's menu items, so that each command takes the menus' path.
class ContestOverview final : public QWidget {
    Q_OBJECT

  public:
    // The menu items behind the buttons.
    struct Commands {
        QAction* newContest = nullptr;
        QAction* open = nullptr;
        QAction* scores = nullptr;
        QAction* draw = nullptr;
        QAction* results = nullptr;
        QAction* printResults = nullptr;
        std::array<QAction*, MaxRecentFiles> recent{};
    };

    // How many pilots the standings list at most.
    static constexpr int StandingsShown = 10;

    ContestOverview(const AppState& state, const Commands& commands, QWidget* parent = nullptr);
    ~ContestOverview() override;

    // Shows the store and the stored files as they are now.
    void refresh();

    // Refreshes after the marks of the pilot (an index) in the round (counted from 1) were
    // stored, with that pilot's line in view.
    void showStored(int pilotIndex, int round);

  signals:
    // The demo contest was chosen: its folder (ending with "/") and its file name.
    void demoChosen(const QString& folder, const QString& file);

  private:
    void styleTexts();
    void showStart();
    void showContest();
    void showProgress(const StoredRounds& stored);
    void showStandings();
    void OverviewDemo_Click();

    const AppState& state_;
    std::unique_ptr<Ui::ContestOverview> ui_;
    std::array<QCommandLinkButton*, MaxRecentFiles> recent_{};
};

} // namespace veltra
