#include "reports/competitorlists.h"
#include "reports/printoutput.h"
#include "reportstestsupport.h"

#include <QTemporaryDir>

namespace veltra {
namespace {

Texts ListTexts() {
    return HeadingTexts({{"COMPETITOR_PRINT_STARTNO_HEADING", "St"},
                         {"COMPETITOR_PRINT_NAME_HEADING", "Name"},
                         {"COMPETITOR_PRINT_CLUB_HEADING", "Club"},
                         {"COMPETITOR_PRINT_KFACT_HEADING", "K"},
                         {"COMPETITOR_PRINT_CHANNEL_HEADING", "Channel"},
                         {"COMPETITOR_PRINT_NAC_HEADING", "NAC"},
                         {"COMPETITOR_PRINT_PLANE_HEADING", "Plane"},
                         {"COMPETITOR_PRINT_ENGINE_HEADING", "Engine"},
                         {"COMPETITOR_PRINT_RADIO_HEADING", "Radio"},
                         {"JUDGE_PRINT_JUDGE_HEADING", "Judge"},
                         {"JUDGE_PRINT_CLUB_HEADING", "Nation"}});
}

TEST(PilotList, GraphicTableOnALandscapePage) {
    const Contest contest = SampleContest(10, 0, 0, 4);
    RecordingTarget target;
    PrintPilotList(contest, ListTexts(), PrintSettings(), 1, target);
    ASSERT_EQ(target.documents.size(), 1u);
    const RecordedDocument& list = target.documents[0];
    EXPECT_EQ(list.setup.orientation, Orientation::Landscape);
    EXPECT_EQ(list.pageCount, 1);

    // Ten rows of 4 mm end the table at y = 70.
    EXPECT_TRUE(HasLine(list, 0, 8, 5, 25, 282, 25));
    EXPECT_TRUE(HasLine(list, 0, 3, 5, 30, 282, 30));
    EXPECT_TRUE(HasLine(list, 0, 8, 5, 70, 282, 70));
    EXPECT_TRUE(HasLine(list, 0, 8, 282, 25, 282, 70));
    EXPECT_TRUE(HasLine(list, 0, 1, 235, 25, 235, 70));

    const auto radio = TextAt(list, 0, 236, 26);
    ASSERT_TRUE(radio);
    EXPECT_EQ(radio->text, QStringLiteral("Radio"));
    EXPECT_TRUE(radio->bold);
    EXPECT_EQ(radio->fontSize, 9);

    // The third pilot, row y = 38.
    EXPECT_EQ(TextAtOr(list, 0, 6, 38), QStringLiteral(" 3"));
    EXPECT_EQ(TextAtOr(list, 0, 16, 38), QStringLiteral("  3"));
    EXPECT_EQ(TextAtOr(list, 0, 26, 38), QStringLiteral("Pilot 3").leftJustified(25));
    EXPECT_EQ(TextAtOr(list, 0, 76, 38), QStringLiteral("Klubb 3").leftJustified(15));
    EXPECT_EQ(TextAtOr(list, 0, 106, 38), QStringLiteral("1.00"));
    EXPECT_EQ(TextAtOr(list, 0, 116, 38), QStringLiteral("35.030"));
    EXPECT_EQ(TextAtOr(list, 0, 136, 38), QStringLiteral("NAK-3   "));
    EXPECT_EQ(TextAtOr(list, 0, 236, 38), QStringLiteral("Futaba").leftJustified(20));
    EXPECT_FALSE(TextAt(list, 0, 26, 38)->bold);
    EXPECT_FALSE(list.texts.at(1).bold); // the footer
}

TEST(PilotList, LongListsContinueWithTheHeadingRepeated) {
    const Contest contest = SampleContest(45, 0, 0, 4);
    RecordingTarget target;
    PrintPilotList(contest, ListTexts(), PrintSettings(), 1, target);
    const RecordedDocument& list = target.documents.at(0);
    ASSERT_EQ(list.pageCount, 2);
    EXPECT_TRUE(HasLine(list, 0, 8, 5, 190, 282, 190)); // 40 rows fill the first page
    EXPECT_EQ(TextAtOr(list, 0, 6, 186), QStringLiteral("40"));
    EXPECT_EQ(TextAtOr(list, 1, 80, 9), TextAtOr(list, 0, 80, 9));
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
    PrintPilotList(contest, ListTexts(), settings, 2, target);

    ASSERT_EQ(target.documents.size(), 2u);
    EXPECT_EQ(TextAtOr(target.documents[0], 0, 116, 30), QStringLiteral("61"));
    EXPECT_EQ(target.documents[0].texts.size(), target.documents[1].texts.size());
    EXPECT_EQ(progress, std::vector<int>({1, 0, 100, 1, 0, 100}));

    target.documents.clear();
    PrintPilotList(contest, ListTexts(), settings, 0, target);
    EXPECT_TRUE(target.documents.empty());
}

TEST(PilotList, TextVariant) {
    Contest contest = SampleContest(2, 0, 0, 4);
    contest.Pilots[1].Channel = 61;
    PrintSettings settings;
    settings.printerType = 1;
    RecordingTarget target;
    PrintPilotList(contest, ListTexts(), settings, 1, target);
    const QStringList lines = LinesOf(target.documents.at(0));
    const QString heading = " # St  Name                      Club            K    Channel ";
    EXPECT_EQ(lines, QStringList({
                         "Veltra    ver. 2.41",
                         "",
                         "Vårcupen     Ørland     12.05.2026",
                         "",
                         heading,
                         QString(heading.size(), u'-'),
                         " 1   1 Pilot 1                   Klubb 1         1.00 35.010  ",
                         " 2   2 Pilot 2                   Klubb 2         1.00 61.000  ",
                         QString(heading.size(), u'-'),
                     }));
    EXPECT_EQ(target.documents[0].textLines.back().heading.size(), 2);

    settings.frequencyDisplayMode = 1;
    target.documents.clear();
    PrintPilotList(contest, ListTexts(), settings, 1, target);
    EXPECT_TRUE(LinesOf(target.documents.at(0))[7].endsWith(QStringLiteral("1.00     61  ")));
}

TEST(JudgeList, GraphicAndTextVariants) {
    const Contest contest = SampleContest(0, 3, 0, 4);
    RecordingTarget target;
    PrintJudgeList(contest, ListTexts(), PrintSettings(), 1, target);
    const RecordedDocument& list = target.documents.at(0);
    EXPECT_EQ(list.setup.orientation, Orientation::Portrait);
    EXPECT_TRUE(HasLine(list, 0, 3, 5, 45, 110, 45)); // three rows of 5 mm
    EXPECT_TRUE(HasLine(list, 0, 3, 60, 25, 60, 45));
    EXPECT_TRUE(list.texts.at(1).bold); // the footer stays bold
    const auto heading = TextAt(list, 0, 61, 26);
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->text, QStringLiteral("Nation"));
    EXPECT_EQ(heading->fontSize, 10);
    EXPECT_TRUE(heading->bold);
    EXPECT_EQ(TextAtOr(list, 0, 8, 41), QStringLiteral(" 3"));
    EXPECT_EQ(TextAtOr(list, 0, 16, 41), QStringLiteral("Judge 3").leftJustified(30));
    EXPECT_FALSE(TextAt(list, 0, 61, 41)->bold);

    PrintSettings text;
    text.printerType = 1;
    target.documents.clear();
    PrintJudgeList(contest, ListTexts(), text, 1, target);
    const QStringList lines = LinesOf(target.documents.at(0));
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[4], QStringLiteral(" # Judge                     Nation               "));
    EXPECT_EQ(lines[5], QString(lines[4].size(), u'-'));
    EXPECT_EQ(lines[6], QStringLiteral(" 1 Judge 1                   NOR                  "));
}

TEST(CompetitorListsPdf, OnePagePerCopy) {
    QTemporaryDir folder;
    const Contest contest = SampleContest(12, 3, 0, 4);
    const QString pilots = folder.filePath(QStringLiteral("pilots.pdf"));
    const QString judges = folder.filePath(QStringLiteral("judges.pdf"));
    ASSERT_TRUE(PrintToPdf(pilots, QString(), [&](PrintTarget& target) {
        PrintPilotList(contest, ListTexts(), PrintSettings(), 2, target);
    }));
    ASSERT_TRUE(PrintToPdf(judges, QString(), [&](PrintTarget& target) {
        PrintJudgeList(contest, ListTexts(), PrintSettings(), 1, target);
    }));
    EXPECT_EQ(PdfPageCount(readBytes(pilots)), 2);
    EXPECT_EQ(PdfPageCount(readBytes(judges)), 1);
}

} // namespace
} // namespace veltra
