#include "reports/textviews.h"

#include "core/ansitext.h"
#include "reports/fixture.h"
#include "scoring/results.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>
#include <vector>

using namespace veltra;
using namespace veltra::testing;

namespace {

const QString kCaption = QStringLiteral("Veltra    ver. 2.41");

QStringList linesOf(const QString& text) {
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

} // namespace

TEST(ResultsView, ListsPilotsByPlaceThenTeamsByteForByte) {
    const PreparedResults results = PrepareResults(resultsContest(), Workspace(), {3, false});
    std::vector<int> progress;
    const QString text =
        ResultsViewText(results, Texts(), kCaption, [&](int value) { progress.push_back(value); });

    EXPECT_EQ(toAnsi(text), readBytes(testData("results_view.txt")));
    EXPECT_EQ(progress, (std::vector<int>{0, 25, 50, 75, 100}));

    // Bjørn and Per share the second place: the one later in the pilot table comes first.
    EXPECT_TRUE(linesOf(text).at(7).startsWith(QStringLiteral(" 2   7 Per Olsen")));
}

TEST(ResultsView, EndsAfterThePilotsWithoutTeamsAndCountsASinglePilotAsDone) {
    Contest contest = resultsContest();
    contest.TeamCount = 0;
    contest.PilotCount = 1;
    std::vector<int> progress;
    const QString text = ResultsViewText(PrepareResults(contest, Workspace(), {1, false}), Texts(),
                                         kCaption, [&](int value) { progress.push_back(value); });
    const QStringList lines = linesOf(text);
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines.at(4),
              QStringLiteral(" # S-# Name                     1     1N     Total   Norm. "));
    EXPECT_EQ(lines.at(6),
              QString::fromUtf8(" 1   1 Bjørn Åsøy              572  1000.0  1000.0  1000.0 "));
    EXPECT_EQ(lines.at(7), QString(lines.at(4).size(), u'-'));
    EXPECT_EQ(progress, std::vector<int>{100});
}

TEST(ResultsView, TitleIsTheResultsMenuCaptionOfTheLanguageInUse) {
    Texts texts;
    EXPECT_EQ(ResultsTitle(texts), QStringLiteral("Results"));
    // The heading key that the language files carry but the program does not use stays unused.
    texts.set(QStringLiteral("RESULT_PRINT_MAIN_HEADING"), QStringLiteral("Unused"));
    EXPECT_EQ(ResultsTitle(texts), QStringLiteral("Results"));
    texts.set(QStringLiteral("MENU_VIEW_RESULTS"), QStringLiteral("&Resultater"));
    EXPECT_EQ(ResultsTitle(texts), QStringLiteral("Resultater"));
    texts.set(QStringLiteral("MENU_VIEW_RESULTS"), QStringLiteral("R&&D &"));
    EXPECT_EQ(ResultsTitle(texts), QStringLiteral("R&D "));

    texts.set(QStringLiteral("MENU_VIEW_RESULTS"), QStringLiteral("&Resultater"));
    EXPECT_TRUE(
        ResultsViewText(PrepareResults(resultsContest(), Workspace(), {3, false}), texts, kCaption)
            .startsWith(QStringLiteral("===== Resultater =====               Veltra")));
}

TEST(StartListView, RotatesTheStartOrderToTheRoundsFirstPilotByteForByte) {
    Contest contest = resultsContest();
    for (int i = 5; i < 10; ++i)
        contest.Pilots[i] = pilot(i + 1, "Pilot", "Klubb", 35.1 + i / 100.0, 1.0, {});
    contest.PilotCount = 10;
    contest.Rounds = 5;
    const Texts texts;

    const QString round2 = StartListViewText(contest, texts, kCaption, 0, 2);
    EXPECT_EQ(toAnsi(round2), readBytes(testData("startlist_round2.txt")));
    // Round 2 of 10 pilots and 5 rounds starts with the third pilot and wraps around.
    EXPECT_TRUE(linesOf(round2).at(13).startsWith(QString::fromUtf8(" 9   1 Bjørn Åsøy")));

    const QStringList channels = linesOf(StartListViewText(contest, texts, kCaption, 1, 1));
    EXPECT_TRUE(
        channels.at(7).contains(QStringLiteral(" Navn                          61   Klubb")));
}

TEST(StartListView, WithoutRoundsOrWithFewerPilotsThanRoundsEveryRoundStartsFirst) {
    Contest contest = resultsContest();
    const Texts texts;
    for (int rounds : {0, 6}) {
        contest.Rounds = rounds;
        for (int round = 1; round <= 4; ++round) {
            const QStringList lines =
                linesOf(StartListViewText(contest, texts, kCaption, 0, round));
            ASSERT_EQ(lines.size(), 11);
            EXPECT_TRUE(lines.at(5).startsWith(QString::fromUtf8(" 1   1 Bjørn Åsøy"))) << round;
        }
    }
}
