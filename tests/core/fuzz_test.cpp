#include "core/contestfiles.h"
#include "core/fieldreader.h"
#include "core/format.h"
#include "core/language.h"
#include "core/numbers.h"
#include "core/settings.h"
#include "support/contestfolder.h"
#include "support/mutate.h"

#include <gtest/gtest.h>

using namespace veltra;

using Fuzz = ContestFolder;

// Under the sanitizers: every reader meets mutated files, and what it keeps stays in range.
TEST_F(Fuzz, DamagedFilesNeverCrashTheReaders) {
    const QByteArray seeds[] = {readBytes(testData("contest.cnt")),
                                readBytes(testData("schedule.sch")),
                                readBytes(testData("Veltra.ini")),
                                readBytes(testData("../../resources/program/Norsk.lng"))};
    std::mt19937 random(20261206);
    for (int run = 0; run < 2000; ++run) {
        const QByteArray bytes = mutate(seeds[run % 4], random);
        contest = Contest();
        contest.ContSchedule = QStringLiteral("fuzz.sch");
        ASSERT_TRUE(writeBytes(work.contestPath(), bytes));
        ASSERT_TRUE(writeBytes(path("fuzz.sch"), bytes));
        ReadContest(contest, work, texts);
        ReadSchedule(contest, work, texts);
        for (const auto& [count, capacity] :
             {std::pair{contest.JudgeCount, MaxJudges}, std::pair{contest.PilotCount, MaxPilots},
              std::pair{contest.TeamCount, MaxTeams}, std::pair{contest.Rounds, MaxRounds},
              std::pair{contest.ManeuverCount, MaxManeuvers}}) {
            ASSERT_GE(count, 0);
            ASSERT_LE(count, capacity);
        }
        for (int t = 0; t < contest.TeamCount; ++t)
            ASSERT_LE(static_cast<unsigned>(contest.Teams[t].MemberCount), MaxMembers);
        ContestFileBytes(contest);
        ScheduleFileBytes(contest, contest.TotalTime);
        for (FieldReader reader(bytes); !reader.atEnd();) {
            const QString field = reader.ReadField();
            FormatText(field, u"!@@@@@@");
            if (const auto value = ParseReal(field))
                FormatNumber(*value, u"###0.0");
        }
        Settings settings;
        ReadSettingsBytes(bytes, settings);
        ASSERT_LE(static_cast<unsigned>(settings.FilesInFilemenu), MaxRecentFiles);
        UpdateQuickSelection(settings, QStringLiteral("x.cnt"), QStringLiteral("/x/"));
        SettingsFileBytes(settings);
        Texts language;
        ReadLanguageBytes(bytes, language);
    }
}
