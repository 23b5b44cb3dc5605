#include "reports/textviews.h"

#include "core/ansitext.h"
#include "reports/explanation.h"
#include "reports/exports.h"
#include "reports/reportstestsupport.h"
#include "scoring/results.h"
#include "support/contestfolder.h"

#include <QDir>
#include <gtest/gtest.h>
#include <vector>

using namespace veltra;

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

    const QStringList channels = linesOf(StartListViewText(contest, texts, kCaption, 1, 1));
    EXPECT_TRUE(
        channels.at(7).contains(QStringLiteral(" Navn                          61   Klubb")));
    // Any other display mode shows no channel, as the printouts do.
    const QStringList none = linesOf(StartListViewText(contest, texts, kCaption, 2, 1));
    EXPECT_TRUE(none.at(7).contains(QStringLiteral(" Navn") + QString(31, u' ') + "Klubb"));
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

namespace {

ManeuverWorking maneuver(const char* name, int k, std::initializer_list<int> marks, int highest,
                         int lowest, int counted) {
    ManeuverWorking row;
    row.name = QString::fromUtf8(name);
    row.k = k;
    row.marks.fill(ManeuverWorking::NoMark);
    std::copy(marks.begin(), marks.end(), row.marks.begin());
    row.given = static_cast<int>(marks.size());
    row.droppedHighest = highest;
    row.droppedLowest = lowest;
    row.counted = counted;
    row.rowSum = counted * k;
    return row;
}

// Kåre's round 2 of three counted, the weakest dropped: 8 7 9 8 8 on a loop of K 3 (the 9 and
// the 7 dropped), 6 5 4 on a roll, bonus 2 and K-factor 1.10, against Bo's best of 100.4.
ResultExplanation kaaresRound() {
    ResultExplanation e;
    e.contestName = QStringLiteral("Cup");
    e.location = QString::fromUtf8("Ørland");
    e.date = QStringLiteral("12.05.2026");
    e.startNo = 7;
    e.pilotName = QString::fromUtf8("Kåre Ås");
    e.options = {3, true};
    RoundWorking& r = e.round;
    r.round = 2;
    r.stored = true;
    r.judges = 5;
    r.maneuvers = {
        maneuver("Loop", 3, {8, 7, 9, 8, 8}, 2, 1, 24),
        maneuver("Rull", 1, {6, 5, 4}, ManeuverWorking::NoJudge, ManeuverWorking::NoJudge, 15)};
    r.rowSums = 87;
    r.bonus = 2;
    r.rawSum = 89;
    r.kFactor = 1.1;
    r.fromMarks = r.points = 97.9;
    r.counted = true;
    r.best = {100.0, 1};
    r.bestPilotName = QStringLiteral("Bo");
    r.bestPilotPoints = 100.4;
    r.normalised = 979.0;
    e.rounds = {{500.0, {510.0, 0}, 980.4}, {97.9, {100.0, 1}, 979.0}, {300.0, {300.0, 1}, 1000.0}};
    e.sumOfRounds = 2959.4;
    e.droppedRound = 1;
    e.lowestPoints = 979.0;
    e.total = 1980.4;
    e.placed = 2;
    e.pilotCount = 5;
    e.bestTotal = 2000.0;
    e.normTotal = 990.2;
    e.teams = {{QStringLiteral("Lag"),
                {{e.pilotName, true, 1980.4}, {QStringLiteral("Nobody"), false, 0.0}},
                1980.4,
                1,
                2}};
    return e;
}

} // namespace

TEST(ExplanationText, ShowsTheMarksTheRoundPointsTheNormalisationTheTotalAndTheTeams) {
    ResultExplanation e = kaaresRound();
    const QStringList lines = linesOf(ExplanationText(e, Texts(), kCaption));
    // Written by hand: each line stands whole in the text.
    for (const QString& line : QString::fromUtf8(readBytes(testData("explanation_lines.txt")))
                                   .split(u'\n', Qt::SkipEmptyParts))
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();
    EXPECT_FALSE(lines.filter(QStringLiteral("!!")).size());

    // Points the marks do not give are flagged; printed, the text is the same lines.
    e.round.points = 98.0;
    e.round.agrees = false;
    const QString flagged = ExplanationText(e, Texts(), kCaption);
    EXPECT_EQ(linesOf(flagged).filter(QStringLiteral("!! The marks give other points")).size(), 1);
    for (const QString& line : linesOf(flagged))
        EXPECT_LE(line.size(), 78) << line.toStdString(); // a printed page keeps its size
    RecordingTarget target;
    PrintSettings settings;
    settings.caption = kCaption;
    PrintExplanation(e, Texts(), settings, target);
    ASSERT_EQ(target.documents.size(), 1u);
    EXPECT_EQ(target.documents[0].setup.variant, PrintVariant::Text);
    EXPECT_EQ(PrintedText(target.documents[0]), toAnsi(flagged));
}

using Exports = ContestFolder;

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
