#include "core/format.h"
#include "scoring/opencontest.h"
#include "scoring/scorefiles.h"
#include "support/contestfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>
#include <random>
#include <thread>

using namespace veltra;

namespace {

// Every file of the folder is one that a store wrote whole: a round score file of one mark and
// a bonus with a row for each maneuver, a results file with a complete line for every pilot.
void expectCompleteFiles(const Contest& opened, const Workspace& work) {
    for (int i = 0; i < opened.PilotCount; ++i) {
        for (int round = 1; round <= opened.Rounds; ++round) {
            const QString path = RoundScoreFilePath(opened, work, opened.Pilots[i].Name, round);
            if (!QFile::exists(path))
                continue;
            const QByteArray bytes = readBytes(path);
            RoundMarks marks;
            ASSERT_TRUE(ParseRoundScoreFile(bytes, opened, marks)) << bytes.constData();
            ASSERT_EQ(RoundScoreFileBytes(marks, opened.ManeuverCount, opened.JudgeCount), bytes);
            for (int m = 0; m < opened.ManeuverCount; ++m)
                ASSERT_EQ(marks.mark(m, opened.JudgeCount - 1), marks.mark(0, 0));
        }
    }
    const QString results = ResultsFilePath(opened, work);
    if (!QFile::exists(results))
        return;
    Contest read = opened;
    ASSERT_TRUE(ReadPreviousScores(read, work, read.Rounds)) << readBytes(results).constData();
    ASSERT_EQ(ResultsFileBytes(read), readBytes(results));
}

} // namespace

using SaveCrash = ContestFolder;

// A store killed at any moment leaves every file whole, old or new; the next opening removes
// what the kill left behind and gives every pilot the points of its stored marks.
// VELTRA_LONG_RUN=1 kills 500 times instead of 100.
TEST_F(SaveCrash, KilledStoresLeaveWholeFilesAndReopeningAgreesWithTheMarks) {
    ASSERT_TRUE(QFile::copy(testData("contest.cnt"), work.contestPath()));
    ASSERT_TRUE(QFile::copy(testData("schedule.sch"), path("Klubbprogram.sch")));
    const QStringList competition = QDir(dir.path()).entryList(QDir::Files);
    const int kills = qEnvironmentVariableIsSet("VELTRA_LONG_RUN") ? 500 : 100;
    std::mt19937 random(20261206);
    int taken = 0;
    for (int kill = 0; kill < kills; ++kill) {
        QProcess child;
        child.start(QStringLiteral(VELTRA_SAVECRASH_CHILD), {dir.path(), QString::number(kill)});
        ASSERT_TRUE(child.waitForReadyRead(10000)) << kill;
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 60000));
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished(10000));
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << child.exitCode();

        contest = Contest();
        const OpenedContest opened = OpenContest(contest, work, texts);
        ASSERT_TRUE(opened.open);
        taken += opened.messages.isEmpty() ? 0 : 1;
        QStringList stored = competition;
        stored << QFileInfo(ResultsFilePath(contest, work)).fileName();
        for (int i = 0; i < contest.PilotCount; ++i)
            for (int round = 1; round <= contest.Rounds; ++round)
                stored << QFileInfo(
                              RoundScoreFilePath(contest, work, contest.Pilots[i].Name, round))
                              .fileName();
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
            ASSERT_TRUE(stored.contains(name)) << name.toStdString();
        expectCompleteFiles(contest, work);
        for (int i = 0; i < contest.PilotCount; ++i) {
            for (int r = 0; r < contest.Rounds; ++r) {
                const std::optional<double> marks = RoundPointsFromFile(contest, work, i, r + 1);
                ASSERT_EQ(FormatNumber(contest.Pilots[i].RoundScore[r], u"0000.00"),
                          FormatNumber(marks.value_or(0.0), u"0000.00"))
                    << kill << " " << i << " " << r;
            }
        }
    }
    std::cout << "[ " << kills << " stores killed; " << taken
              << " times the reopening took points from round score files newer than the "
                 "results file ]"
              << std::endl;
}
