#include "reports/printoutput.h"
#include "reports/textpages.h"
#include "reportstestsupport.h"

#include <QFile>
#include <QTemporaryDir>

namespace veltra {
namespace {

TEST(TextPages, FurtherPagesStartWithTheRunningHeading) {
    std::vector<TextLine> lines;
    for (int i = 1; i <= 7; ++i)
        lines.push_back({QString::number(i), i > 2 ? QStringList{"H"} : QStringList()});
    const std::vector<QStringList> pages = PaginateText(lines, 3);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0], QStringList({"1", "2", "3"}));
    EXPECT_EQ(pages[1], QStringList({"H", "4", "5"}));
    EXPECT_EQ(pages[2], QStringList({"H", "6", "7"}));
    // A heading that would fill the page is not repeated, so the document still ends.
    lines = {{"1", {"A", "B"}}, {"2", {"A", "B"}}, {"3", {"A", "B"}}};
    EXPECT_EQ(PaginateText(lines, 2).size(), 2u);
}

// The title box, the title centred in it (34 characters of size 20 measure 136 mm: 148.5 - 68 =
// 80.5 goes to the even 80) and the footer (30 mm: 148.5 - 15 goes to 134), not bold and then
// bold. A title wider than the page gets a negative x, used as it is: 148.5 - 232 gives -84.
TEST(ReportFrame, TitleBoxTitleAndFooter) {
    Contest contest = SampleContest(0, 0, 0, 1);
    RecordingTarget target;
    BeginGraphicJob(target, Orientation::Landscape, PrintSettings());
    DrawReportFrame(target, contest, PrintSettings(), FooterBold::Off);
    contest.ContName = QString(90, u'X');
    target.newPage();
    DrawReportFrame(target, contest, PrintSettings(), FooterBold::Stays);
    target.endDocument();

    ExpectLayout(target, "frame.layout");
}

TEST(PrintSettingsTest, EveryTypeButTheTextPrinterPrintsGraphic) {
    // A first start has no settings file: the dialog shows the graphic printer, so it prints.
    PrintSettings settings;
    settings.printerType = 0;
    EXPECT_EQ(VariantOf(settings), PrintVariant::Graphic);
    EXPECT_EQ(VariantOf(TextPrinter()), PrintVariant::Text);
}

TEST(PdfOutput, PrintJobsBecomePagesMeasuredInMillimetres) {
    QTemporaryDir folder;
    const QString path = PdfPath(folder.path(), QStringLiteral("Cup: A/B"), QStringLiteral("X"));
    EXPECT_EQ(QFileInfo(path).fileName(), QStringLiteral("Cup_ A_B - X.pdf"));
    std::vector<int> sizes;
    ASSERT_TRUE(PrintToPdf(path, QString(), [&](PrintTarget& target) {
        for (Orientation orientation : {Orientation::Portrait, Orientation::Landscape}) {
            target.beginDocument({PrintVariant::Graphic, orientation, -4});
            target.setFontName(QStringLiteral("Times New Roman"));
            target.setFontSize(20);
            sizes.insert(sizes.end(), {target.pageWidth(), target.pageHeight(),
                                       target.textWidth(QStringLiteral("Veltra"))});
            target.DrawPrintLine(0, 8, 5, 5, 100, 5);
            PrintAt(target, 10, 20, QStringLiteral("Veltra"));
            target.newPage();
            target.endDocument();
        }
        target.beginDocument({PrintVariant::Text, Orientation::Portrait, 0});
        for (int i = 0; i < 100; ++i) // a page holds between 50 and 99 lines of 10 points
            target.printLine(QStringLiteral("Line %1").arg(i));
        target.endDocument();
    }));
    EXPECT_EQ(PdfPageCount(readBytes(path)), 6);
    // "Veltra" in 20 point Times New Roman is 17 mm wide, kerned.
    EXPECT_EQ(sizes, std::vector<int>({210, 297, 17, 297, 210, 17}));
}

TEST(PdfOutput, NothingPrintedWritesNoFileAndAFailedWriteIsReported) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("none.pdf"));
    EXPECT_TRUE(PrintToPdf(path, QString(), [](PrintTarget&) {}));
    EXPECT_FALSE(QFile::exists(path));
    const Status status =
        PrintToPdf(folder.filePath(QStringLiteral("gone/x.pdf")), QString(), [](PrintTarget& t) {
            t.beginDocument({});
            t.endDocument();
        });
    EXPECT_FALSE(status);
    EXPECT_FALSE(status.message.isEmpty());
}

} // namespace
} // namespace veltra
