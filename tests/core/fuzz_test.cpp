#include "core/contestfiles.h"
#include "core/fieldreader.h"
#include "core/format.h"
#include "core/language.h"
#include "core/numbers.h"
#include "core/settings.h"
#include "support/contestfolder.h"
#include "support/mutate.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <random>

using namespace veltra;

namespace {

void expectStoreInvariants(const Contest& c) {
    for (const auto& [count, capacity] :
         {std::pair{c.JudgeCount, MaxJudges}, std::pair{c.PilotCount, MaxPilots},
          std::pair{c.TeamCount, MaxTeams}, std::pair{c.ManeuverCount, MaxManeuvers},
          std::pair{c.Rounds, MaxRounds}}) {
        ASSERT_GE(count, 0);
        ASSERT_LE(count, capacity);
    }
    for (int t = 0; t < c.TeamCount; ++t) {
        ASSERT_GE(c.Teams[t].MemberCount, 0);
        ASSERT_LE(c.Teams[t].MemberCount, MaxMembers);
    }
}

} // namespace

using Fuzz = ContestFolder;

TEST_F(Fuzz, DamagedCompetitionAndScheduleFilesNeverCrashTheReaders) {
    const QByteArray seeds[] = {readBytes(testData("contest.cnt")),
                                readBytes(testData("schedule.sch"))};
    ASSERT_FALSE(seeds[0].isEmpty());
    std::mt19937 random(20261206);
    QElapsedTimer clock;
    clock.start();
    int runs = 0;
    for (; runs < 20000 && clock.elapsed() < 20000; ++runs) {
        const QByteArray bytes = mutate(seeds[runs % 2], random);
        contest = Contest();
        contest.ContSchedule = QStringLiteral("fuzz.sch");
        ASSERT_TRUE(writeBytes(work.contestPath(), bytes));
        ASSERT_TRUE(writeBytes(dir.path() + QStringLiteral("/fuzz.sch"), bytes));
        ReadContest(contest, work, texts);
        ReadSchedule(contest, work, texts);
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

TEST_F(Fuzz, DamagedSettingsAndLanguageFilesNeverCrashTheReaders) {
    const QByteArray seeds[] = {
        readBytes(testData("Veltra.ini")),
        readBytes(testData("../../resources/program/Norsk.lng")),
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
