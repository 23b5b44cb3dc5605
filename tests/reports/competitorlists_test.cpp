#include "reports/competitorlists.h"
#include "reportstestsupport.h"

namespace veltra {
namespace {

// 45 pilots on two landscape pages, forty rows of 4 mm to a page, the heading row (bold, size 9)
// repeated on the second, the footer not bold; then two copies of a list of two pilots showing
// channel numbers, and no copy at all.
TEST(PilotList, GraphicTableOnLandscapePagesInCopies) {
    RecordingTarget target;
    PrintPilotList(SampleContest(45, 0, 0, 4), ReportTexts(), PrintSettings(), 1, target);
    Contest two = SampleContest(2, 0, 0, 4);
    two.Pilots[0].Channel = 61;
    PrintSettings settings;
    settings.frequencyDisplayMode = 1;
    std::vector<int> progress;
    settings.progress = [&](int value) { progress.push_back(value); };
    PrintPilotList(two, ReportTexts(), settings, 2, target);
    PrintPilotList(two, ReportTexts(), settings, 0, target);
    ASSERT_EQ(target.documents.size(), 3u);
    EXPECT_EQ(progress, std::vector<int>({1, 0, 100, 1, 0, 100}));
    ExpectLayout(target, "pilotlist.layout");
}

TEST(PilotList, TextVariant) {
    Contest contest = SampleContest(2, 0, 0, 4);
    contest.Pilots[1].Channel = 61;
    PrintSettings settings = TextPrinter();
    RecordingTarget target;
    PrintPilotList(contest, ReportTexts(), settings, 1, target);
    EXPECT_EQ(PrintedText(target.documents.at(0)), readBytes(testData("print_pilotlist.txt")));
    settings.frequencyDisplayMode = 1;
    PrintPilotList(contest, ReportTexts(), settings, 1, target);
    EXPECT_TRUE(LinesOf(target.documents.at(1))[7].endsWith(QStringLiteral("1.00     61  ")));
}

// Three judges in rows of 5 mm on a portrait page, the heading bold in size 10, the footer bold;
// then the text printer's list.
TEST(JudgeList, GraphicAndTextVariants) {
    const Contest contest = SampleContest(0, 3, 0, 4);
    RecordingTarget target;
    PrintJudgeList(contest, ReportTexts(), PrintSettings(), 1, target);
    PrintJudgeList(contest, ReportTexts(), TextPrinter(), 1, target);
    ExpectLayout(target, "judgelist.layout");
}

} // namespace
} // namespace veltra
