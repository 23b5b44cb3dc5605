#include "reports/printoutput.h"
#include "reports/scoresheets.h"
#include "reportstestsupport.h"

#include <QTemporaryDir>

namespace veltra {
namespace {

Texts SheetTexts() {
    return HeadingTexts({{"SCORESHEET_PILOT_LABEL", "Pilot "},
                         {"SCORESHEET_JUDGE_LABEL", "Judge "},
                         {"SCORESHEET_MANEUVER_HEADING", "Maneuver"},
                         {"SCORESHEET_NOISE_TEXT", "Noise"}});
}

ScoreSheetOptions Choice(ScoreSheetChoice choice, int judge = 0, int pilot = 0) {
    return {choice, judge, pilot};
}

TEST(ScoreSheets, OneJobPerSheetJudgeByJudge) {
    const Contest contest = SampleContest(12, 3, 5, 4);
    EXPECT_EQ(ScoreSheetCount(contest, ScoreSheetChoice::AllJudgesAndPilots), 36);
    EXPECT_EQ(ScoreSheetCount(contest, ScoreSheetChoice::OneJudgeAllPilots), 12);
    EXPECT_EQ(ScoreSheetCount(contest, ScoreSheetChoice::AllJudgesOnePilot), 3);
    EXPECT_EQ(ScoreSheetCount(contest, ScoreSheetChoice::OneSingleSheet), 1);

    PrintSettings settings;
    std::vector<int> progress;
    settings.progress = [&](int value) { progress.push_back(value); };
    RecordingTarget target;
    PrintScoreSheets(contest, SheetTexts(), settings, Choice(ScoreSheetChoice::AllJudgesAndPilots),
                     target);
    ASSERT_EQ(target.documents.size(), 36u);
    EXPECT_EQ(progress.back(), 100);
    EXPECT_EQ(progress[17], 50);
    const auto labels = [&](int sheet) {
        return TextAtOr(target.documents[sheet], 0, 5, 25) + u'|' +
               TextAtOr(target.documents[sheet], 0, 100, 25);
    };
    EXPECT_EQ(labels(0), QStringLiteral("Pilot  1 : Pilot 1              |Judge  1 : ") +
                             QStringLiteral("Judge 1").leftJustified(30));
    EXPECT_TRUE(labels(11).startsWith(QStringLiteral("Pilot 12 : Pilot 12")));
    EXPECT_TRUE(labels(11).contains(QStringLiteral("Judge  1 : Judge 1")));
    EXPECT_TRUE(labels(12).startsWith(QStringLiteral("Pilot  1 : Pilot 1")));
    EXPECT_TRUE(labels(12).contains(QStringLiteral("Judge  2 : Judge 2")));

    target.documents.clear();
    PrintScoreSheets(contest, SheetTexts(), settings,
                     Choice(ScoreSheetChoice::AllJudgesOnePilot, 0, 4), target);
    ASSERT_EQ(target.documents.size(), 3u);
    EXPECT_TRUE(labels(2).startsWith(QStringLiteral("Pilot  5 : Pilot 5")));
    EXPECT_TRUE(labels(2).contains(QStringLiteral("Judge  3 : Judge 3")));

    // No judge chosen, or cancelled: nothing to print.
    target.documents.clear();
    PrintScoreSheets(contest, SheetTexts(), settings,
                     Choice(ScoreSheetChoice::OneJudgeAllPilots, -1), target);
    PrintScoreSheets(contest, SheetTexts(), settings, Choice(ScoreSheetChoice::Cancelled), target);
    EXPECT_TRUE(target.documents.empty());
}

TEST(ScoreSheets, GraphicTable) {
    const Contest contest = SampleContest(1, 1, 17, 4);
    RecordingTarget target;
    PrintScoreSheets(contest, SheetTexts(), PrintSettings(),
                     Choice(ScoreSheetChoice::AllJudgesAndPilots), target);
    const RecordedDocument& sheet = target.documents.at(0);
    EXPECT_EQ(sheet.setup.orientation, Orientation::Portrait);
    EXPECT_EQ(sheet.pageCount, 1);
    // Rows of 8 mm: the last maneuver ends at 179, then the band and the noise row.
    for (int y : {35, 43, 51, 179, 187, 195})
        EXPECT_TRUE(HasLine(sheet, 0, 3, 5, y, 155, y)) << y;
    EXPECT_TRUE(HasLine(sheet, 0, 3, 5, 35, 5, 195));
    EXPECT_TRUE(HasLine(sheet, 0, 3, 155, 35, 155, 195));
    EXPECT_TRUE(HasLine(sheet, 0, 3, 105, 35, 105, 179));
    EXPECT_TRUE(HasLine(sheet, 0, 3, 145, 35, 145, 179));
    EXPECT_TRUE(HasLine(sheet, 0, 3, 115, 187, 115, 195));
    EXPECT_FALSE(HasLine(sheet, 0, 3, 105, 187, 105, 195));

    const auto heading = TextAt(sheet, 0, 18, 37);
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->text, QStringLiteral("Maneuver"));
    EXPECT_TRUE(heading->bold);
    EXPECT_EQ(heading->fontSize, 12);
    EXPECT_EQ(TextAtOr(sheet, 0, 8, 45), QStringLiteral(" 1"));
    EXPECT_EQ(TextAtOr(sheet, 0, 18, 45), QStringLiteral("Maneuver 1"));
    EXPECT_EQ(TextAtOr(sheet, 0, 108, 173), QStringLiteral("2")); // maneuver 17, K = 17 % 5 + 1
    EXPECT_FALSE(TextAt(sheet, 0, 18, 173)->bold);
    EXPECT_EQ(TextAtOr(sheet, 0, 8, 189), QStringLiteral("Noise"));
    EXPECT_EQ(TextAtOr(sheet, 0, 148, 37), QStringLiteral(" 4"));
    EXPECT_TRUE(TextAt(sheet, 0, 148, 37)->bold);
}

TEST(ScoreSheets, BlankSheetAndNoManeuvers) {
    const Contest contest = SampleContest(0, 0, 0, 2);
    RecordingTarget target;
    PrintScoreSheets(contest, SheetTexts(), PrintSettings(),
                     Choice(ScoreSheetChoice::OneSingleSheet), target);
    ASSERT_EQ(target.documents.size(), 1u);
    const RecordedDocument& sheet = target.documents[0];
    EXPECT_EQ(TextAtOr(sheet, 0, 5, 25), QStringLiteral("Pilot  : ____________________"));
    EXPECT_EQ(TextAtOr(sheet, 0, 100, 25), QStringLiteral("Judge  : ____________________"));
    for (int y : {35, 43, 51, 59})
        EXPECT_TRUE(HasLine(sheet, 0, 3, 5, y, 135, y)) << y;
    EXPECT_EQ(TextAtOr(sheet, 0, 8, 53), QStringLiteral("Noise"));
    EXPECT_EQ(TextAtOr(sheet, 0, 18, 37), QStringLiteral("Maneuver"));

    PrintSettings text;
    text.printerType = 1;
    target.documents.clear();
    PrintScoreSheets(contest, SheetTexts(), text, Choice(ScoreSheetChoice::OneSingleSheet), target);
    EXPECT_EQ(LinesOf(target.documents.at(0))[4],
              QStringLiteral("Pilot : ____________________").leftJustified(50) +
                  QStringLiteral("Judge : ____________________"));
}

TEST(ScoreSheets, LongSchedulesContinueAndTenRoundsStayOnThePaper) {
    const Contest contest = SampleContest(1, 1, 30, 10);
    RecordingTarget target;
    PrintScoreSheets(contest, SheetTexts(), PrintSettings(),
                     Choice(ScoreSheetChoice::AllJudgesAndPilots), target);
    const RecordedDocument& sheet = target.documents.at(0);
    ASSERT_EQ(sheet.pageCount, 2);
    // The round boxes give up 10 mm of the names' room to end 5 mm from the edge.
    EXPECT_TRUE(HasLine(sheet, 0, 3, 205, 35, 205, 275)); // 29 maneuvers, no noise row yet
    EXPECT_EQ(TextAtOr(sheet, 0, 98, 37), QStringLiteral("K"));
    EXPECT_EQ(TextAtOr(sheet, 0, 198, 37), QStringLiteral("10"));
    EXPECT_FALSE(TextAt(sheet, 0, 8, 277));
    EXPECT_EQ(TextAtOr(sheet, 1, 5, 25), TextAtOr(sheet, 0, 5, 25));
    EXPECT_EQ(TextAtOr(sheet, 1, 18, 37), QStringLiteral("Maneuver"));
    EXPECT_EQ(TextAtOr(sheet, 1, 8, 45), QStringLiteral("30"));
    EXPECT_EQ(TextAtOr(sheet, 1, 8, 61), QStringLiteral("Noise"));
    EXPECT_TRUE(HasLine(sheet, 1, 3, 5, 67, 205, 67));

    // 27 maneuvers still fit one page, and nine rounds keep their places.
    const Contest fits = SampleContest(1, 1, 27, 9);
    target.documents.clear();
    PrintScoreSheets(fits, SheetTexts(), PrintSettings(),
                     Choice(ScoreSheetChoice::AllJudgesAndPilots), target);
    EXPECT_EQ(target.documents.at(0).pageCount, 1);
    EXPECT_TRUE(HasLine(target.documents[0], 0, 3, 5, 275, 205, 275));
    EXPECT_EQ(TextAtOr(target.documents[0], 0, 108, 37), QStringLiteral("K"));
}

TEST(ScoreSheets, TextVariant) {
    const Contest contest = SampleContest(2, 1, 2, 3);
    PrintSettings settings;
    settings.printerType = 1;
    RecordingTarget target;
    PrintScoreSheets(contest, SheetTexts(), settings,
                     Choice(ScoreSheetChoice::AllJudgesOnePilot, 0, 1), target);
    const QStringList lines = LinesOf(target.documents.at(0));
    const QString heading = QStringLiteral("| #|") + QStringLiteral("Maneuver").leftJustified(40) +
                            QStringLiteral(" | K | 1 | 2 | 3 |");
    const QString rule(62, u'-');
    const QStringList expected = {
        "Veltra    ver. 2.41",
        "",
        "Vårcupen     Ørland     12.05.2026",
        "",
        QStringLiteral("Pilot  2 : Pilot 2              ").leftJustified(50) +
            QStringLiteral("Judge  1 : ") + QStringLiteral("Judge 1").leftJustified(25) + u' ',
        "",
        rule,
        heading,
        rule,
        QStringLiteral("| 1|") + QStringLiteral("Maneuver 1").leftJustified(40) +
            QStringLiteral(" | 1 |   |   |   |"),
        rule,
        QStringLiteral("| 2|") + QStringLiteral("Maneuver 2").leftJustified(40) +
            QStringLiteral(" | 2 |   |   |   |"),
        rule,
        QStringLiteral("|Noise").leftJustified(49) + QStringLiteral("|   |   |   |"),
        rule,
    };
    EXPECT_EQ(heading.size(), 62);
    EXPECT_EQ(lines, expected);
}

TEST(ScoreSheetsPdf, OnePagePerSheet) {
    QTemporaryDir folder;
    const Contest contest = SampleContest(4, 2, 17, 4);
    const QString path = folder.filePath(QStringLiteral("sheets.pdf"));
    ASSERT_TRUE(PrintToPdf(path, QString(), [&](PrintTarget& target) {
        PrintScoreSheets(contest, SheetTexts(), PrintSettings(),
                         Choice(ScoreSheetChoice::AllJudgesAndPilots), target);
    }));
    EXPECT_EQ(PdfPageCount(readBytes(path)), 8);
}

} // namespace
} // namespace veltra
