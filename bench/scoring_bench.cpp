// Scoring at full capacity: 101 pilots, 10 rounds, 11 judges, 51 maneuvers. Each figure is
// printed beside the time to merely read the same bytes from disk.
#include "bench/fullcontest.h"
#include "core/savefile.h"
#include "scoring/explanation.h"
#include "scoring/judgeanalysis.h"
#include "scoring/results.h"
#include "scoring/scorefiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

using namespace veltra;

namespace {

constexpr int kPilots = MaxPilots;
constexpr int kRounds = FullContestRounds;

double millis(const std::function<void()>& work, int repeat = 1) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < repeat; ++i)
        work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6 / repeat;
}

void report(const char* what, double ms, double rawMs) {
    std::printf("%-44s %10.3f ms   raw read %8.3f ms   ratio %6.2f\n", what, ms, rawMs,
                rawMs > 0 ? ms / rawMs : 0.0);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    Workspace work;
    work.ContestDir = dir.path() + u'/';
    work.ContestFile = QStringLiteral("Full.cnt");
    Contest contest = FullContest();

    const double store = millis([&] {
        for (int round = 1; round <= kRounds; ++round) {
            for (int i = 0; i < kPilots; ++i) {
                const RoundMarks marks = FullContestMarks(i, round);
                contest.Pilots[i].RoundScore[round - 1] =
                    RoundPoints(marks, contest, contest.Pilots[i].KFactor);
                SaveScores(contest, work, i, round, marks);
            }
        }
    });

    QStringList roundFiles;
    for (int i = 0; i < kPilots; ++i)
        for (int round = 1; round <= kRounds; ++round)
            roundFiles << RoundScoreFilePath(contest, work, contest.Pilots[i].Name, round);
    const auto readAll = [](const QStringList& files) {
        qsizetype bytes = 0;
        for (const QString& file : files)
            bytes += ReadWholeFile(file).value_or(QByteArray()).size();
        return bytes;
    };
    const double rawRoundFiles = millis([&] { readAll(roundFiles); }, 5);
    const QStringList resultsFile{ResultsFilePath(contest, work)};
    const double rawResults = millis([&] { readAll(resultsFile); }, 50);

    const double previous = millis([&] { ReadPreviousScores(contest, work, kRounds); }, 50);
    const double calculate = millis([&] { CalculateResults(contest, kRounds, true); }, 200);
    const double prepare = millis([&] { PrepareResults(contest, work, {kRounds, true}); }, 50);
    const PreparedResults prepared = PrepareResults(contest, work, {kRounds, true});
    const double explain = millis([&] { ExplainResult(prepared, work, kPilots - 1, kRounds); }, 50);
    QString text;
    const double analysis = millis(
        [&] { text = JudgeAnalysisText(contest, work, Texts(), QStringLiteral("Veltra")); }, 5);

    std::printf("Full capacity: %d pilots, %d rounds, %d judges, %d maneuvers, %lld bytes of "
                "round score files\n",
                kPilots, kRounds, MaxJudges, MaxManeuvers,
                static_cast<long long>(readAll(roundFiles)));
    report("store every round score file (1010 stores)", store, rawRoundFiles);
    report("ReadPreviousScores", previous, rawResults);
    report("CalculateResults", calculate, rawResults);
    report("PrepareResults (read and calculate)", prepare, rawResults);
    report("ExplainResult of one pilot and round", explain, rawRoundFiles / (kPilots * kRounds));
    report("judge analysis over 1010 round score files", analysis, rawRoundFiles);
    return text.isEmpty() ? 1 : 0;
}
