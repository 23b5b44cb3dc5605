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

// The pilot table on a landscape page with the dropped rounds struck through and the footer
// bold: pilot 4 shares place 1 with pilots 1 and 2 and comes last in the store, so it leads. The
// team table 5 mm below, where a fourth member's score counts but is not shown. The same without
// dropping, nothing struck; 40 pilots, whose teams need a page of their own; 45 pilots in ten
// rounds: rows 1-40 with rounds 1-5, then with rounds 6-10, then rows 41-45 likewise, every page
// with the places, names, totals and normalised totals.
TEST(ResultsGraphic, PilotTableWithStruckDroppedRoundsThenTeamsOnFurtherPages) {
    const auto print = [](const Contest& contest, ResultOptions options, RecordingTarget& target) {
        PrintResults(PrepareResults(contest, Workspace(), options), ReportTexts(), PrintSettings(),
                     1, target);
    };
    RecordingTarget target;
    print(ScoredContest(), {3, true}, target);
    print(ScoredContest(), {3, false}, target);
    Contest forty = ScoredContest();
    forty.PilotCount = 40;
    print(forty, {3, false}, target);
    print(SampleContest(45, 0, 0, 10), {10, false}, target);
    EXPECT_EQ(target.documents.size(), 4u);
    const RecordedDocument& ten = target.documents[3];
    for (int page = 0; page < ten.pageCount; ++page) {
        for (const char* shown : {"Total", "Norm", "Pilot "}) {
            EXPECT_TRUE(Shows(ten, page, [&](const QString& t) { return t.startsWith(shown); }))
                << shown << " on page " << page + 1;
        }
    }
    // The dropped rounds are struck through as strongly as the table is ruled.
    for (const RecordedLine& line : target.documents[0].lines)
        EXPECT_GE(line.width, RuleWidth);
    ExpectNumbersUnpadded(target);
    ExpectLayout(target, "results.layout");
}

// The dropped round's points stand in brackets.
TEST(ResultsText, PilotsAndTeams) {
    PrintSettings settings = TextPrinter();
    std::vector<int> progress;
    settings.progress = [&](int value) { progress.push_back(value); };
    RecordingTarget target;
    PrintResults(PrepareResults(ScoredContest(), Workspace(), {3, true}), ReportTexts(), settings,
                 1, target);
    EXPECT_EQ(PrintedText(target.documents.at(0)), readBytes(testData("print_results.txt")));
    EXPECT_EQ(progress, std::vector<int>({0, 33, 66, 100}));
}

} // namespace
} // namespace veltra
