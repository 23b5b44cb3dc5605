#include "reports/roundscoreprint.h"
#include "reportstestsupport.h"

namespace veltra {
namespace {

// Two maneuvers of K-factor 10 marked 8 9 10 and 7 8 8 by three judges: row sums 270 and 230,
// judges' sums 150, 170 and 180. With bonus 20 and K-factor 1.10 the pilot has 572 points.
struct Round {
    Contest contest = SampleContest(2, 3, 2, 4);
    RoundMarks marks;
    Round() {
        contest.ManeuverK[0] = contest.ManeuverK[1] = 10;
        const int given[2][3] = {{8, 9, 10}, {7, 8, 8}};
        for (int m = 0; m < 2; ++m) {
            for (int j = 0; j < 3; ++j)
                marks.setMark(m, j, given[m][j]);
        }
        marks.setBonus(20);
        contest.Pilots[1].KFactor = 1.1;
        contest.Pilots[1].RoundScore = {123.4, 456.7, 572.0};
    }
};

TEST(RoundScoresGraphic, HeaderTableValuesAndHistory) {
    const Round round;
    RecordingTarget target;
    PrintRoundScores(round.contest, ReportTexts(), PrintSettings(), 1, 3, round.marks, target);
    const RecordedDocument& sheet = target.documents.at(0);
    EXPECT_EQ(sheet.setup.orientation, Orientation::Portrait);
    EXPECT_EQ(sheet.pageCount, 1);
    const RecordedText* name = TextAt(sheet, 0, 30, 21);
    ASSERT_TRUE(name);
    EXPECT_TRUE(name->text == QStringLiteral("Pilot 2") && name->fontSize == 14 && name->bold);
    EXPECT_EQ(TextAtOr(sheet, 0, 104, 21), QStringLiteral("Round")); // centred on 110
    EXPECT_EQ(Found(sheet, 0, 108, 26).fontSize, 20);
    EXPECT_FALSE(Found(sheet, 0, 90, 282).bold); // the footer

    // Two rows end at 60; R = 170 for three judges.
    EXPECT_TRUE(HasLine(sheet, 0, 8, 5, 85, 170, 85));
    EXPECT_TRUE(HasLine(sheet, 0, 3, 125, 45, 125, 70));
    EXPECT_TRUE(HasLine(sheet, 0, 8, 155, 45, 155, 65));
    EXPECT_EQ(TextAtOr(sheet, 0, 137, 46), QStringLiteral("Min")); // right-aligned to 142
    EXPECT_EQ(TextAtOr(sheet, 0, 108, 51), QStringLiteral(" 8"));  // judge 1, ends at 112
    EXPECT_EQ(TextAtOr(sheet, 0, 138, 56), QStringLiteral(" 7"));  // lowest of 7 8 8
    EXPECT_EQ(TextAtOr(sheet, 0, 158, 51), QStringLiteral(" 270"));
    EXPECT_EQ(TextAtOr(sheet, 0, 107, 61), QStringLiteral("150"));
    EXPECT_EQ(TextAtOr(sheet, 0, 140, 61), QStringLiteral("166.7")); // centred on 145
    EXPECT_EQ(TextAtOr(sheet, 0, 157, 61), QStringLiteral(" 500.0"));
    EXPECT_EQ(TextAtOr(sheet, 0, 103, 66), QStringLiteral("-10.0"));
    EXPECT_EQ(TextAtOr(sheet, 0, 157, 81), QStringLiteral(" 572.0"));

    EXPECT_EQ(TextAtOr(sheet, 0, 10, 225), QStringLiteral("History"));
    EXPECT_TRUE(HasLine(sheet, 0, 8, 10, 245, 40, 245));
    EXPECT_EQ(TextAtOr(sheet, 0, 27, 241), QStringLiteral("0456.7"));
}

TEST(RoundScoresGraphic, DeviationsRoundOneAndNoMarks) {
    Round round;
    round.contest.ManeuverCount = 1;
    RecordingTarget target;
    PrintRoundScores(round.contest, ReportTexts(), PrintSettings(), 0, 1, round.marks, target);
    round.marks.clear();
    PrintRoundScores(round.contest, ReportTexts(), PrintSettings(), 0, 1, round.marks, target);
    PrintRoundScores(round.contest, ReportTexts(), PrintSettings(), 2, 1, round.marks, target);
    ASSERT_EQ(target.documents.size(), 2u); // no pilot 3
    // Judges' sums 80, 90 and 100 average 90.0.
    const RecordedDocument& sheet = target.documents[0];
    EXPECT_EQ(TextAtOr(sheet, 0, 140, 56), QStringLiteral(" 90.0"));
    EXPECT_EQ(TextAtOr(sheet, 0, 103, 61), QStringLiteral("-11.1"));
    EXPECT_EQ(TextAtOr(sheet, 0, 123, 61), QStringLiteral(" 11.1"));
    EXPECT_FALSE(TextAt(sheet, 0, 10, 225)); // no history in round 1
    // No marks: no average to deviate from, and an empty row shows no extremes.
    EXPECT_EQ(TextAtOr(target.documents[1], 0, 112, 61), QString());
    EXPECT_EQ(TextAtOr(target.documents[1], 0, 138, 51), QStringLiteral("  "));
}

TEST(RoundScoresGraphic, ManyJudgesAndLongSchedules) {
    Contest contest = SampleContest(1, 8, 35, 4);
    RecordingTarget target;
    PrintRoundScores(contest, ReportTexts(), PrintSettings(), 0, 2, RoundMarks(), target);
    const RecordedDocument& sheet = target.documents.at(0);
    // Eight judges: the names give up 15 mm so the table ends 5 mm from the paper's edge.
    EXPECT_TRUE(HasLine(sheet, 0, 8, 5, 45, 205, 45));
    EXPECT_EQ(TextAtOr(sheet, 0, 86, 46), QStringLiteral("K"));
    // 35 maneuvers fit the page but reach the history's place, which moves to a further page.
    ASSERT_EQ(sheet.pageCount, 2);
    EXPECT_TRUE(HasLine(sheet, 0, 8, 5, 250, 205, 250));
    EXPECT_EQ(TextAtOr(sheet, 1, 10, 225), QStringLiteral("History"));

    contest.ManeuverCount = 45;
    PrintRoundScores(contest, ReportTexts(), PrintSettings(), 0, 1, RoundMarks(), target);
    const RecordedDocument& longSheet = target.documents.at(1);
    ASSERT_EQ(longSheet.pageCount, 2);
    EXPECT_TRUE(HasLine(longSheet, 0, 8, 5, 270, 205, 270)); // 44 rows, closed
    EXPECT_EQ(TextAtOr(longSheet, 1, 8, 51), QStringLiteral("45"));
    EXPECT_EQ(TextAtOr(longSheet, 1, 6, 56), QStringLiteral("Sum"));
}

TEST(RoundScoresText, LinesOfTheSheet) {
    const Round round;
    RecordingTarget target;
    PrintRoundScores(round.contest, ReportTexts(), TextPrinter(), 1, 3, round.marks, target);
    const RecordedDocument& sheet = target.documents.at(0);
    EXPECT_EQ(sheet.setup.orientation, Orientation::Landscape);
    EXPECT_EQ(PrintedText(sheet), readBytes(testData("print_roundscores.txt")));
}

} // namespace
} // namespace veltra
