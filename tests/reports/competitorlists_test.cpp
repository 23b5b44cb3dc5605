#include "reports/competitorlists.h"
#include "reportstestsupport.h"

namespace veltra {
namespace {

// 45 pilots on two landscape pages, forty rows of 4 mm to a page, the heading row (bold, size 9)
// repeated on the second, the footer not bold, with the print time and the page number; then two
// copies of a list of two pilots showing channel numbers, and no copy at all.
TEST(PilotList, GraphicTableOnLandscapePagesInCopies) {
    RecordingTarget target;
    PrintSettings dated;
    dated.printedAt = QStringLiteral("Printed 06.12.2026 14:05");
    PrintPilotList(SampleContest(45, 0, 0, 4), ReportTexts(), dated, 1, target);
    for (const int page : {0, 1}) {
        EXPECT_EQ(TextAtOr(target.documents[0], page, 5, 195), dated.printedAt);
        EXPECT_TRUE(Shows(target.documents[0], page, [&](const QString& t) {
            return t == QStringLiteral("Page %1 of 2").arg(page + 1);
        }));
    }
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
    ExpectNumbersUnpadded(target);
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

// Three judges in rows of 5 mm on a portrait page, the heading bold in size 10, the footer bold,
// the title of the longest name fitted into its box; then the text printer's list.
TEST(JudgeList, GraphicAndTextVariants) {
    Contest contest = SampleContest(0, 3, 0, 4);
    contest.ContName = QString(40, u'W');
    RecordingTarget target;
    PrintJudgeList(contest, ReportTexts(), PrintSettings(), 1, target);
    PrintJudgeList(contest, ReportTexts(), TextPrinter(), 1, target);
    ExpectTitleInsideCentredBox(target.documents[0], 210);
    ExpectNumbersUnpadded(target);
    ExpectLayout(target, "judgelist.layout");
}

} // namespace
} // namespace veltra
