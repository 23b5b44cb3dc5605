// The whole program at full capacity: 101 pilots, 10 rounds, 11 judges, 51 maneuvers, every
// mark stored. Each step is timed as the director meets it and printed beside the time to
// merely read the files it needs, as a ratio.
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

constexpr int kRounds = 10;

Contest fullContest() {
    Contest c;
    c.ContName = QStringLiteral("Full");
    c.ContDate = QStringLiteral("06.12.2026");
    c.ContLocation = QStringLiteral("Jarlsberg");
    c.ContSchedule = QStringLiteral("Full.sch");
    c.Rounds = kRounds;
    c.StartNoOffset = 1;
    c.JudgeCount = MaxJudges;
    for (int j = 0; j < MaxJudges; ++j)
        c.Judges[j] = {QStringLiteral("Dommer %1").arg(j + 1), QStringLiteral("NOR")};
    c.PilotCount = MaxPilots;
    for (int i = 0; i < MaxPilots; ++i) {
        Pilot& p = c.Pilots[i];
        p.StartNo = i + 1;
        p.Name = QString::fromUtf8("Pilot Ødegård %1").arg(i + 1);
        p.Club = QString::fromUtf8("Tønsberg MFK");
        p.NACNo = QStringLiteral("NAK-%1").arg(i);
        p.KFactor = 1.0;
        p.Channel = 35.01 + (i % 20) * 0.02;
        p.Plane = QStringLiteral("Extra");
        p.Engine = QStringLiteral("OS");
        p.Radio = QStringLiteral("Futaba");
    }
    c.TotalTime = 10;
    c.ManeuverCount = MaxManeuvers;
    for (int m = 0; m < MaxManeuvers; ++m) {
        c.ManeuverName[m] = QStringLiteral("Maneuver %1").arg(m + 1);
        c.ManeuverK[m] = 1 + m % 10;
    }
    return c;
}

// Writes the competition, its schedule, every round score file and the results file.
QStringList writeContest(Contest& c, const Workspace& work) {
    QStringList files{work.contestPath(), SchedulePath(c, work)};
    SaveContest(c, work, Texts());
    SaveSchedule(c, c.TotalTime, work);
    for (int i = 0; i < c.PilotCount; ++i) {
        for (int r = 1; r <= kRounds; ++r) {
            RoundMarks marks;
            for (int m = 0; m < MaxManeuvers; ++m)
                for (int j = 0; j < MaxJudges; ++j)
                    marks.setMark(m, j, (i + r + m + j) % 11);
            c.Pilots[i].RoundScore[r - 1] = RoundPoints(marks, c, c.Pilots[i].KFactor);
            const QString path = RoundScoreFilePath(c, work, c.Pilots[i].Name, r);
            SaveFileAtomically(path, RoundScoreFileBytes(marks, MaxManeuvers, MaxJudges));
        }
    }
    SaveFileAtomically(ResultsFilePath(c, work), ResultsFileBytes(c));
    files << ResultsFilePath(c, work);
    return files;
}

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
    Contest full = fullContest();
    const QStringList contestFiles = writeContest(full, work);
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
        ReadAndCalculateResults(state.contest, state.work, kRounds, true);
        view.showResults(
            ResultsViewText(state.contest, state.texts, window->windowTitle(), kRounds));
        QApplication::processEvents();
    });
    report("results view", results, rawRead({ResultsFilePath(state.contest, state.work)}), 100);

    const double exported = millis([&] {
        ReadAndCalculateResults(state.contest, state.work, kRounds, true);
        ExportResults(state.contest, state.work, state.texts, window->windowTitle(), kRounds);
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
