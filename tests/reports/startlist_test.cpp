#include "reports/startlist.h"
#include "reportstestsupport.h"

namespace veltra {
namespace {

StartListOptions Rounds(int from, int to, int pausePilot = 0, int pauseMinutes = 10) {
    return {1, from, to, pausePilot, pauseMinutes};
}

TEST(StartListGraphic, RoundsSideBySideEachRotated) {
    const Contest contest = SampleContest(10, 0, 0, 5);
    RecordingTarget target;
    PrintStartList(contest, ReportTexts(), PrintSettings(), Rounds(1, 4), target);
    const RecordedDocument& list = target.documents.at(0);
    EXPECT_EQ(list.setup.orientation, Orientation::Landscape);
    EXPECT_EQ(list.pageCount, 1);
    // Round 2: its block starts at x = 75, its first pilot is the third of the draw ...
    const RecordedText* title = TextAt(list, 0, 75, 24);
    ASSERT_TRUE(title);
    EXPECT_TRUE(title->text == QStringLiteral("Round : 2") && title->fontSize == 12 &&
                !title->bold);
    EXPECT_TRUE(Found(list, 0, 84, 31).bold);
    EXPECT_EQ(TextAtOr(list, 0, 85, 35), QStringLiteral(" 3"));
    EXPECT_EQ(TextAtOr(list, 0, 92, 35), Padded("Pilot 3", 25));
    EXPECT_EQ(TextAtOr(list, 0, 132, 35), QStringLiteral("35.030"));
    // ... and wraps around to the first pilots at its end.
    EXPECT_EQ(TextAtOr(list, 0, 92, 71), Padded("Pilot 2", 25));
    EXPECT_TRUE(HasLine(list, 0, 8, 75, 75, 142, 75));  // 4 × 10 + 5 high
    EXPECT_TRUE(HasLine(list, 0, 8, 215, 30, 215, 75)); // round 4
}

TEST(StartListGraphic, PauseLineAndFewerPilotsThanRounds) {
    const Contest contest = SampleContest(10, 0, 0, 5);
    RecordingTarget target;
    PrintStartList(contest, ReportTexts(), PrintSettings(), Rounds(1, 1, 3, 15), target);
    PrintStartList(contest, ReportTexts(), PrintSettings(), Rounds(1, 1, 3, 0), target);
    const RecordedDocument& list = target.documents.at(0);
    const RecordedText* pause = TextAt(list, 0, 22, 47);
    ASSERT_TRUE(pause);
    EXPECT_TRUE(pause->text == QStringLiteral("Pause for 15 minutes") && pause->italic);
    EXPECT_EQ(TextAtOr(list, 0, 22, 51), Padded("Pilot 4", 25));
    EXPECT_FALSE(Found(list, 0, 22, 51).italic);
    EXPECT_TRUE(HasLine(list, 0, 8, 5, 80, 72, 80));
    // No minutes, no pause line; the frame keeps its extra room.
    EXPECT_EQ(TextAtOr(target.documents.at(1), 0, 22, 47), Padded("Pilot 4", 25));
    EXPECT_TRUE(HasLine(target.documents[1], 0, 8, 5, 80, 72, 80));

    const Contest few = SampleContest(4, 0, 0, 5);
    PrintStartList(few, ReportTexts(), PrintSettings(), Rounds(2, 2), target);
    EXPECT_EQ(TextAtOr(target.documents.at(2), 0, 92, 35), Padded("Pilot 1", 25));
}

TEST(StartListGraphic, LaterRoundsAndLongListsContinueOnFurtherPages) {
    const Contest contest = SampleContest(45, 0, 0, 6);
    RecordingTarget target;
    PrintStartList(contest, ReportTexts(), PrintSettings(), Rounds(3, 6, 2), target);
    const RecordedDocument& list = target.documents.at(0);
    // Rounds 3 and 4 keep their places; 37 rows fit a page when a pause may come.
    ASSERT_EQ(list.pageCount, 4);
    EXPECT_EQ(TextAtOr(list, 0, 215, 24), QStringLiteral("Round : 4"));
    EXPECT_TRUE(HasLine(list, 0, 8, 145, 188, 212, 188));
    EXPECT_EQ(TextAtOr(list, 1, 145, 24), QStringLiteral("Round : 3"));
    EXPECT_EQ(TextAtOr(list, 1, 147, 35), QStringLiteral("38"));
    EXPECT_EQ(TextAtOr(list, 2, 75, 24), QStringLiteral("Round : 6"));
    EXPECT_EQ(TextAtOr(list, 3, 7, 35), QStringLiteral("38"));
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
