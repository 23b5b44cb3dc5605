#include "core/language.h"
#include "reports/competitorlists.h"
#include "reports/resultsprint.h"
#include "reports/roundscoreprint.h"
#include "reports/scoresheets.h"
#include "reports/startlist.h"
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

// Three judges in rows of 5 mm on a portrait page, the heading bold in size 10, the footer bold,
// the title of the longest name fitted into its box; then the text printer's list.
TEST(JudgeList, GraphicAndTextVariants) {
    Contest contest = SampleContest(0, 3, 0, 4);
    contest.ContName = QString(40, u'W');
    RecordingTarget target;
    PrintJudgeList(contest, ReportTexts(), PrintSettings(), 1, target);
    PrintJudgeList(contest, ReportTexts(), TextPrinter(), 1, target);
    ExpectLayout(target, "judgelist.layout");
}

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
    ExpectLayout(target, "startlist.layout");
}

TEST(StartListText, RoundsInPairsChannelNumbersAndTheLastRound) {
    const Contest contest = SampleContest(4, 0, 0, 5);
    RecordingTarget target;
    PrintStartList(contest, ReportTexts(), TextPrinter(), Rounds(1, 3, 1, 5), target);
    EXPECT_EQ(PrintedText(target.documents.at(0)), readBytes(testData("print_startlist.txt")));

    Contest two = SampleContest(2, 0, 0, 10);
    two.Pilots[0].Channel = 61;
    PrintSettings settings = TextPrinter();
    settings.frequencyDisplayMode = 1;
    PrintStartList(two, ReportTexts(), settings, Rounds(10, 10), target);
    const QStringList lines = LinesOf(target.documents.at(1));
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
                             QStringLiteral("Judge 1").leftJustified(30));
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
    ExpectLayout(target, "scoresheets.layout");
}

TEST(ScoreSheets, TextVariant) {
    const Contest contest = SampleContest(2, 1, 2, 3);
    RecordingTarget target;
    PrintScoreSheets(contest, ReportTexts(), TextPrinter(),
                     {ScoreSheetChoice::AllJudgesOnePilot, 0, 1}, target);
    EXPECT_EQ(PrintedText(target.documents.at(0)), readBytes(testData("print_scoresheet.txt")));
}

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
            EXPECT_TRUE(std::any_of(
                ten.texts.begin(), ten.texts.end(),
                [&](const RecordedText& t) { return t.page == page && t.text.startsWith(shown); }))
                << shown << " on page " << page + 1;
        }
    }
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

// The text printer's start list, a round sheet and a score sheet in a shipped language, the
// lines of each print job after those of the one before.
QByteArray PrintedIn(const char* language, const Contest& sheets, ScoreSheetOptions sheet) {
    Texts texts;
    EXPECT_TRUE(ReadLanguageFile(QStringLiteral(VELTRA_SOURCE_DIR "/resources/program/") +
                                     QString::fromLatin1(language),
                                 texts));
    RecordingTarget target;
    PrintStartList(SampleContest(3, 0, 0, 2), texts, TextPrinter(), {1, 1, 2, 0, 10}, target);
    Contest round = SampleContest(1, 2, 2, 3);
    round.Pilots[0].RoundScore = {40.0, 47.0};
    RoundMarks marks;
    const int given[2][2] = {{8, 9}, {7, 8}};
    for (int m = 0; m < 2; ++m)
        for (int j = 0; j < 2; ++j)
            marks.setMark(m, j, given[m][j]);
    PrintRoundScores(round, texts, TextPrinter(), 0, 2, marks, target);
    PrintScoreSheets(sheets, texts, TextPrinter(), sheet, target);
    QByteArray printed;
    for (const RecordedDocument& document : target.documents)
        printed += PrintedText(document);
    return printed;
}

// Written by hand from the reports' layouts and the shipped texts: the channel heading in a
// field of six, the round sheet's title in the language, and a blank between "Pilot" or
// "Judge" and a two-digit number.
TEST(ShippedLanguages, TextReportsInEnglishAndNorwegian) {
    EXPECT_EQ(PrintedIn("English.lng", SampleContest(10, 1, 2, 3),
                        {ScoreSheetChoice::AllJudgesOnePilot, 0, 9}),
              readBytes(testData("shipped_english.txt")));
    EXPECT_EQ(PrintedIn("Norsk.lng", SampleContest(1, 10, 2, 3),
                        {ScoreSheetChoice::OneJudgeAllPilots, 9, 0}),
              readBytes(testData("shipped_norsk.txt")));
}

} // namespace
} // namespace veltra
