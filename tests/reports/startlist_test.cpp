#include "reports/startlist.h"
#include "reportstestsupport.h"

namespace veltra {
namespace {

StartListOptions Rounds(int from, int to, int pausePilot = 0, int pauseMinutes = 10) {
    return {1, from, to, pausePilot, pauseMinutes};
}

// Ten pilots in rounds 1 to 4 side by side on a landscape page, each round's block 70 mm right of
// the last and starting two pilots further down the draw, wrapping round to the first pilots,
// in frames 4 x 10 + 5 mm high. Round 1 with a pause of 15 minutes after the third pilot, in
// italics; without minutes no pause line, but the frame keeps its room. Four pilots in five
// rounds: every round starts with the first. 45 pilots in rounds 3 to 6: rounds 3 and 4 keep
// their places, and 37 rows fill a page when a pause may come.
TEST(StartListGraphic, RoundsSideBySideEachRotatedWithPausesOnFurtherPages) {
    const Contest ten = SampleContest(10, 0, 0, 5);
    RecordingTarget target;
    PrintStartList(ten, ReportTexts(), PrintSettings(), Rounds(1, 4), target);
    PrintStartList(ten, ReportTexts(), PrintSettings(), Rounds(1, 1, 3, 15), target);
    PrintStartList(ten, ReportTexts(), PrintSettings(), Rounds(1, 1, 3, 0), target);
    PrintStartList(SampleContest(4, 0, 0, 5), ReportTexts(), PrintSettings(), Rounds(2, 2), target);
    PrintStartList(SampleContest(45, 0, 0, 6), ReportTexts(), PrintSettings(), Rounds(3, 6, 2),
                   target);
    ExpectNumbersUnpadded(target);
    ExpectLayout(target, "startlist.layout");
}

TEST(StartListText, RoundsInPairs) {
    const Contest contest = SampleContest(4, 0, 0, 5);
    RecordingTarget target;
    PrintStartList(contest, ReportTexts(), TextPrinter(), Rounds(1, 3, 1, 5), target);
    EXPECT_EQ(PrintedText(target.documents.at(0)), readBytes(testData("print_startlist.txt")));
}

TEST(StartListText, ChannelNumbersAndTheLastRound) {
    Contest contest = SampleContest(2, 0, 0, 10);
    contest.Pilots[0].Channel = 61;
    PrintSettings settings = TextPrinter();
    settings.frequencyDisplayMode = 1;
    RecordingTarget target;
    PrintStartList(contest, ReportTexts(), settings, Rounds(10, 10), target);
    const QStringList lines = LinesOf(target.documents.at(0));
    // No eleventh round stands beside the tenth, whose start 9 × 2 / 10 = 1.8 → 2 wraps to 0.
    EXPECT_EQ(lines[3], QStringLiteral("Round : 10"));
    EXPECT_EQ(lines[7], QStringLiteral(" 1   1 Pilot 1                     61   "));
}

TEST(StartList, CopiesAndProgress) {
    const Contest contest = SampleContest(3, 0, 0, 2);
    PrintSettings settings;
    std::vector<int> progress;
    settings.progress = [&](int value) { progress.push_back(value); };
    StartListOptions options = Rounds(1, 2);
    options.copies = 2;
    RecordingTarget target;
    PrintStartList(contest, ReportTexts(), settings, options, target);
    EXPECT_EQ(target.documents.size(), 2u);
    EXPECT_EQ(progress, std::vector<int>({1, 0, 50, 100, 0, 50, 100, 1, 0, 50, 100, 0, 50, 100}));
    options.copies = 0;
    PrintStartList(contest, ReportTexts(), settings, options, target);
    EXPECT_EQ(target.documents.size(), 2u);
}

} // namespace
} // namespace veltra
