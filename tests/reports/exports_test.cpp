#include "reports/exports.h"

#include "core/ansitext.h"
#include "reports/fixture.h"
#include "scoring/results.h"
#include "support/contestfolder.h"

#include <QDir>
#include <gtest/gtest.h>
#include <vector>

using namespace veltra;
using namespace veltra::testing;

namespace {

const QString kCaption = QStringLiteral("Veltra    ver. 2.41");

using Exports = ContestFolder;

} // namespace

TEST_F(Exports, ResultsFileHoldsTabSeparatedPaddedColumnsByteForByte) {
    const PreparedResults results = PrepareResults(resultsContest(), Workspace(), {3, true});
    std::vector<int> progress;
    ASSERT_TRUE(ExportResults(results, work, Texts(), kCaption,
                              [&](int value) { progress.push_back(value); }));

    EXPECT_EQ(readBytes(dir.path() + QString::fromUtf8("/Vårcupen 2026 results.txt")),
              readBytes(testData("results_export.txt")));
    EXPECT_EQ(progress, (std::vector<int>{0, 25, 50, 75, 100}));
}

TEST_F(Exports, ResultsWithoutTeamsEndAfterTheLastPilot) {
    contest = resultsContest();
    contest.TeamCount = 0;
    const QString text =
        ResultsExportText(PrepareResults(contest, Workspace(), {2, false}), Texts(), kCaption);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.size(), 4 + 1 + 5 + 1);
    EXPECT_TRUE(lines.at(9).startsWith(QStringLiteral(" 5\t  3\tNavn")));
    EXPECT_TRUE(lines.at(10).isEmpty());
}

TEST_F(Exports, PilotListFileListsEveryPilotInStartOrderByteForByte) {
    contest = resultsContest();
    contest.ContName = QStringLiteral("  Cup ");
    std::vector<int> progress;
    ASSERT_TRUE(ExportPilotList(contest, work, Texts(), kCaption, 0,
                                [&](int value) { progress.push_back(value); }));

    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Cup Pilotlist.txt"});
    EXPECT_EQ(readBytes(dir.path() + QStringLiteral("/Cup Pilotlist.txt")),
              readBytes(testData("pilotlist_export.txt")));
    EXPECT_EQ(progress, (std::vector<int>{0, 25, 50, 75, 100}));
    EXPECT_EQ(ResultsExportPath(contest, work),
              work.ContestDir + QStringLiteral("Cup results.txt"));

    // Channel numbers right-aligned in eight characters; a single pilot is a whole list.
    contest.PilotCount = 3;
    const QStringList lines =
        PilotListExportText(contest, Texts(), kCaption, 1).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.at(7),
              QStringLiteral(" 3\t  3\tNavn                  \tKlubb         \t1.10\t      61"
                             "\tNAK-3   \tExtra 330           \tOS 160              \t"
                             "Futaba              "));
    EXPECT_TRUE(PilotListExportText(contest, Texts(), kCaption, 2)
                    .contains(QStringLiteral("\t1.10\t        \tNAK-3")));
    contest.PilotCount = 1;
    progress.clear();
    PilotListExportText(contest, Texts(), kCaption, 1,
                        [&](int value) { progress.push_back(value); });
    EXPECT_EQ(progress, std::vector<int>{100});
}

TEST_F(Exports, AFileThatCannotBeWrittenIsReportedAndTheOldOneKept) {
    contest = resultsContest();
    const Texts texts;

    // Something that cannot be replaced holds the export's name.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromUtf8("Vårcupen 2026 results.txt")));
    const Status blocked =
        ExportResults(PrepareResults(contest, Workspace(), {3, false}), work, texts, kCaption);
    EXPECT_FALSE(blocked);
    EXPECT_TRUE(blocked.message.contains(QString::fromUtf8("Vårcupen 2026 results.txt")));

    const QString pilotList = PilotListExportPath(contest, work);
    ASSERT_TRUE(writeBytes(pilotList, "earlier export\r\n"));
    work.ContestDir = dir.path() + QStringLiteral("/vanished/");
    EXPECT_FALSE(ExportPilotList(contest, work, texts, kCaption, 0));
    EXPECT_EQ(readBytes(pilotList), QByteArray("earlier export\r\n"));
}
