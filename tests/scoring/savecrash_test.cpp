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
#include <random>
#include <thread>

using namespace veltra;

using SaveCrash = ContestFolder;

// A store killed at any moment leaves every file whole, old or new: a round score file of one
// mark and a bonus with a row for each maneuver, a results file with a complete line for every
// pilot. The next opening removes what the kill left behind and gives every pilot the points
// of its stored marks. VELTRA_LONG_RUN=1 kills 500 times instead of 100.
TEST_F(SaveCrash, KilledStoresLeaveWholeFilesAndReopeningAgreesWithTheMarks) {
    ASSERT_TRUE(QFile::copy(testData("contest.cnt"), work.contestPath()));
    ASSERT_TRUE(QFile::copy(testData("schedule.sch"), path("Klubbprogram.sch")));
    const QStringList competition = QDir(dir.path()).entryList(QDir::Files);
    const int kills = qEnvironmentVariableIsSet("VELTRA_LONG_RUN") ? 500 : 100;
    std::mt19937 random(20261206);
    for (int kill = 0; kill < kills; ++kill) {
        QProcess child;
        child.start(QStringLiteral(VELTRA_SAVECRASH_CHILD), {dir.path(), QString::number(kill)});
        ASSERT_TRUE(child.waitForReadyRead(10000)) << kill;
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 60000));
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished(10000));
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << child.exitCode();

        contest = Contest();
        ASSERT_TRUE(OpenContest(contest, work, texts).open);
        QStringList stored = competition;
        stored << QFileInfo(ResultsFilePath(contest, work)).fileName();
        for (int i = 0; i < contest.PilotCount; ++i) {
            for (int round = 1; round <= contest.Rounds; ++round) {
                const QString file =
                    RoundScoreFilePath(contest, work, contest.Pilots[i].Name, round);
                stored << QFileInfo(file).fileName();
                const std::optional<double> points = RoundPointsFromFile(contest, work, i, round);
                ASSERT_EQ(FormatNumber(contest.Pilots[i].RoundScore[round - 1], u"0000.00"),
                          FormatNumber(points.value_or(0.0), u"0000.00"))
                    << kill << " " << i << " " << round;
                if (!QFile::exists(file))
                    continue;
                const QByteArray bytes = readBytes(file);
                RoundMarks marks;
                ASSERT_TRUE(ParseRoundScoreFile(bytes, contest, marks)) << bytes.constData();
                ASSERT_EQ(RoundScoreFileBytes(marks, contest.ManeuverCount, contest.JudgeCount),
                          bytes);
                for (int m = 0; m < contest.ManeuverCount; ++m)
                    ASSERT_EQ(marks.mark(m, contest.JudgeCount - 1), marks.mark(0, 0));
            }
        }
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
            ASSERT_TRUE(stored.contains(name)) << name.toStdString();
        const QString results = ResultsFilePath(contest, work);
        if (QFile::exists(results)) {
            Contest read = contest;
            ASSERT_TRUE(ReadPreviousScores(read, work, read.Rounds));
            ASSERT_EQ(ResultsFileBytes(read), readBytes(results));
        }
    }
}
