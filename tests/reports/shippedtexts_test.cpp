#include "core/language.h"
#include "reports/roundscoreprint.h"
#include "reports/scoresheets.h"
#include "reports/startlist.h"
#include "reportstestsupport.h"

namespace veltra {
namespace {

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
