#include "core/contestfiles.h"
#include "core/fieldreader.h"
#include "core/format.h"
#include "core/language.h"
#include "core/numbers.h"
#include "core/settings.h"
#include "support/mutate.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

using namespace veltra;

namespace {

QByteArray readData(const char* name) {
    QFile file(QStringLiteral(VELTRA_TEST_DATA "/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void expectStoreInvariants(const Contest& c) {
    ASSERT_GE(c.JudgeCount, 0);
    ASSERT_LE(c.JudgeCount, MaxJudges);
    ASSERT_GE(c.PilotCount, 0);
    ASSERT_LE(c.PilotCount, MaxPilots);
    ASSERT_GE(c.TeamCount, 0);
    ASSERT_LE(c.TeamCount, MaxTeams);
    ASSERT_GE(c.ManeuverCount, 0);
    ASSERT_LE(c.ManeuverCount, MaxManeuvers);
    ASSERT_GE(c.Rounds, 0);
    ASSERT_LE(c.Rounds, MaxRounds);
    for (int t = 0; t < c.TeamCount; ++t) {
        ASSERT_GE(c.Teams[t].MemberCount, 0);
        ASSERT_LE(c.Teams[t].MemberCount, MaxMembers);
    }
}

} // namespace

TEST(Fuzz, DamagedCompetitionAndScheduleFilesNeverCrashTheReaders) {
    QTemporaryDir dir;
    Workspace work;
    work.ContestDir = dir.path() + u'/';
    work.ContestFile = QStringLiteral("fuzz.cnt");
    work.ProgramDir = dir.path();
    Texts texts;
    const QByteArray seeds[] = {readData("contest.cnt"), readData("schedule.sch")};
    ASSERT_FALSE(seeds[0].isEmpty());
    std::mt19937 random(20261206);
    QElapsedTimer clock;
    clock.start();
    int runs = 0;
    for (; runs < 20000 && clock.elapsed() < 20000; ++runs) {
        const QByteArray bytes = mutate(seeds[runs % 2], random);
        Contest contest;
        contest.ContSchedule = QStringLiteral("fuzz.sch");
        QFile cnt(work.contestPath());
        ASSERT_TRUE(cnt.open(QIODevice::WriteOnly));
        cnt.write(bytes);
        cnt.close();
        QFile sch(dir.path() + QStringLiteral("/fuzz.sch"));
        ASSERT_TRUE(sch.open(QIODevice::WriteOnly));
        sch.write(bytes);
        sch.close();
        ReadFile(ReadContestFile, contest, work, texts);
        ReadFile(ReadScheduleFile, contest, work, texts);
        expectStoreInvariants(contest);
        ContestFileBytes(contest);
        ScheduleFileBytes(contest, contest.TotalTime);

        FieldReader reader(bytes);
        while (!reader.atEnd()) {
            const QString field = reader.ReadField();
            ParseReal(field);
            FormatText(field, u"!@@@@@@");
            if (const auto value = ParseReal(field))
                FormatNumber(*value, u"###0.0");
        }
    }
    EXPECT_GE(runs, 1000);
}

TEST(Fuzz, DamagedSettingsAndLanguageFilesNeverCrashTheReaders) {
    const QByteArray seeds[] = {
        readData("Veltra.ini"),
        readData("../../resources/program/Norsk.lng"),
    };
    ASSERT_FALSE(seeds[0].isEmpty());
    ASSERT_FALSE(seeds[1].isEmpty());
    std::mt19937 random(20261207);
    QElapsedTimer clock;
    clock.start();
    int runs = 0;
    for (; runs < 20000 && clock.elapsed() < 5000; ++runs) {
        const QByteArray bytes = mutate(seeds[runs % 2], random);
        Settings settings;
        ReadSettingsBytes(bytes, settings);
        ASSERT_GE(settings.FilesInFilemenu, 0);
        ASSERT_LE(settings.FilesInFilemenu, MaxRecentFiles);
        UpdateQuickSelection(settings, QStringLiteral("x.cnt"), QStringLiteral("/x/"));
        SettingsFileBytes(settings);
        Texts texts;
        ReadLanguageBytes(bytes, texts);
    }
    EXPECT_GE(runs, 1000);
}
