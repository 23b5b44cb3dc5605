// Score entry at full size (51 maneuvers, 11 judges): the time from a key press to the
// recomputed grid, and to the grid painted again; and the time to change the round with every
// mark stored, the pilot list's 101 stored marks looked up again.
#include "bench/fullcontest.h"
#include "bench/keylatency.h"
#include "ui/scoresform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

using namespace veltra;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    AppState state;
    state.work.ContestDir = dir.path() + u'/';
    state.contest = FullContest();

    ScoresForm form(state);
    form.resize(1200, 900);
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    auto* grid = form.findChild<QTableWidget*>(QStringLiteral("ResultGrid"));

    const int keys = MaxManeuvers * MaxJudges;
    const auto [median, worst] = MeasureKeyLatency(*grid, keys, false);
    const auto [paintedMedian, paintedWorst] = MeasureKeyLatency(*grid, keys, true);
    std::printf("Score entry, 51 maneuvers x 11 judges, %d keys each:\n", MaxManeuvers * MaxJudges);
    std::printf("  key press to recomputed grid   median %8.1f us   worst %8.1f us\n", median,
                worst);
    std::printf("  ... and painted on screen      median %8.1f us   worst %8.1f us\n",
                paintedMedian, paintedWorst);
    std::printf("  one frame at 60 Hz             %8.1f us\n", 16666.7);

    form.hide();
    WriteFullContest(state.contest, state.work);
    form.show();
    auto* round = form.findChild<QSpinBox*>(QStringLiteral("RoundChange"));
    std::vector<double> changes;
    for (int step = 0; step < 4 * FullContestRounds; ++step) {
        QElapsedTimer timer;
        timer.start();
        round->setValue(step % FullContestRounds + 1);
        QApplication::processEvents();
        changes.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(changes.begin(), changes.end());
    std::printf("Round change, every mark stored, %zu changes:\n", changes.size());
    std::printf("  round shown and painted        median %8.1f us   worst %8.1f us\n",
                changes[changes.size() / 2], changes.back());
    return 0;
}
