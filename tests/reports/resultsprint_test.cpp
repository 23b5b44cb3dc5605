#include "reports/resultsprint.h"
#include "reportstestsupport.h"

namespace veltra {
namespace {

// Pilots 1, 2 and 4 share the first place once each drops a round of 800; pilot 3 is fourth.
// Team T2 has all four pilots, T1 pilots 1 and 3.
Contest ScoredContest() {
    Contest contest = SampleContest(4, 3, 0, 3);
    const double scores[4][3] = {
        {500, 400, 300}, {400, 500, 300}, {250, 250, 150}, {500, 400, 300}};
    for (int i = 0; i < 4; ++i)
        std::copy(scores[i], scores[i] + 3, contest.Pilots[i].RoundScore.begin());
    contest.TeamCount = 2;
    contest.Teams[0] = {QStringLiteral("T1"), 2, {"Pilot 1", "Pilot 3"}, {}, 0, 0};
    contest.Teams[1] = {
        QStringLiteral("T2"), 4, {"Pilot 1", "Pilot 2", "Pilot 3", "Pilot 4"}, {}, 0, 0};
    return contest;
}

TEST(ResultsGraphic, PilotTableWithStruckDroppedRoundsThenTeams) {
    Contest contest = ScoredContest();
    RecordingTarget target;
    PrintResults(contest, ReportTexts(), PrintSettings(), {1, 3, true}, target);
    const RecordedDocument& list = target.documents.at(0);
    EXPECT_EQ(list.setup.orientation, Orientation::Landscape);
    EXPECT_EQ(list.pageCount, 1);
    EXPECT_TRUE(list.texts.at(1).bold); // the footer stays bold
    EXPECT_TRUE(HasLine(list, 0, 8, 5, 46, 195, 46));
    EXPECT_EQ(TextAtOr(list, 0, 125, 26), QStringLiteral("2 N"));
    EXPECT_EQ(TextAtOr(list, 0, 183, 26), QStringLiteral("Norm"));

    // Pilot 4 shares place 1 with pilots 1 and 2 and comes last in the store: first row.
    EXPECT_EQ(TextAtOr(list, 0, 17, 30), QStringLiteral("  4"));
    EXPECT_EQ(TextAtOr(list, 0, 122, 30), QStringLiteral(" 800.0"));
    EXPECT_EQ(TextAtOr(list, 0, 168, 30), QStringLiteral("2000.0"));
    EXPECT_FALSE(Found(list, 0, 183, 30).bold);
    EXPECT_TRUE(HasLine(list, 0, 1, 107, 31, 129, 33)); // its round 2 struck through
    EXPECT_EQ(TextAtOr(list, 0, 26, 34), Padded("Pilot 2", 25));
    EXPECT_TRUE(HasLine(list, 0, 1, 77, 35, 99, 37)); // pilot 2's round 1
    EXPECT_EQ(TextAtOr(list, 0, 183, 42), QStringLiteral("500.0"));
    EXPECT_DOUBLE_EQ(contest.Pilots[2].Total, 1000.0); // the results stay in the contest

    // The team table 5 mm below; a fourth member's score counts but is not shown.
    EXPECT_TRUE(HasLine(list, 0, 8, 5, 64, 100, 64));
    EXPECT_EQ(TextAtOr(list, 0, 17, 56), Padded("T2", 15));
    EXPECT_EQ(TextAtOr(list, 0, 87, 56), QStringLiteral("7000.0"));
    EXPECT_EQ(TextAtOr(list, 0, 57, 60), QStringLiteral("1000.0"));
    EXPECT_FALSE(TextAt(list, 0, 72, 60));
}

TEST(ResultsGraphic, NothingStruckWithoutDroppingAndCancelChangesNothing) {
    Contest contest = ScoredContest();
    RecordingTarget target;
    PrintResults(contest, ReportTexts(), PrintSettings(), {1, 3, false}, target);
    for (const RecordedLine& line : target.documents.at(0).lines)
        EXPECT_NE(line.width, 1);
    contest.Pilots[0].Total = -5;
    PrintResults(contest, ReportTexts(), PrintSettings(), {-1, 3, false}, target);
    EXPECT_EQ(target.documents.size(), 1u);
    EXPECT_EQ(contest.Pilots[0].Total, -5);
}

TEST(ResultsGraphic, LongListsAndManyRoundsContinueOnFurtherPages) {
    Contest contest = ScoredContest();
    contest.PilotCount = 40;
    RecordingTarget target;
    PrintResults(contest, ReportTexts(), PrintSettings(), {1, 3, false}, target);
    // 40 pilots end the table at 190 as on one page; the teams need a page of their own.
    const RecordedDocument& forty = target.documents.at(0);
    ASSERT_EQ(forty.pageCount, 2);
    EXPECT_TRUE(HasLine(forty, 0, 8, 5, 190, 195, 190));
    EXPECT_TRUE(HasLine(forty, 1, 8, 5, 25, 100, 25));

    contest = SampleContest(45, 0, 0, 10);
    PrintResults(contest, ReportTexts(), PrintSettings(), {1, 10, false}, target);
    const RecordedDocument& wide = target.documents.at(1);
    // Rows 1-40 with rounds 1-7, then with rounds 8-10 and the totals; then rows 41-45.
    ASSERT_EQ(wide.pageCount, 4);
    EXPECT_TRUE(HasLine(wide, 0, 8, 5, 25, 285, 25));
    EXPECT_EQ(TextAtOr(wide, 0, 262, 26), QStringLiteral("7"));
    EXPECT_EQ(TextAtOr(wide, 1, 82, 26), QStringLiteral("8"));
    EXPECT_EQ(TextAtOr(wide, 1, 168, 26), QStringLiteral("Total"));
    EXPECT_TRUE(HasLine(wide, 3, 8, 5, 50, 195, 50));
}

TEST(ResultsText, PilotsAndTeams) {
    Contest contest = ScoredContest();
    PrintSettings settings = TextPrinter();
    std::vector<int> progress;
    settings.progress = [&](int value) { progress.push_back(value); };
    RecordingTarget target;
    PrintResults(contest, ReportTexts(), settings, {1, 3, true}, target);
    EXPECT_EQ(PrintedText(target.documents.at(0)), readBytes(testData("print_results.txt")));
    EXPECT_EQ(progress, std::vector<int>({0, 33, 66, 100}));
}

} // namespace
} // namespace veltra
