#include "reports/scoresheets.h"
#include "reportstestsupport.h"

namespace veltra {
namespace {

TEST(ScoreSheets, OneJobPerSheetJudgeByJudge) {
    const Contest contest = SampleContest(12, 3, 5, 4);
    EXPECT_EQ(ScoreSheetCount(contest, ScoreSheetChoice::AllJudgesAndPilots), 36);
    PrintSettings settings;
    std::vector<int> progress;
    settings.progress = [&](int value) { progress.push_back(value); };
    RecordingTarget target;
    PrintScoreSheets(contest, ReportTexts(), settings, {ScoreSheetChoice::AllJudgesAndPilots},
                     target);
    ASSERT_EQ(target.documents.size(), 36u);
    EXPECT_EQ(progress[17], 50);
    EXPECT_EQ(progress.back(), 100);
    const auto labels = [&](int sheet) {
        return TextAtOr(target.documents[sheet], 0, 5, 25) + u'|' +
               TextAtOr(target.documents[sheet], 0, 100, 25);
    };
    EXPECT_EQ(labels(0), QStringLiteral("Pilot  1 : Pilot 1              |Judge  1 : ") +
                             Padded("Judge 1", 30));
    EXPECT_TRUE(labels(11).startsWith(QStringLiteral("Pilot 12 : Pilot 12")));
    EXPECT_TRUE(labels(12).contains(QStringLiteral("Judge  2 : ")));
    // Each sheet is named after its pilot and judge in the printer's queue.
    EXPECT_EQ(target.documents[12].setup.name, QStringLiteral("Pilot 1 Pilot 1 - Judge 2 Judge 2"));

    target.documents.clear();
    PrintScoreSheets(contest, ReportTexts(), settings, {ScoreSheetChoice::AllJudgesOnePilot, 0, 4},
                     target);
    ASSERT_EQ(target.documents.size(), 3u);
    EXPECT_TRUE(labels(2).startsWith(QStringLiteral("Pilot  5 : Pilot 5")));
    // No judge chosen, or cancelled: nothing to print.
    PrintScoreSheets(contest, ReportTexts(), settings, {ScoreSheetChoice::OneJudgeAllPilots, -1},
                     target);
    PrintScoreSheets(contest, ReportTexts(), settings, {ScoreSheetChoice::Cancelled}, target);
    EXPECT_EQ(target.documents.size(), 3u);
}

// 17 maneuvers in rows of 8 mm with the band and the noise row below and boxes for four rounds;
// a blank sheet without maneuvers, also from the text printer; 30 maneuvers go on to a second
// page, ten round boxes taking 10 mm of the names' room to end 5 mm from the paper's edge; 27
// maneuvers and nine rounds still fit one page.
TEST(ScoreSheets, GraphicTables) {
    RecordingTarget target;
    PrintScoreSheets(SampleContest(1, 1, 17, 4), ReportTexts(), PrintSettings(), {}, target);
    const Contest none = SampleContest(0, 0, 0, 2);
    PrintScoreSheets(none, ReportTexts(), PrintSettings(), {ScoreSheetChoice::OneSingleSheet},
                     target);
    PrintScoreSheets(none, ReportTexts(), TextPrinter(), {ScoreSheetChoice::OneSingleSheet},
                     target);
    PrintScoreSheets(SampleContest(1, 1, 30, 10), ReportTexts(), PrintSettings(), {}, target);
    PrintScoreSheets(SampleContest(1, 1, 27, 9), ReportTexts(), PrintSettings(), {}, target);
    ExpectNumbersUnpadded(target);
    ExpectLayout(target, "scoresheets.layout");
}

TEST(ScoreSheets, TextVariant) {
    const Contest contest = SampleContest(2, 1, 2, 3);
    RecordingTarget target;
    PrintScoreSheets(contest, ReportTexts(), TextPrinter(),
                     {ScoreSheetChoice::AllJudgesOnePilot, 0, 1}, target);
    EXPECT_EQ(PrintedText(target.documents.at(0)), readBytes(testData("print_scoresheet.txt")));
}

} // namespace
} // namespace veltra
