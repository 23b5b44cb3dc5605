#include "reports/printoutput.h"
#include "reports/textpages.h"
#include "reportstestsupport.h"

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
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
// 80.5 goes to the even 80) and the footer (30 mm: 148.5 - 15 goes to 134) with the print time
// and the page, not bold and then bold. The longest name on a portrait page shrinks the title.
TEST(ReportFrame, TitleBoxTitleAndFooter) {
    Contest contest = SampleContest(0, 0, 0, 1);
    PrintSettings settings;
    settings.printedAt = QStringLiteral("Printed 06.12.2026 14:05");
    RecordingTarget target;
    BeginGraphicJob(target, Orientation::Landscape, settings);
    DrawReportFrame(target, contest, settings, FooterBold::Off, {1, 2});
    target.newPage();
    DrawReportFrame(target, contest, settings, FooterBold::Stays, {2, 2});
    target.endDocument();
    contest.ContName = QString(40, u'W');
    BeginGraphicJob(target, Orientation::Portrait, settings);
    DrawReportFrame(target, contest, settings, FooterBold::Off, {1, 1});
    target.endDocument();

    ExpectTitleInsideCentredBox(target.documents[1], 210);
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
        PageSetup text(PrintVariant::Text, Orientation::Portrait, 0);
        text.printedAt = QStringLiteral("Printed 06.12.2026 14:05");
        text.pageOf = QStringLiteral("Page %1 of %2");
        target.beginDocument(text);
        for (int i = 0; i < 100; ++i) // a page holds between 50 and 99 lines of 10 points
            target.printLine(QStringLiteral("Line %1").arg(i));
        target.endDocument();
    }));
    EXPECT_EQ(PdfPageCount(readBytes(path)), 6);
    // Every page of the text ends with the print time and its number.
    const QString reader = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (!reader.isEmpty()) {
        QProcess read;
        read.start(reader, {"-f", "5", "-layout", path, "-"});
        ASSERT_TRUE(read.waitForFinished());
        const QString pages = QString::fromUtf8(read.readAllStandardOutput());
        EXPECT_EQ(pages.count(QStringLiteral("Printed 06.12.2026 14:05")), 2);
        EXPECT_TRUE(pages.contains(QStringLiteral("Page 1 of 2")));
        EXPECT_TRUE(pages.contains(QStringLiteral("Page 2 of 2")));
    }
    // "Veltra" in 20 point Times New Roman is 17 mm wide, kerned.
    EXPECT_EQ(sizes, std::vector<int>({210, 297, 17, 297, 210, 17}));
}

// An 8-pixel rule is 0.34 mm on paper, in draft as in high quality: 3 or 4 rows of a page scanned
// at 10 dots per millimetre. The quality goes to the printer as its resolution.
TEST(PdfOutput, RulesKeepTheirThicknessAtEveryQuality) {
    const QString scanner = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (scanner.isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is missing, so no page can be scanned";
    QTemporaryDir folder;
    const auto rule = [](int quality) {
        return [quality](PrintTarget& target) {
            target.beginDocument({PrintVariant::Graphic, Orientation::Portrait, quality});
            target.DrawPrintLine(0, 8, 10, 100, 200, 100);
            target.endDocument();
        };
    };
    for (const int quality : {-1, -4}) {
        const QString pdf = folder.filePath(QStringLiteral("rule.pdf"));
        ASSERT_TRUE(PrintToPdf(pdf, QString(), rule(quality)));
        const QString scan = folder.filePath(QStringLiteral("scan"));
        ASSERT_EQ(QProcess::execute(scanner, {"-r", "254", "-gray", "-singlefile", pdf, scan}), 0);
        const QImage page(scan + QStringLiteral(".pgm"));
        ASSERT_FALSE(page.isNull());
        int dark = 0;
        for (int y = 0; y < page.height(); ++y)
            dark += qGray(page.pixel(1000, y)) < 128 ? 1 : 0;
        EXPECT_GE(dark, 3) << quality;
        EXPECT_LE(dark, 4) << quality;
    }
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("draft.pdf")));
    ASSERT_TRUE(PrintToPrinter(printer, rule(-1)));
    EXPECT_EQ(printer.resolution(), 150);
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
