// The real program's main window on a program folder of its own with the demo contest open and
// the live results switched on, for the browser test. Commands come one per line on the
// standard input:
//   open    shows the score entry window on the pilot placed last; answers "NOW <name>"
//   store   types 10 for every mark of that pilot in every round flown, so that he wins, and
//           returns, which stores the last round; answers "STORED"
//   quit    ends the program
#include "core/appstate.h"
#include "core/firststart.h"
#include "core/programdir.h"
#include "scoring/results.h"
#include "support/testsupport.h"
#include "ui/mainform.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSocketNotifier>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

using namespace veltra;

namespace {

void answer(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

// Runs `action` on the score entry window once it is shown.
void onScoresForm(std::function<void(QWidget&)> action) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal->objectName() != u"ScoresForm")
            return;
        timer->deleteLater();
        timer->stop();
        action(*modal);
    });
    timer->start(10);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QTemporaryDir home;
    const QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/shipped");
    if (!home.isValid() || !FillProgramDir(home.path(), shipped) ||
        !PrepareFirstStart(home.path(), shipped))
        return 3;
    const QString ini = home.path() + QStringLiteral("/Veltra.ini");
    if (!writeBytes(ini,
                    readBytes(ini) + "LIVE_RESULTS,1\r\nLIVE_RESULTS_PORT," + argv[1] + "\r\n"))
        return 4;

    AppState state;
    state.work.ProgramDir = home.path();
    MainForm window(state);
    window.show();
    window.menuCommand(QStringLiteral("File1"))->trigger();
    if (!window.liveResultsAddresses())
        return 5;

    int pilot = -1;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char line[64] = {};
        const ssize_t read = ::read(STDIN_FILENO, line, sizeof line - 1);
        const QByteArray command = QByteArray(line, read > 0 ? read : 0).trimmed();
        if (command == "open") {
            pilot = PrepareStandings(state.contest, state.work, false).pilotsByPlace.back();
            onScoresForm([&](QWidget& scores) {
                scores.findChild<QListWidget*>(QStringLiteral("PilotList"))->setCurrentRow(pilot);
                answer(QStringLiteral("NOW ") + state.contest.Pilots[pilot].Name);
            });
            QTimer::singleShot(
                0, [&] { window.menuCommand(QStringLiteral("EditScores"))->trigger(); });
        } else if (command == "store") {
            QWidget* scores = QApplication::activeModalWidget();
            auto* grid = scores->findChild<QTableWidget*>(QStringLiteral("ResultGrid"));
            auto* round = scores->findChild<QSpinBox*>(QStringLiteral("RoundChange"));
            for (int flown = 1; flown <= 3; ++flown) {
                round->setValue(flown); // which stores the round before
                grid->setCurrentCell(1, 2);
                for (int key = 0; key < state.contest.ManeuverCount * state.contest.JudgeCount;
                     ++key)
                    QTest::keyClick(grid, Qt::Key_X);
            }
            QTest::mouseClick(scores->findChild<QPushButton*>(QStringLiteral("ScoresOK")),
                              Qt::LeftButton);
            answer(QStringLiteral("STORED"));
        } else {
            QApplication::exit(0);
        }
    });
    answer(QStringLiteral("READY"));
    return QApplication::exec();
}
