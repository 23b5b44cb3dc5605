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

TEST(ScoreSheets, GraphicTable) {
    const Contest contest = SampleContest(1, 1, 17, 4);
    RecordingTarget target;
    PrintScoreSheets(contest, ReportTexts(), PrintSettings(), {}, target);
    const RecordedDocument& sheet = target.documents.at(0);
    EXPECT_EQ(sheet.setup.orientation, Orientation::Portrait);
    // Rows of 8 mm: the last maneuver ends at 179, then the band and the noise row.
    for (int y : {35, 43, 51, 179, 187, 195})
        EXPECT_TRUE(HasLine(sheet, 0, 3, 5, y, 155, y)) << y;
    EXPECT_TRUE(HasLine(sheet, 0, 3, 145, 35, 145, 179));
    EXPECT_TRUE(HasLine(sheet, 0, 3, 115, 187, 115, 195));
    EXPECT_FALSE(HasLine(sheet, 0, 3, 105, 187, 105, 195));
    const RecordedText* heading = TextAt(sheet, 0, 18, 37);
    ASSERT_TRUE(heading);
    EXPECT_TRUE(heading->text == QStringLiteral("Maneuver") && heading->bold &&
                heading->fontSize == 12);
    EXPECT_EQ(TextAtOr(sheet, 0, 108, 173), QStringLiteral("2")); // maneuver 17's K-factor
    EXPECT_FALSE(Found(sheet, 0, 18, 173).bold);
    EXPECT_EQ(TextAtOr(sheet, 0, 8, 189), QStringLiteral("Noise"));
    EXPECT_TRUE(Found(sheet, 0, 148, 37).text == QStringLiteral(" 4") &&
                Found(sheet, 0, 148, 37).bold);
}

TEST(ScoreSheets, BlankSheetWithoutManeuvers) {
    const Contest contest = SampleContest(0, 0, 0, 2);
    RecordingTarget target;
    PrintScoreSheets(contest, ReportTexts(), PrintSettings(), {ScoreSheetChoice::OneSingleSheet},
                     target);
    const RecordedDocument& sheet = target.documents.at(0);
    EXPECT_EQ(TextAtOr(sheet, 0, 5, 25), QStringLiteral("Pilot  : ____________________"));
    EXPECT_EQ(TextAtOr(sheet, 0, 100, 25), QStringLiteral("Judge  : ____________________"));
    for (int y : {35, 43, 51, 59})
        EXPECT_TRUE(HasLine(sheet, 0, 3, 5, y, 135, y)) << y;
    EXPECT_EQ(TextAtOr(sheet, 0, 8, 53), QStringLiteral("Noise"));

    PrintScoreSheets(contest, ReportTexts(), TextPrinter(), {ScoreSheetChoice::OneSingleSheet},
                     target);
    EXPECT_EQ(LinesOf(target.documents.at(1))[4],
              Padded("Pilot : ____________________", 50) +
                  QStringLiteral("Judge : ____________________"));
}

TEST(ScoreSheets, LongSchedulesContinueAndTenRoundsStayOnThePaper) {
    const Contest contest = SampleContest(1, 1, 30, 10);
    RecordingTarget target;
    PrintScoreSheets(contest, ReportTexts(), PrintSettings(), {}, target);
    const RecordedDocument& sheet = target.documents.at(0);
    ASSERT_EQ(sheet.pageCount, 2);
    // The round boxes take 10 mm of the names' room to end 5 mm from the edge.
    EXPECT_TRUE(HasLine(sheet, 0, 3, 205, 35, 205, 275)); // 29 maneuvers, no noise row yet
    EXPECT_EQ(TextAtOr(sheet, 0, 98, 37), QStringLiteral("K"));
    EXPECT_EQ(TextAtOr(sheet, 1, 5, 25), TextAtOr(sheet, 0, 5, 25));
    EXPECT_EQ(TextAtOr(sheet, 1, 8, 45), QStringLiteral("30"));
    EXPECT_EQ(TextAtOr(sheet, 1, 8, 61), QStringLiteral("Noise"));

    // 27 maneuvers still fit one page, and nine rounds keep their places.
    PrintScoreSheets(SampleContest(1, 1, 27, 9), ReportTexts(), PrintSettings(), {}, target);
    EXPECT_EQ(target.documents.at(1).pageCount, 1);
    EXPECT_TRUE(HasLine(target.documents[1], 0, 3, 5, 275, 205, 275));
    EXPECT_EQ(TextAtOr(target.documents[1], 0, 108, 37), QStringLiteral("K"));
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
