#include "reports/printoutput.h"
#include "reports/startlist.h"
#include "reportstestsupport.h"

#include <QTemporaryDir>

namespace veltra {
namespace {

Texts StartTexts() {
    return HeadingTexts({{"START_PRINT_ROUND_HEADING", "Round"},
                         {"START_PRINT_PILOT_HEADING", "Pilot"},
                         {"START_PRINT_CHANNEL_HEADING", "Channel"},
                         {"START_PRINT_PAUSE_MESSAGE_1", "Pause for"},
                         {"START_PRINT_PAUSE_MESSAGE_2", "minutes"}});
}

StartListOptions Rounds(int from, int to) {
    StartListOptions options;
    options.fromRound = from;
    options.toRound = to;
    options.pausePilot = 0;
    return options;
}

TEST(StartListGraphic, RoundsSideBySideEachRotated) {
    const Contest contest = SampleContest(10, 0, 0, 5);
    RecordingTarget target;
    PrintStartList(contest, StartTexts(), PrintSettings(), Rounds(1, 4), target);
    ASSERT_EQ(target.documents.size(), 1u);
    const RecordedDocument& list = target.documents[0];
    EXPECT_EQ(list.setup.orientation, Orientation::Landscape);
    EXPECT_EQ(list.pageCount, 1);

    // Round 2: its block starts at x = 75, its first pilot is the third of the draw.
    const auto title = TextAt(list, 0, 75, 24);
    ASSERT_TRUE(title);
    EXPECT_EQ(title->text, QStringLiteral("Round : 2"));
    EXPECT_EQ(title->fontSize, 12);
    EXPECT_FALSE(title->bold);
    EXPECT_TRUE(TextAt(list, 0, 84, 31)->bold);
    EXPECT_EQ(TextAtOr(list, 0, 84, 31), QStringLiteral("S-#"));
    EXPECT_EQ(TextAtOr(list, 0, 77, 35), QStringLiteral(" 1"));
    EXPECT_EQ(TextAtOr(list, 0, 85, 35), QStringLiteral(" 3"));
    EXPECT_EQ(TextAtOr(list, 0, 92, 35), QStringLiteral("Pilot 3").leftJustified(25));
    EXPECT_EQ(TextAtOr(list, 0, 132, 35), QStringLiteral("35.030"));
    // ... and wraps around to the first pilots at its end.
    EXPECT_EQ(TextAtOr(list, 0, 92, 71), QStringLiteral("Pilot 2").leftJustified(25));

    EXPECT_TRUE(HasLine(list, 0, 8, 75, 30, 142, 30));
    EXPECT_TRUE(HasLine(list, 0, 8, 75, 75, 142, 75)); // 4 × 10 + 5 high
    EXPECT_TRUE(HasLine(list, 0, 3, 130, 30, 130, 75));
    EXPECT_TRUE(HasLine(list, 0, 8, 215, 30, 215, 75)); // round 4, x = 215
}

TEST(StartListGraphic, PauseLine) {
    const Contest contest = SampleContest(10, 0, 0, 5);
    StartListOptions options = Rounds(1, 1);
    options.pausePilot = 3;
    options.pauseMinutes = 15;
    RecordingTarget target;
    PrintStartList(contest, StartTexts(), PrintSettings(), options, target);
    const RecordedDocument& list = target.documents.at(0);
    const auto pause = TextAt(list, 0, 22, 47);
    ASSERT_TRUE(pause);
    EXPECT_EQ(pause->text, QStringLiteral("Pause for 15 minutes"));
    EXPECT_TRUE(pause->italic);
    EXPECT_EQ(TextAtOr(list, 0, 22, 43), QStringLiteral("Pilot 3").leftJustified(25));
    EXPECT_EQ(TextAtOr(list, 0, 22, 51), QStringLiteral("Pilot 4").leftJustified(25));
    EXPECT_FALSE(TextAt(list, 0, 22, 51)->italic);
    EXPECT_TRUE(HasLine(list, 0, 8, 5, 80, 72, 80));

    // No minutes, no pause line; the frame keeps its extra room.
    options.pauseMinutes = 0;
    target.documents.clear();
    PrintStartList(contest, StartTexts(), PrintSettings(), options, target);
    const RecordedDocument& plain = target.documents.at(0);
    EXPECT_EQ(TextAtOr(plain, 0, 22, 47), QStringLiteral("Pilot 4").leftJustified(25));
    EXPECT_TRUE(HasLine(plain, 0, 8, 5, 80, 72, 80));
}

TEST(StartListGraphic, FewerPilotsThanRoundsAllStartWithTheFirst) {
    const Contest contest = SampleContest(4, 0, 0, 5);
    RecordingTarget target;
    PrintStartList(contest, StartTexts(), PrintSettings(), Rounds(2, 2), target);
    EXPECT_EQ(TextAtOr(target.documents.at(0), 0, 92, 35),
              QStringLiteral("Pilot 1").leftJustified(25));
}

TEST(StartListGraphic, LaterRoundsAndLongListsContinueOnFurtherPages) {
    const Contest contest = SampleContest(45, 0, 0, 6);
    StartListOptions options = Rounds(3, 6);
    options.pausePilot = 2;
    RecordingTarget target;
    PrintStartList(contest, StartTexts(), PrintSettings(), options, target);
    const RecordedDocument& list = target.documents.at(0);
    // Rounds 3 and 4 keep their places; 37 rows fit a page when a pause may come.
    ASSERT_EQ(list.pageCount, 4);
    EXPECT_EQ(TextAtOr(list, 0, 145, 24), QStringLiteral("Round : 3"));
    EXPECT_EQ(TextAtOr(list, 0, 215, 24), QStringLiteral("Round : 4"));
    EXPECT_TRUE(HasLine(list, 0, 8, 145, 188, 212, 188));
    EXPECT_EQ(TextAtOr(list, 1, 145, 24), QStringLiteral("Round : 3"));
    EXPECT_EQ(TextAtOr(list, 1, 147, 35), QStringLiteral("38"));
    EXPECT_EQ(TextAtOr(list, 1, 148, 31), QStringLiteral("#"));
    EXPECT_EQ(TextAtOr(list, 2, 5, 24), QStringLiteral("Round : 5"));
    EXPECT_EQ(TextAtOr(list, 2, 75, 24), QStringLiteral("Round : 6"));
    EXPECT_FALSE(TextAt(list, 2, 145, 24));
    EXPECT_EQ(TextAtOr(list, 3, 7, 35), QStringLiteral("38"));
}

TEST(StartListText, RoundsInPairs) {
    const Contest contest = SampleContest(4, 0, 0, 5);
    PrintSettings settings;
    settings.printerType = 1;
    StartListOptions options = Rounds(1, 3);
    options.pausePilot = 1;
    options.pauseMinutes = 5;
    RecordingTarget target;
    PrintStartList(contest, StartTexts(), settings, options, target);
    const QStringList lines = LinesOf(target.documents.at(0));
    const QString column = " # S-# Pilot                     Channel ";
    const QString rule = QString(39, u'-') + u' ' + QString(39, u'-');
    const QStringList expected = {
        "Veltra    ver. 2.41",
        "Vårcupen     Ørland     12.05.2026",
        "",
        "Round : 1                               Round : 2",
        "",
        column + column,
        rule,
        " 1   1 Pilot 1                   35.010  1   2 Pilot 2                   35.020 ",
        "Pause for 5 minutes                     Pause for 5 minutes",
        " 2   2 Pilot 2                   35.020  2   3 Pilot 3                   35.030 ",
        " 3   3 Pilot 3                   35.030  3   4 Pilot 4                   35.040 ",
        " 4   4 Pilot 4                   35.040  4   1 Pilot 1                   35.010 ",
        rule,
        "",
        "Round : 3                               Round : 4",
    };
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(lines.mid(0, expected.size()), expected);
    EXPECT_EQ(lines.size(), 2 * 11 + 3);
}

TEST(StartListText, ChannelNumbersAndTheLastRound) {
    Contest contest = SampleContest(2, 0, 0, 10);
    contest.Pilots[0].Channel = 61;
    PrintSettings settings;
    settings.printerType = 1;
    settings.frequencyDisplayMode = 1;
    RecordingTarget target;
    PrintStartList(contest, StartTexts(), settings, Rounds(10, 10), target);
    const QStringList lines = LinesOf(target.documents.at(0));
    // No eleventh round exists to stand beside the tenth, whose start 9 × 2 / 10 = 1.8 → 2
    // wraps around to the first pilot.
    EXPECT_EQ(lines[3], QStringLiteral("Round : 10"));
    EXPECT_EQ(lines[7], QStringLiteral(" 1   1 Pilot 1                     61   "));
    EXPECT_EQ(lines[8], QStringLiteral(" 2   2 Pilot 2                     35   "));
}

TEST(StartList, CopiesAndProgress) {
    const Contest contest = SampleContest(3, 0, 0, 2);
    PrintSettings settings;
    std::vector<int> progress;
    settings.progress = [&](int value) { progress.push_back(value); };
    StartListOptions options = Rounds(1, 2);
    options.copies = 2;
    RecordingTarget target;
    PrintStartList(contest, StartTexts(), settings, options, target);
    EXPECT_EQ(target.documents.size(), 2u);
    EXPECT_EQ(progress, std::vector<int>({1, 0, 50, 100, 0, 50, 100, 1, 0, 50, 100, 0, 50, 100}));

    options.copies = 0;
    target.documents.clear();
    PrintStartList(contest, StartTexts(), settings, options, target);
    EXPECT_TRUE(target.documents.empty());
}

TEST(StartListPdf, PagesOfBothVariants) {
    QTemporaryDir folder;
    const Contest contest = SampleContest(45, 0, 0, 6);
    const QString graphic = folder.filePath(QStringLiteral("graphic.pdf"));
    ASSERT_TRUE(PrintToPdf(graphic, QString(), [&](PrintTarget& target) {
        PrintStartList(contest, StartTexts(), PrintSettings(), Rounds(1, 6), target);
    }));
    EXPECT_EQ(PdfPageCount(readBytes(graphic)), 4);
}

} // namespace
} // namespace veltra
