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

// Round 3 of the pilot: header, the table of two rows with minimum, maximum and row sums, the
// judges' sums with their deviations from the average of 166.7, the values and the history of
// the earlier rounds. Round 1 of one maneuver: judges' sums 80, 90 and 100 average 90.0, and no
// history; with no marks no average to deviate from and no extremes. No pilot 3, no sheet.
// Eight judges: the names give up 15 mm so the table ends 5 mm from the paper's edge; 35
// maneuvers reach the history's place, which moves to a further page; 45 go on to a second page.
// The title of the longest name fits into the header box.
TEST(RoundScoresGraphic, TablesValuesAndHistory) {
    Round round;
    round.contest.ContName = QString(40, u'W');
    RecordingTarget target;
    PrintRoundScores(round.contest, ReportTexts(), PrintSettings(), 1, 3, round.marks, target);
    round.contest.ManeuverCount = 1;
    PrintRoundScores(round.contest, ReportTexts(), PrintSettings(), 0, 1, round.marks, target);
    round.marks.clear();
    PrintRoundScores(round.contest, ReportTexts(), PrintSettings(), 0, 1, round.marks, target);
    PrintRoundScores(round.contest, ReportTexts(), PrintSettings(), 2, 1, round.marks, target);
    Contest many = SampleContest(1, 8, 35, 4);
    PrintRoundScores(many, ReportTexts(), PrintSettings(), 0, 2, RoundMarks(), target);
    many.ManeuverCount = 45;
    PrintRoundScores(many, ReportTexts(), PrintSettings(), 0, 1, RoundMarks(), target);
    EXPECT_EQ(target.documents.size(), 5u);
    ExpectTitleInsideCentredBox(target.documents[0], 210);
    ExpectNumbersUnpadded(target);
    ExpectLayout(target, "roundscores.layout");
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
