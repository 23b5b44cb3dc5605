// The whole program at full capacity: 101 pilots, 10 rounds, 11 judges, 51 maneuvers, every
// mark stored. Each step is timed as the director meets it and printed beside the time to
// merely read the files it needs, as a ratio.
#include "bench/fullcontest.h"
#include "core/appstate.h"
#include "core/contestfiles.h"
#include "core/programdir.h"
#include "core/savefile.h"
#include "core/settings.h"
#include "reports/exports.h"
#include "reports/textviews.h"
#include "scoring/judgeanalysis.h"
#include "scoring/results.h"
#include "scoring/scorefiles.h"
#include "ui/mainform.h"
#include "ui/viewform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

using namespace veltra;

namespace {

constexpr int kRounds = FullContestRounds;

double millis(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double rawRead(const QStringList& files) {
    return millis([&] {
        for (const QString& file : files)
            ReadWholeFile(file);
    });
}

void report(const char* what, double ms, double rawMs, double goalMs) {
    std::printf("%-34s %9.2f ms   raw read %8.2f ms   ratio %7.2f   goal %6.0f ms  %s\n", what, ms,
                rawMs, rawMs > 0 ? ms / rawMs : 0.0, goalMs, ms <= goalMs ? "met" : "MISSED");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    QTemporaryDir contestDir;
    qputenv("VELTRA_HOME", home.path().toUtf8());

    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    const qint64 applicationMade = sinceStart.nsecsElapsed();

    Workspace work;
    work.ProgramDir = home.path();
    work.ContestDir = contestDir.path() + u'/';
    work.ContestFile = QStringLiteral("Full.cnt");
    Contest full = FullContest();
    const QStringList contestFiles = WriteFullContest(full, work);
    QStringList roundFiles;
    for (int i = 0; i < full.PilotCount; ++i)
        for (int r = 1; r <= kRounds; ++r)
            roundFiles << RoundScoreFilePath(full, work, full.Pilots[i].Name, r);
    for (const char* file : {"English.lng", "Norsk.lng"})
        QFile::copy(QCoreApplication::applicationDirPath() + "/shipped/" + file,
                    home.path() + u'/' + QString::fromLatin1(file));
    Settings settings;
    settings.LanguageFile = QStringLiteral("English.lng");
    UpdateQuickSelection(settings, work.ContestFile, work.ContestDir);
    SaveConfigFile(QStringLiteral("Veltra.ini"), home.path(), settings);

    AppState state;
    std::unique_ptr<MainForm> window;
    const double startup =
        millis([&] {
            state.work.ProgramDir =
                ResolveProgramDir(QCoreApplication::applicationDirPath(), QString()).path;
            window = std::make_unique<MainForm>(state);
            window->show();
            (void)QTest::qWaitForWindowExposed(window.get());
        }) +
        static_cast<double>(applicationMade) / 1e6;
    report("start-up to the main window shown", startup,
           rawRead({home.path() + "/Veltra.ini", home.path() + "/English.lng"}), 500);

    const double open = millis([&] { window->menuCommand(QStringLiteral("File1"))->trigger(); });
    report("opening the full contest", open, rawRead(contestFiles), 100);

    // The results view: the stored points re-read, the calculation, the text, the window.
    ViewForm view(state, window.get());
    const double results = millis([&] {
        const PreparedResults prepared = PrepareResults(state.contest, state.work, {kRounds, true});
        view.showResults(ResultsViewText(prepared, state.texts, window->windowTitle()));
        QApplication::processEvents();
    });
    report("results view", results, rawRead({ResultsFilePath(state.contest, state.work)}), 100);

    const double exported = millis([&] {
        ExportResults(PrepareResults(state.contest, state.work, {kRounds, true}), state.work,
                      state.texts, window->windowTitle());
    });
    report("results export", exported, rawRead({ResultsFilePath(state.contest, state.work)}), 100);

    QString analysis;
    const double judges = millis([&] {
        analysis = JudgeAnalysisText(state.contest, state.work, state.texts, window->windowTitle());
    });
    report("judge analysis", judges, rawRead(roundFiles), 200);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%-34s %9.1f MB   goal under 100 MB  %s\n", "peak memory",
                static_cast<double>(usage.ru_maxrss) / 1024.0,
                usage.ru_maxrss < 100 * 1024 ? "met" : "MISSED");
    return state.contest.PilotCount == MaxPilots && !analysis.isEmpty() ? 0 : 1;
}
