#include "reports/printoutput.h"
#include "reports/reportstestsupport.h"
#include "support/windowdriver.h"
#include "ui/mainform.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

void moreCopies(QWidget& dialog, int more) {
    for (int i = 0; i < more; ++i)
        QTest::keyClick(&control<QSpinBox>(dialog, "Copies"), Qt::Key_Up);
}

// The copies dialog of a list: `more` copies than one, then OK, and the message that follows
// when `shown` is given.
void askCopies(const char* caption, int more, QString* shown = nullptr) {
    whenModal([=](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), caption);
        moreCopies(dialog, more);
        if (shown)
            answerMessage(shown);
        click(dialog, "ConfirmOK");
    });
}

// Closes every message box that opens while it lives and keeps its text: the check that a
// success interrupts nobody.
class MessageGuard {
  public:
    MessageGuard() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown_ << box->text();
                box->close();
            }
        });
        timer_.start();
    }
    const QStringList& shown() const { return shown_; }

  private:
    QTimer timer_;
    QStringList shown_;
};

int refusedPageChanges = 0;

void countRefusedPageChanges(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (message.contains(QStringLiteral("Cannot be changed while printer is active")))
        ++refusedPageChanges;
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
    // What the status line says once a report is written.
    QString written(const char* report) const {
        return QStringLiteral("The report was written to the file ") +
               QDir::toNativeSeparators(pdf(report));
    }
    QString statusLine() const { return boxText(*form, "Footer"); }
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
    {
        const MessageGuard interrupted;
        askCopies("Print pilot list", 1);
        chooseMenu(*form, Qt::Key_P, Qt::Key_P);
        EXPECT_EQ(interrupted.shown(), QStringList());
    }
    EXPECT_EQ(statusLine(), written("Pilot list"));
    EXPECT_EQ(pages("Pilot list"), 2);
    EXPECT_FALSE(progressShown());

    {
        // Closing the dialog cancels it: nothing is printed and nothing more is shown.
        const ModalGuard closed;
        chooseMenu(*form, Qt::Key_P, Qt::Key_J);
        EXPECT_EQ(closed.opened(), QStringList{"PrintCompForm"});
    }
    EXPECT_FALSE(QFile::exists(pdf("Judge list")));

    askCopies("Print judge list", 0);
    chooseMenu(*form, Qt::Key_P, Qt::Key_J);
    EXPECT_EQ(pages("Judge list"), 1);
}

// The second round's points in the results file are damaged: only a reading of two rounds
// meets them, and says so before the printout is written.
TEST_F(Printing, ResultsCountTheChosenRoundsOfTheStoredPointsReadAgain) {
    ASSERT_TRUE(writeBytes(home.filePath(QString::fromUtf8("Vårcupen.RES")),
                           "001, Pilot 1, 0500.00, 09x0.00, \r\n"
                           "002, Pilot 2, 0800.00, 0100.00, \r\n"));
    for (const int rounds : {2, 1}) {
        QString damaged;
        whenModal([&, rounds](QWidget& dialog) {
            control<QSpinBox>(dialog, "Rounds").setValue(rounds);
            moreCopies(dialog, 1);
            if (rounds == 2)
                answerMessage(&damaged);
            click(dialog, "ConfirmOK");
        });
        chooseMenu(*form, Qt::Key_P, Qt::Key_R);
        EXPECT_EQ(damaged.contains(QStringLiteral("could not be read")), rounds == 2) << rounds;
        EXPECT_EQ(statusLine(), written("Results"));
        EXPECT_EQ(pages("Results"), 2);
    }

    const ModalGuard cancelled;
    chooseMenu(*form, Qt::Key_P, Qt::Key_R);
    EXPECT_EQ(cancelled.opened(), QStringList{"PrintResForm"});
}

TEST_F(Printing, StartListAndScoreSheetsAskTheirOptionsFirst) {
    QString shown;
    whenModal([&](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Print start list");
        moreCopies(dialog, 1);
        click(dialog, "OK");
    });
    chooseMenu(*form, Qt::Key_P, Qt::Key_S);
    EXPECT_EQ(statusLine(), written("Start list"));
    EXPECT_EQ(pages("Start list"), 2);

    // One pilot's sheets: one per judge, the pilot picked in the selection dialog.
    whenModal([&](QWidget& dialog) {
        choose(dialog, "AllJudgesOnePilot");
        whenModal([&](QWidget& select) {
            EXPECT_EQ(select.objectName(), "SelectForm");
            clickRow(control<QListWidget>(select, "SelectList"), 1);
            click(select, "SelectOK");
        });
        click(dialog, "OK");
    });
    chooseMenu(*form, Qt::Key_P, Qt::Key_C);
    EXPECT_EQ(statusLine(), written("Score sheets - pilot Pilot 2"));
    EXPECT_EQ(pages("Score sheets - pilot Pilot 2"), 3);

    // A selection closed without a judge prints nothing.
    whenModal([](QWidget& dialog) {
        choose(dialog, "OneJudgeAllPilots");
        whenModal([](QWidget& select) { QTest::keyClick(&select, Qt::Key_Escape); });
        click(dialog, "OK");
    });
    chooseMenu(*form, Qt::Key_P, Qt::Key_C);
    EXPECT_EQ(QDir(pdfs.path()).entryList(QDir::Files).size(), 2);

    state.contest.JudgeCount = 0;
    whenModal([&](QWidget& dialog) {
        answerMessage(&shown);
        click(dialog, "OK");
    });
    chooseMenu(*form, Qt::Key_P, Qt::Key_C);
    EXPECT_EQ(shown, "Veltra:There are no score sheets to print: the competition has no judges "
                     "or no pilots.");
}

TEST_F(Printing, ThePreviewShowsEveryPageBeforeTheyAreSentOn) {
    state.settings.PrintPreview = 1;
    // Each copy begins a page of its own, which a printer that is printing must not refuse.
    const QtMessageHandler previous = qInstallMessageHandler(countRefusedPageChanges);
    for (const char* button : {"PreviewCancel", "PreviewSend"}) {
        whenModal([&, button](QWidget& dialog) {
            moreCopies(dialog, 2);
            whenModal([&, button](QWidget& preview) {
                EXPECT_EQ(control<QLabel>(preview, "PreviewPageCount").text(), "3 pages");
                click(preview, button);
            });
            click(dialog, "ConfirmOK");
        });
        chooseMenu(*form, Qt::Key_P, Qt::Key_P);
        EXPECT_FALSE(progressShown());
        EXPECT_EQ(QFile::exists(pdf("Pilot list")), button == std::string("PreviewSend"));
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(refusedPageChanges, 0);
    EXPECT_EQ(statusLine(), written("Pilot list"));
    EXPECT_EQ(pages("Pilot list"), 3);
}

TEST_F(Printing, AMissingPrinterOrPdfFolderIsReported) {
    QString shown;
    ASSERT_TRUE(pdfs.remove());
    askCopies("Print pilot list", 0, &shown);
    chooseMenu(*form, Qt::Key_P, Qt::Key_P);
    EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(pdf("Pilot list"))));
    EXPECT_FALSE(shown.contains(QStringLiteral("was written")));
    EXPECT_FALSE(progressShown());

    state.settings.PdfFolder.clear();
    askCopies("Print pilot list", 0, &shown);
    chooseMenu(*form, Qt::Key_P, Qt::Key_P);
    EXPECT_EQ(shown, "Veltra:No folder for the PDF files has been chosen. Choose one under "
                     "Configure, Printing.");

    if (QPrinter().outputFormat() == QPrinter::NativeFormat)
        GTEST_SKIP() << "a printer is set up on this machine, so nothing is refused";
    state.settings.PrintDestination = 0;
    askCopies("Print pilot list", 0, &shown);
    chooseMenu(*form, Qt::Key_P, Qt::Key_P);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Veltra:No printer is set up on this computer.")));
}

// Each sheet written is told in the status line; no message interrupts the scoring.
TEST_F(Printing, AutoPrintWritesTheRoundSheetOfEachPilotOnNext) {
    QStringList interruptions;
    whenModal([&](QWidget& scores) {
        choose(scores, "AutoPrint");
        ASSERT_TRUE(control<QCheckBox>(scores, "AutoPrint").isChecked());
        const MessageGuard interrupted;
        click(scores, "ScoresNext");
        interruptions = interrupted.shown();
        QTest::keyClick(&scores, Qt::Key_Escape);
    });
    chooseMenu(*form, Qt::Key_E, Qt::Key_S);
    EXPECT_EQ(interruptions, QStringList());
    EXPECT_EQ(statusLine(), written("Round 1 - Pilot 1"));
    EXPECT_EQ(pages("Round 1 - Pilot 1"), 1);
    EXPECT_EQ(state.work.EditPilotIndex, 1);
}
