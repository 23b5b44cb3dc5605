#include "reports/printoutput.h"
#include "reports/reportframe.h"
#include "reports/textpages.h"
#include "reportstestsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace veltra {
namespace {

std::vector<TextLine> Numbered(int first, int last, const QStringList& heading) {
    std::vector<TextLine> lines;
    for (int i = first; i <= last; ++i)
        lines.push_back({QString::number(i), heading});
    return lines;
}

TEST(TextPages, FurtherPagesStartWithTheRunningHeading) {
    std::vector<TextLine> lines = Numbered(1, 2, {});
    const std::vector<TextLine> table = Numbered(3, 7, {QStringLiteral("H")});
    lines.insert(lines.end(), table.begin(), table.end());

    const std::vector<QStringList> pages = PaginateText(lines, 3);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0], QStringList({"1", "2", "3"}));
    EXPECT_EQ(pages[1], QStringList({"H", "4", "5"}));
    EXPECT_EQ(pages[2], QStringList({"H", "6", "7"}));

    // A heading that would fill the page is not repeated, so the document still ends.
    const std::vector<QStringList> tight = PaginateText(Numbered(1, 4, {"A", "B"}), 2);
    EXPECT_EQ(tight.size(), 2u);
    EXPECT_TRUE(PaginateText({}, 10).empty());
}

TEST(Conversion, TwipsBecomeWholeMillimetres) {
    EXPECT_EQ(MillimetresFromTwips(566.93), 10);
    EXPECT_EQ(MillimetresFromTwips(11905.5), 210); // the width of an A4 page
    EXPECT_EQ(MillimetresFromTwips(16837.8), 297);
    EXPECT_EQ(RoundHalfEven(80.5), 80);
    EXPECT_EQ(RoundHalfEven(133.5), 134);
    EXPECT_EQ(RoundHalfEven(-51.5), -52);
}

TEST(ReportFrame, TitleBoxTitleAndFooter) {
    const Contest contest = SampleContest(0, 0, 0, 1);
    PrintSettings settings;
    RecordingTarget target;
    BeginGraphicJob(target, Orientation::Landscape, settings);
    DrawReportFrame(target, contest, settings, FooterBold::Off);
    target.endDocument();

    const RecordedDocument& page = target.documents.at(0);
    EXPECT_EQ(page.setup.orientation, Orientation::Landscape);
    EXPECT_EQ(page.setup.quality, -3);
    EXPECT_TRUE(HasLine(page, 0, 8, 5, 5, 282, 5));
    EXPECT_TRUE(HasLine(page, 0, 8, 5, 20, 282, 20));
    EXPECT_TRUE(HasLine(page, 0, 8, 5, 5, 5, 20));
    EXPECT_TRUE(HasLine(page, 0, 8, 282, 5, 282, 20));

    // 34 characters of size 20 measure 136 mm: 148.5 − 68 = 80.5, rounded to the even 80.
    const auto title = TextAt(page, 0, 80, 9);
    ASSERT_TRUE(title);
    EXPECT_EQ(title->text, QStringLiteral("Vårcupen  -  Ørland  -  12.05.2026"));
    EXPECT_EQ(title->fontName, QStringLiteral("Times New Roman"));
    EXPECT_EQ(title->fontSize, 20);
    EXPECT_TRUE(title->bold);

    // The caption: 19 characters of size 8 measure 30 mm, so x = 148.5 − 15 → 134.
    const auto footer = TextAt(page, 0, 134, 195);
    ASSERT_TRUE(footer);
    EXPECT_EQ(footer->text, QStringLiteral("Veltra    ver. 2.41"));
    EXPECT_EQ(footer->fontSize, 8);
    EXPECT_FALSE(footer->bold);
}

TEST(ReportFrame, BoldFooterAndATitleWiderThanThePage) {
    Contest contest = SampleContest(0, 0, 0, 1);
    contest.ContName = QString(90, u'X');
    PrintSettings settings;
    RecordingTarget target;
    BeginGraphicJob(target, Orientation::Portrait, settings);
    DrawReportFrame(target, contest, settings, FooterBold::Stays);
    target.endDocument();

    const RecordedDocument& page = target.documents.at(0);
    // 116 characters measure 464 mm: 105 − 232 gives a negative x, used as it is.
    EXPECT_EQ(page.texts.at(0).x, -127);
    EXPECT_EQ(page.texts.at(1).y, 282);
    EXPECT_TRUE(page.texts.at(1).bold);
}

TEST(PrintSettingsTest, EveryTypeButTheTextPrinterPrintsGraphic) {
    PrintSettings settings;
    settings.printerType = 1;
    EXPECT_EQ(VariantOf(settings), PrintVariant::Text);
    settings.printerType = 2;
    EXPECT_EQ(VariantOf(settings), PrintVariant::Graphic);
    // A first start has no settings file: the dialog shows the graphic printer, so it prints.
    settings.printerType = 0;
    EXPECT_EQ(VariantOf(settings), PrintVariant::Graphic);
}

TEST(PdfOutput, EveryPrintJobBecomesPagesOfOneFile) {
    QTemporaryDir folder;
    const QString path =
        PdfPath(folder.path(), QStringLiteral("Cup: A/B"), QStringLiteral("Results"));
    EXPECT_EQ(QFileInfo(path).fileName(), QStringLiteral("Cup_ A_B - Results.pdf"));

    std::vector<int> widths;
    const Status status = PrintToPdf(path, QStringLiteral("Results"), [&](PrintTarget& target) {
        for (Orientation orientation : {Orientation::Portrait, Orientation::Landscape}) {
            target.beginDocument({PrintVariant::Graphic, orientation, -4});
            widths.push_back(target.pageWidth());
            widths.push_back(target.pageHeight());
            target.setFontName(QStringLiteral("Times New Roman"));
            target.setFontSize(20);
            widths.push_back(target.textWidth(QStringLiteral("Veltra")));
            target.DrawPrintLine(0, 8, 5, 5, 100, 5);
            target.SetPrintPosition(10, 20);
            target.printLine(QStringLiteral("Veltra"));
            target.newPage();
            target.endDocument();
        }
    });
    ASSERT_TRUE(status) << status.message.toStdString();
    EXPECT_EQ(PdfPageCount(readBytes(path)), 4);
    // "Veltra" in 20 point Times New Roman is 17 mm wide, kerned.
    EXPECT_EQ(widths, std::vector<int>({210, 297, 17, 297, 210, 17}));
}

TEST(PdfOutput, TextDocumentsAreBrokenIntoPages) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("text.pdf"));
    const Status status = PrintToPdf(path, QString(), [](PrintTarget& target) {
        target.beginDocument({PrintVariant::Text, Orientation::Portrait, 0});
        for (int i = 0; i < 100; ++i)
            target.printLine(QStringLiteral("Line %1").arg(i));
        target.endDocument();
    });
    ASSERT_TRUE(status);
    // A page holds between 50 and 99 lines of 10 point type.
    EXPECT_EQ(PdfPageCount(readBytes(path)), 2);
}

TEST(PdfOutput, NothingPrintedWritesNoFileAndAFailedWriteKeepsTheOldOne) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("none.pdf"));
    EXPECT_TRUE(PrintToPdf(path, QString(), [](PrintTarget&) {}));
    EXPECT_FALSE(QFile::exists(path));

    const QString missing = folder.filePath(QStringLiteral("gone/report.pdf"));
    const Status status = PrintToPdf(missing, QString(), [](PrintTarget& target) {
        target.beginDocument({});
        target.endDocument();
    });
    EXPECT_FALSE(status);
    EXPECT_FALSE(status.message.isEmpty());
}

TEST(RecordingTargetTest, RefusesDrawingOutsideADocument) {
    RecordingTarget target;
    EXPECT_THROW(target.printLine(QStringLiteral("lost")), std::logic_error);
    target.beginDocument({});
    EXPECT_THROW(target.beginDocument({}), std::logic_error);
}

} // namespace
} // namespace veltra
