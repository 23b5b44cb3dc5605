#include "reports/printoutput.h"
#include "reports/reportstestsupport.h"
#include "support/modal.h"
#include "support/testsupport.h"
#include "ui/mainform.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

template <typename T> T& control(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::runtime_error(std::string("no control ") + name);
    return *found;
}

// Near the left edge, where an option button's indicator and caption are.
void click(QWidget& window, const char* name) {
    QAbstractButton& button = control<QAbstractButton>(window, name);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(8, button.height() / 2));
}

// The menu bar's own keyboard path: Alt and the menu's access key, then the item's.
void chooseMenu(MainForm& form, Qt::Key menuKey, Qt::Key itemKey) {
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, menuKey, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, itemKey);
    while (QWidget* open = QApplication::activePopupWidget())
        open->close();
}

void acceptMessage(QString* shown) {
    whenModal([shown](QWidget& box) {
        auto* message = qobject_cast<QMessageBox*>(&box);
        ASSERT_NE(message, nullptr);
        EXPECT_EQ(message->windowTitle(), "Veltra");
        *shown = message->text();
        message->accept();
    });
}

// The copies dialog of a list: `more` clicks up from one copy, then OK; the message that
// follows is kept in `shown`.
void askCopies(const char* caption, int more, QString* shown) {
    whenModal([=](QWidget& dialog) {
        EXPECT_EQ(dialog.objectName(), "PrintCompForm");
        EXPECT_EQ(dialog.windowTitle(), caption);
        for (int i = 0; i < more; ++i)
            QTest::keyClick(&control<QSpinBox>(dialog, "Copies"), Qt::Key_Up);
        if (shown)
            acceptMessage(shown);
        click(dialog, "ConfirmOK");
    });
}

class Printing : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid() && pdfs.isValid());
        ASSERT_TRUE(QFile::copy(QStringLiteral(VELTRA_SOURCE_DIR "/resources/program/English.lng"),
                                home.filePath(QStringLiteral("English.lng"))));
        ASSERT_TRUE(writeBytes(home.filePath(QStringLiteral("Veltra.ini")),
                               "LANGUAGE_FILE,English.lng\r\nPRINTER_TYPE,2\r\n"
                               "PRINT_RESOLUTION,-3\r\nPRINT_DESTINATION,1\r\nPDF_FOLDER," +
                                   pdfs.path().toUtf8() + "\r\nPRINT_PREVIEW,0\r\n"));
        state.work.ProgramDir = home.path();
        form = std::make_unique<MainForm>(state);
        form->show();
        state.contest = SampleContest(12, 3, 10, 4);
        state.work.ContestDir = home.path() + u'/';
        state.work.ContestFile = QString::fromUtf8("Vårcupen.cnt");
        form->ContestSelected(1);
    }

    QString pdf(const char* report) const {
        return PdfPath(pdfs.path(), state.contest.ContName, QString::fromUtf8(report));
    }
    int pages(const char* report) const { return PdfPageCount(readBytes(pdf(report))); }
    QString written(const char* report) const {
        return QStringLiteral("The report was written to the file\n") +
               QDir::toNativeSeparators(pdf(report));
    }
    bool progressShown() const {
        return form->findChild<QProgressBar*>(QStringLiteral("PROGRESS"))->isVisible();
    }

    QTemporaryDir home;
    QTemporaryDir pdfs;
    AppState state;
    std::unique_ptr<MainForm> form;
};

} // namespace

TEST_F(Printing, PilotAndJudgeListsBecomePdfFilesWithOnePagePerCopy) {
    QString shown;
    askCopies("Print pilot list", 1, &shown);
    chooseMenu(*form, Qt::Key_P, Qt::Key_P);
    EXPECT_EQ(shown, written("Pilot list"));
    EXPECT_EQ(pages("Pilot list"), 2);
    EXPECT_FALSE(progressShown());

    whenModal([](QWidget& dialog) { click(dialog, "ConfirmCancel"); });
    chooseMenu(*form, Qt::Key_P, Qt::Key_J);
    EXPECT_FALSE(QFile::exists(pdf("Judge list")));

    askCopies("Print judge list", 0, &shown);
    chooseMenu(*form, Qt::Key_P, Qt::Key_J);
    EXPECT_EQ(shown, written("Judge list"));
    EXPECT_EQ(pages("Judge list"), 1);
}

TEST_F(Printing, StartListAndScoreSheetsAskTheirOptionsFirst) {
    QString shown;
    whenModal([&](QWidget& dialog) {
        EXPECT_EQ(dialog.objectName(), "PrintStartForm");
        EXPECT_EQ(dialog.windowTitle(), "Print start list");
        EXPECT_EQ(control<QSpinBox>(dialog, "ToRound").value(), 4);
        QTest::keyClick(&control<QSpinBox>(dialog, "Copies"), Qt::Key_Up);
        acceptMessage(&shown);
        click(dialog, "OK");
    });
    chooseMenu(*form, Qt::Key_P, Qt::Key_S);
    EXPECT_EQ(shown, written("Start list"));
    EXPECT_EQ(pages("Start list"), 2);

    // One pilot's sheets: one per judge, the pilot picked in the selection dialog.
    whenModal([&](QWidget& dialog) {
        EXPECT_EQ(dialog.objectName(), "ScoreSheetConfirmForm");
        click(dialog, "AllJudgesOnePilot");
        whenModal([&](QWidget& select) {
            EXPECT_EQ(select.objectName(), "SelectForm");
            auto& list = control<QListWidget>(select, "SelectList");
            list.setCurrentRow(1);
            acceptMessage(&shown);
            click(select, "SelectOK");
        });
        click(dialog, "OK");
    });
    chooseMenu(*form, Qt::Key_P, Qt::Key_C);
    EXPECT_EQ(shown, written("Score sheets - pilot Pilot 2"));
    EXPECT_EQ(pages("Score sheets - pilot Pilot 2"), 3);

    whenModal([&](QWidget& dialog) {
        acceptMessage(&shown);
        click(dialog, "OK");
    });
    chooseMenu(*form, Qt::Key_P, Qt::Key_C);
    EXPECT_EQ(pages("Score sheets"), 36);

    // A selection closed without a judge prints nothing.
    whenModal([&](QWidget& dialog) {
        click(dialog, "OneJudgeAllPilots");
        whenModal([](QWidget& select) { QTest::keyClick(&select, Qt::Key_Escape); });
        click(dialog, "OK");
    });
    chooseMenu(*form, Qt::Key_P, Qt::Key_C);
    EXPECT_TRUE(QDir(pdfs.path()).entryList({QStringLiteral("*judge*")}).isEmpty());

    state.contest.JudgeCount = 0;
    whenModal([&](QWidget& dialog) {
        acceptMessage(&shown);
        click(dialog, "OK");
    });
    chooseMenu(*form, Qt::Key_P, Qt::Key_C);
    EXPECT_EQ(shown, "There are no score sheets to print: the competition has no judges or no "
                     "pilots.");
}

namespace {

int refusedPageChanges = 0;

void countRefusedPageChanges(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (message.contains(QStringLiteral("Cannot be changed while printer is active")))
        ++refusedPageChanges;
}

} // namespace

TEST_F(Printing, ThePreviewShowsEveryPageBeforeTheyAreSentOn) {
    state.settings.PrintPreview = 1;
    // Each copy begins a page of its own, which a printer that is printing must not refuse.
    const QtMessageHandler previous = qInstallMessageHandler(countRefusedPageChanges);
    const auto preview = [](const char* button) {
        whenModal([button](QWidget& dialog) {
            EXPECT_EQ(dialog.objectName(), "PrintPreviewForm");
            EXPECT_EQ(dialog.windowTitle(), "Pilot list");
            EXPECT_EQ(control<QPushButton>(dialog, "PreviewSend").text(), "&Write PDF");
            EXPECT_EQ(control<QLabel>(dialog, "PreviewPageCount").text(), "3 pages");
            click(dialog, button);
        });
    };
    whenModal([&](QWidget& dialog) {
        QTest::keyClick(&control<QSpinBox>(dialog, "Copies"), Qt::Key_Up);
        QTest::keyClick(&control<QSpinBox>(dialog, "Copies"), Qt::Key_Up);
        preview("PreviewCancel");
        click(dialog, "ConfirmOK");
    });
    chooseMenu(*form, Qt::Key_P, Qt::Key_P);
    qInstallMessageHandler(previous);
    EXPECT_EQ(refusedPageChanges, 0);
    EXPECT_FALSE(QFile::exists(pdf("Pilot list")));
    EXPECT_FALSE(progressShown());

    QString shown;
    whenModal([&](QWidget& dialog) {
        QTest::keyClick(&control<QSpinBox>(dialog, "Copies"), Qt::Key_Up);
        QTest::keyClick(&control<QSpinBox>(dialog, "Copies"), Qt::Key_Up);
        whenModal([&](QWidget& pages) {
            acceptMessage(&shown);
            click(pages, "PreviewSend");
        });
        click(dialog, "ConfirmOK");
    });
    chooseMenu(*form, Qt::Key_P, Qt::Key_P);
    EXPECT_EQ(shown, written("Pilot list"));
    EXPECT_EQ(pages("Pilot list"), 3);
}

TEST_F(Printing, AMissingPrinterOrPdfFolderIsReported) {
    QString shown;
    ASSERT_TRUE(pdfs.remove());
    askCopies("Print pilot list", 0, &shown);
    chooseMenu(*form, Qt::Key_P, Qt::Key_P);
    EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(pdf("Pilot list")))) << shown.toStdString();
    EXPECT_FALSE(shown.startsWith(QStringLiteral("The report was written")));
    EXPECT_FALSE(progressShown());

    state.settings.PdfFolder.clear();
    askCopies("Print pilot list", 0, &shown);
    chooseMenu(*form, Qt::Key_P, Qt::Key_P);
    EXPECT_EQ(shown, "No folder for the PDF files has been chosen. Choose one under Configure, "
                     "Printing.");

    if (QPrinter().outputFormat() == QPrinter::NativeFormat)
        GTEST_SKIP() << "a printer is set up on this machine, so nothing is refused";
    state.settings.PrintDestination = 0;
    askCopies("Print pilot list", 0, &shown);
    chooseMenu(*form, Qt::Key_P, Qt::Key_P);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("No printer is set up on this computer.")));
}

TEST_F(Printing, ConfigurePrintingWritesTheSettingsFileAtOnce) {
    whenModal([](QWidget& dialog) {
        EXPECT_EQ(dialog.objectName(), "ConfigPrintingForm");
        EXPECT_TRUE(control<QRadioButton>(dialog, "DestinationPdf").isChecked());
        click(dialog, "TextPrinter");
        click(dialog, "DestinationPrinter");
        click(dialog, "PrintPreview");
        click(dialog, "OK");
    });
    chooseMenu(*form, Qt::Key_C, Qt::Key_P);
    const QByteArray saved = readBytes(home.filePath(QStringLiteral("Veltra.ini")));
    EXPECT_TRUE(saved.contains("\r\nPRINTER_TYPE,1\r\n\r\nPRINT_RESOLUTION,-3\r\n"));
    EXPECT_TRUE(
        saved.endsWith("FREQUENCY_DISPLAY_MODE,0\r\n\r\nPRINT_DESTINATION,0\r\nPDF_FOLDER," +
                       pdfs.path().toUtf8() + "\r\nPRINT_PREVIEW,1\r\n"))
        << saved.toStdString();
}

TEST_F(Printing, AutoPrintWritesTheRoundSheetOfEachPilotOnNext) {
    QString shown;
    whenModal([&](QWidget& scores) {
        EXPECT_EQ(scores.objectName(), "ScoresForm");
        click(scores, "AutoPrint");
        ASSERT_TRUE(control<QCheckBox>(scores, "AutoPrint").isChecked());
        acceptMessage(&shown);
        click(scores, "ScoresNext");
        QTest::keyClick(&scores, Qt::Key_Escape);
    });
    chooseMenu(*form, Qt::Key_E, Qt::Key_S);
    EXPECT_EQ(shown, written("Round 1 - Pilot 1"));
    EXPECT_EQ(pages("Round 1 - Pilot 1"), 1);
    EXPECT_EQ(state.work.EditPilotIndex, 1);
}
