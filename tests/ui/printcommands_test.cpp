#include "reports/printoutput.h"
#include "reports/reportstestsupport.h"
#include "support/printservice.h"
#include "support/windowdriver.h"
#include "ui/mainform.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPrintPreviewWidget>
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
        chooseMenu(*form, Qt::Key_P, {Qt::Key_P});
        EXPECT_EQ(interrupted.texts(), QStringList());
    }
    EXPECT_EQ(statusLine(), written("Pilot list"));
    EXPECT_EQ(pages("Pilot list"), 2);
    EXPECT_FALSE(progressShown());

    {
        // Closing the dialog cancels it: nothing is printed and nothing more is shown.
        const ModalGuard closed;
        chooseMenu(*form, Qt::Key_P, {Qt::Key_J});
        EXPECT_EQ(closed.opened(), QStringList{"PrintCompForm"});
    }
    EXPECT_FALSE(QFile::exists(pdf("Judge list")));

    askCopies("Print judge list", 0);
    chooseMenu(*form, Qt::Key_P, {Qt::Key_J});
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
        chooseMenu(*form, Qt::Key_P, {Qt::Key_R});
        EXPECT_EQ(damaged.contains(QStringLiteral("computed again")), rounds == 2) << rounds;
        EXPECT_EQ(statusLine(), written("Results"));
        EXPECT_EQ(pages("Results"), 2);
    }

    const ModalGuard cancelled;
    chooseMenu(*form, Qt::Key_P, {Qt::Key_R});
    EXPECT_EQ(cancelled.opened(), QStringList{"PrintResForm"});
}

TEST_F(Printing, StartListAndScoreSheetsAskTheirOptionsFirst) {
    QString shown;
    whenModal([&](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Print start list");
        moreCopies(dialog, 1);
        click(dialog, "OK");
    });
    chooseMenu(*form, Qt::Key_P, {Qt::Key_S});
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
    chooseMenu(*form, Qt::Key_P, {Qt::Key_C});
    EXPECT_EQ(statusLine(), written("Score sheets - pilot Pilot 2"));
    EXPECT_EQ(pages("Score sheets - pilot Pilot 2"), 3);

    // A selection closed without a judge prints nothing.
    whenModal([](QWidget& dialog) {
        choose(dialog, "OneJudgeAllPilots");
        whenModal([](QWidget& select) { QTest::keyClick(&select, Qt::Key_Escape); });
        click(dialog, "OK");
    });
    chooseMenu(*form, Qt::Key_P, {Qt::Key_C});
    EXPECT_EQ(QDir(pdfs.path()).entryList(QDir::Files).size(), 2);

    state.contest.JudgeCount = 0;
    whenModal([&](QWidget& dialog) {
        answerMessage(&shown);
        click(dialog, "OK");
    });
    chooseMenu(*form, Qt::Key_P, {Qt::Key_C});
    EXPECT_EQ(shown, "Veltra:There are no score sheets to print: the competition has no judges "
                     "or no pilots.");
}

TEST_F(Printing, ThePreviewShowsEveryPageBeforeTheyAreSentOn) {
    state.settings.PrintPreview = 1;
    // Each copy begins a page of its own, which a printer that is printing must not refuse.
    const QtMessageHandler previous = qInstallMessageHandler(countRefusedPageChanges);
    for (const char* button : {"PreviewCancel", "PreviewSend"}) {
        bool previewed = false;
        whenModal([&, button](QWidget& dialog) {
            moreCopies(dialog, 2);
            whenModal([&, button](QWidget& preview) {
                previewed = true;
                EXPECT_EQ(control<QLabel>(preview, "PreviewPageCount").text(), "3 pages");
                // The whole landscape page fits the window; keys turn the pages and zoom.
                auto& pages = control<QPrintPreviewWidget>(preview, "PreviewPages");
                EXPECT_EQ(pages.zoomMode(), QPrintPreviewWidget::FitInView);
                EXPECT_GT(preview.width(), preview.height());
                QApplication::setActiveWindow(&preview);
                ASSERT_TRUE(QTest::qWaitForWindowActive(&preview));
                QTest::keyClick(&preview, Qt::Key_PageDown);
                EXPECT_EQ(pages.currentPage(), 2);
                QTest::keyClick(&preview, Qt::Key_PageUp);
                EXPECT_EQ(pages.currentPage(), 1);
                const qreal fitted = pages.zoomFactor();
                QTest::keyClick(&preview, Qt::Key_Plus);
                EXPECT_GT(pages.zoomFactor(), fitted);
                QTest::keyClick(&preview, Qt::Key_Minus);
                QTest::keyClick(&preview, Qt::Key_Minus);
                EXPECT_LT(pages.zoomFactor(), fitted);
                click(preview, button);
            });
            click(dialog, "ConfirmOK");
        });
        chooseMenu(*form, Qt::Key_P, {Qt::Key_P});
        ASSERT_TRUE(QTest::qWaitFor([&] { return previewed && !progressShown(); }));
        EXPECT_EQ(QFile::exists(pdf("Pilot list")), button == std::string("PreviewSend"));
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(refusedPageChanges, 0);
    EXPECT_EQ(statusLine(), written("Pilot list"));
    EXPECT_EQ(pages("Pilot list"), 3);
}

TEST_F(Printing, AMissingPdfFolderIsReported) {
    QString shown;
    ASSERT_TRUE(pdfs.remove());
    askCopies("Print pilot list", 0, &shown);
    chooseMenu(*form, Qt::Key_P, {Qt::Key_P});
    EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(pdf("Pilot list"))));
    EXPECT_FALSE(shown.contains(QStringLiteral("was written")));
    EXPECT_FALSE(progressShown());

    state.settings.PdfFolder.clear();
    askCopies("Print pilot list", 0, &shown);
    chooseMenu(*form, Qt::Key_P, {Qt::Key_P});
    EXPECT_EQ(shown, "Veltra:No folder for the PDF files has been chosen. Choose one under "
                     "Configure > Printing.");
}

// Through a print queue of the test's own print service: each copy and each sheet is a job of
// its own, named after the report or the sheet's pilot and judge. A queue that refuses jobs, a
// service that hangs, no printer and no service each get a message saying so, the one that
// hangs within 5 seconds while the windows go on.
TEST_F(Printing, ThroughAPrintQueueJobsArriveAndEveryFailureIsTold) {
    const QString unavailable = PrintService::unavailable();
    if (!unavailable.isEmpty())
        GTEST_SKIP() << unavailable.toStdString();
    PrintService service;
    ASSERT_TRUE(service.start());
    qputenv("CUPS_SERVER", service.socket().toLocal8Bit());
    struct LeaveServer {
        ~LeaveServer() { qunsetenv("CUPS_SERVER"); }
    } const leaveServer;
    ASSERT_TRUE(service.addQueue(QStringLiteral("veltra")));
    state.settings.PrintDestination = 0;
    state.contest.Pilots[1].Name = QString::fromUtf8("Kåre Ås");
    state.contest.Judges[2].Name = QString::fromUtf8("Karin Sæther");
    const auto printResults = [&](QString* shown) {
        whenModal([shown](QWidget& dialog) {
            moreCopies(dialog, 1);
            if (shown)
                answerMessage(shown);
            click(dialog, "ConfirmOK");
        });
        chooseMenu(*form, Qt::Key_P, {Qt::Key_R});
    };
    const auto sentToPrinter = [&] {
        return QTest::qWaitFor(
            [&] { return statusLine() == "The report was sent to the printer veltra"; }, 10000);
    };

    printResults(nullptr);
    EXPECT_TRUE(sentToPrinter());
    whenModal([](QWidget& dialog) {
        choose(dialog, "AllJudgesOnePilot");
        whenModal([](QWidget& select) {
            clickRow(control<QListWidget>(select, "SelectList"), 1);
            click(select, "SelectOK");
        });
        click(dialog, "OK");
    });
    chooseMenu(*form, Qt::Key_P, {Qt::Key_C});
    EXPECT_TRUE(sentToPrinter());
    QStringList names;
    for (const PrintService::Job& job : service.jobs()) {
        names << job.name;
        EXPECT_EQ(PdfPageCount(job.document), 1) << job.name.toStdString();
    }
    EXPECT_EQ(names, QStringList({"Results", "Results",
                                  QString::fromUtf8("Pilot 2 Kåre Ås - Judge 1 Judge 1"),
                                  QString::fromUtf8("Pilot 2 Kåre Ås - Judge 2 Judge 2"),
                                  QString::fromUtf8("Pilot 2 Kåre Ås - Judge 3 Karin Sæther")}));

    QString shown;
    ASSERT_TRUE(service.run("cupsreject", {QStringLiteral("veltra")}));
    printResults(&shown);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shown.isEmpty(); }, 5000));
    EXPECT_TRUE(shown.startsWith("Veltra:The printer veltra did not take the report"));
    EXPECT_TRUE(shown.contains("not accepting jobs")) << shown.toStdString();
    EXPECT_EQ(service.jobs().size(), 5u);
    ASSERT_TRUE(service.run("cupsaccept", {QStringLiteral("veltra")}));

    // The windows go on while the service hangs: the command returns at once, the progress bar
    // runs, and events keep being handled until the message comes; with a preview too, whose
    // printer asks the service for its printers.
    service.freeze();
    for (const int preview : {0, 1}) {
        SCOPED_TRACE(preview);
        state.settings.PrintPreview = preview;
        shown.clear();
        QElapsedTimer clock;
        clock.start();
        printResults(&shown);
        EXPECT_LT(clock.elapsed(), 1000);
        EXPECT_TRUE(progressShown());
        qint64 last = clock.elapsed();
        qint64 longestPause = 0;
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            longestPause = std::max(longestPause, clock.elapsed() - last);
            last = clock.elapsed();
        });
        ticks.start(20);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !shown.isEmpty(); }, 6000));
        EXPECT_LT(clock.elapsed(), 5000);
        EXPECT_LT(longestPause, 500);
        EXPECT_EQ(shown, "Veltra:The print service did not answer within 4 seconds and nothing "
                         "was printed. Check the printer and the print service and print again.");
        EXPECT_FALSE(progressShown());
    }
    state.settings.PrintPreview = 0;
    service.thaw();

    ASSERT_TRUE(service.run("lpadmin", {QStringLiteral("-x"), QStringLiteral("veltra")}));
    shown.clear();
    printResults(&shown);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shown.isEmpty(); }, 5000));
    EXPECT_TRUE(shown.startsWith("Veltra:No printer is set up on this computer."))
        << shown.toStdString();

    service.stop();
    shown.clear();
    printResults(&shown);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shown.isEmpty(); }, 5000));
    EXPECT_TRUE(shown.startsWith("Veltra:The print service (CUPS) of this computer is not running"))
        << shown.toStdString();
}

// Each sheet written is told in the status line; no message interrupts the scoring.
TEST_F(Printing, AutoPrintWritesTheRoundSheetOfEachPilotOnNext) {
    QStringList interruptions;
    whenModal([&](QWidget& scores) {
        choose(scores, "AutoPrint");
        ASSERT_TRUE(control<QCheckBox>(scores, "AutoPrint").isChecked());
        const MessageGuard interrupted;
        click(scores, "ScoresNext");
        interruptions = interrupted.texts();
        QTest::keyClick(&scores, Qt::Key_Escape);
    });
    chooseMenu(*form, Qt::Key_E, {Qt::Key_S});
    EXPECT_EQ(interruptions, QStringList());
    EXPECT_EQ(statusLine(), written("Round 1 - Pilot 1"));
    EXPECT_EQ(pages("Round 1 - Pilot 1"), 1);
    EXPECT_EQ(state.work.EditPilotIndex, 1);
}
