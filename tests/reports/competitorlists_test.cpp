#include "reports/competitorlists.h"
#include "reportstestsupport.h"

namespace veltra {
namespace {

TEST(PilotList, GraphicTableOnLandscapePagesWithTheHeadingRepeated) {
    const Contest contest = SampleContest(45, 0, 0, 4);
    RecordingTarget target;
    PrintPilotList(contest, ReportTexts(), PrintSettings(), 1, target);
    const RecordedDocument& list = target.documents.at(0);
    EXPECT_EQ(list.setup.orientation, Orientation::Landscape);
    ASSERT_EQ(list.pageCount, 2);
    // Forty rows of 4 mm fill the first page.
    EXPECT_TRUE(HasLine(list, 0, 8, 5, 190, 282, 190));
    EXPECT_TRUE(HasLine(list, 0, 1, 235, 25, 235, 190));
    const RecordedText& radio = Found(list, 0, 236, 26);
    EXPECT_TRUE(radio.text == QStringLiteral("Radio") && radio.bold && radio.fontSize == 9);
    // The third pilot's row.
    EXPECT_EQ(TextAtOr(list, 0, 16, 38), QStringLiteral("  3"));
    EXPECT_EQ(TextAtOr(list, 0, 26, 38), Padded("Pilot 3", 25));
    EXPECT_EQ(TextAtOr(list, 0, 106, 38), QStringLiteral("1.00"));
    EXPECT_EQ(TextAtOr(list, 0, 116, 38), QStringLiteral("35.030"));
    EXPECT_FALSE(Found(list, 0, 236, 38).bold);
    EXPECT_FALSE(list.texts.at(1).bold); // the footer
    EXPECT_EQ(TextAtOr(list, 1, 26, 26), QStringLiteral("Name"));
    EXPECT_EQ(TextAtOr(list, 1, 6, 30), QStringLiteral("41"));
    EXPECT_TRUE(HasLine(list, 1, 8, 5, 50, 282, 50));
}

TEST(PilotList, ChannelNumbersCopiesAndProgress) {
    Contest contest = SampleContest(2, 0, 0, 4);
    contest.Pilots[0].Channel = 61;
    PrintSettings settings;
    settings.frequencyDisplayMode = 1;
    std::vector<int> progress;
    settings.progress = [&](int value) { progress.push_back(value); };
    RecordingTarget target;
    PrintPilotList(contest, ReportTexts(), settings, 2, target);
    ASSERT_EQ(target.documents.size(), 2u);
    EXPECT_EQ(TextAtOr(target.documents[1], 0, 116, 30), QStringLiteral("61"));
    EXPECT_EQ(progress, std::vector<int>({1, 0, 100, 1, 0, 100}));

    target.documents.clear();
    PrintPilotList(contest, ReportTexts(), settings, 0, target);
    EXPECT_TRUE(target.documents.empty());
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

TEST(JudgeList, GraphicAndTextVariants) {
    const Contest contest = SampleContest(0, 3, 0, 4);
    RecordingTarget target;
    PrintJudgeList(contest, ReportTexts(), PrintSettings(), 1, target);
    const RecordedDocument& list = target.documents.at(0);
    EXPECT_EQ(list.setup.orientation, Orientation::Portrait);
    EXPECT_TRUE(HasLine(list, 0, 3, 5, 45, 110, 45)); // three rows of 5 mm
    EXPECT_TRUE(list.texts.at(1).bold);               // the footer stays bold
    const RecordedText* heading = TextAt(list, 0, 61, 26);
    ASSERT_TRUE(heading);
    EXPECT_TRUE(heading->text == QStringLiteral("Nation") && heading->bold &&
                heading->fontSize == 10);
    EXPECT_EQ(TextAtOr(list, 0, 16, 41), Padded("Judge 3", 30));
    EXPECT_FALSE(Found(list, 0, 61, 41).bold);

    target.documents.clear();
    PrintJudgeList(contest, ReportTexts(), TextPrinter(), 1, target);
    const QStringList lines = LinesOf(target.documents.at(0));
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[4], QStringLiteral(" # Judge                     Nation               "));
    EXPECT_EQ(lines[6], QStringLiteral(" 1 Judge 1                   NOR                  "));
}

} // namespace
} // namespace veltra
