#include "core/settings.h"
#include "support/windowdriver.h"
#include "ui/configprintingform.h"
#include "ui/printcompform.h"
#include "ui/printstartform.h"
#include "ui/scoresheetconfirmform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

class Dialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        main.setGeometry(100, 100, 900, 700);
        main.show();
    }

    QWidget main;
    Texts texts;
};

} // namespace

TEST_F(Dialogs, ConfigPrintingStartsFromTheSettingsAndOkKeepsTheChoices) {
    QTemporaryDir pdfs;
    ASSERT_TRUE(QDir(pdfs.path()).mkdir(QStringLiteral("Cup, 2026")));
    Settings settings;
    settings.PrinterType = 1;
    settings.PrintResolution = -2;
    ConfigPrintingForm form(settings, texts, main);
    QComboBox& quality = control<QComboBox>(form, "PrintQuality");
    QLineEdit& folder = control<QLineEdit>(form, "PdfFolder");
    QString shown;
    const auto refusedFolder = [&](const QString& typed) {
        folder.setText(typed);
        answerMessage(&shown);
        click(form, "OK");
        EXPECT_TRUE(form.isVisible());
        return shown;
    };

    whenModal([&](QWidget&) {
        EXPECT_TRUE(control<QRadioButton>(form, "TextPrinter").isChecked());
        EXPECT_FALSE(quality.isVisible());
        EXPECT_EQ(quality.currentIndex(), 1);
        EXPECT_FALSE(folder.isEnabled());

        choose(form, "GraphicPrinter");
        EXPECT_FALSE(control<QRadioButton>(form, "TextPrinter").isChecked());
        EXPECT_TRUE(quality.isVisible());
        QTest::keyClick(&quality, Qt::Key_End);

        // PDF files need a folder that exists and that the settings file can name.
        choose(form, "DestinationPdf");
        EXPECT_TRUE(folder.isEnabled());
        EXPECT_EQ(refusedFolder(QString()),
                  "Veltra:Choose the folder that the PDF files are to be written to.");
        EXPECT_TRUE(refusedFolder(pdfs.filePath(QStringLiteral("gone")))
                        .endsWith(QStringLiteral("gone does not exist.")));
        EXPECT_TRUE(refusedFolder(pdfs.filePath(QStringLiteral("Cup, 2026")))
                        .contains(QStringLiteral("holds a comma")));
        folder.clear();
        QTest::keyClicks(&folder, pdfs.path() + QStringLiteral("/"));
        choose(form, "PrintPreview");
        click(form, "OK");
    });
    EXPECT_EQ(form.exec(), QDialog::Accepted);
    EXPECT_EQ(settings.PrinterType, 2);
    EXPECT_EQ(settings.PrintResolution, -4);
    EXPECT_EQ(settings.PrintDestination, 1);
    EXPECT_EQ(settings.PdfFolder, QDir(pdfs.path()).absolutePath());
    EXPECT_EQ(settings.PrintPreview, 1);

    // The text printer keeps the resolution for a later switch back.
    whenModal([&](QWidget&) {
        EXPECT_EQ(folder.text(), QDir::toNativeSeparators(pdfs.path()));
        EXPECT_TRUE(control<QCheckBox>(form, "PrintPreview").isChecked());
        choose(form, "TextPrinter");
        EXPECT_FALSE(quality.isVisible());
        choose(form, "DestinationPrinter");
        QTest::keyClick(&control<QPushButton>(form, "OK"), Qt::Key_Return);
    });
    EXPECT_EQ(form.exec(), QDialog::Accepted);
    EXPECT_EQ(settings.PrinterType, 1);
    EXPECT_EQ(settings.PrintResolution, -4);
    EXPECT_EQ(settings.PrintDestination, 0);
    EXPECT_EQ(settings.PdfFolder, QDir(pdfs.path()).absolutePath());
}

TEST_F(Dialogs, ConfigPrintingChoosesTheFolderInAFolderDialog) {
    QTemporaryDir pdfs;
    const QString chosen = pdfs.filePath(QStringLiteral("Utskrifter"));
    ASSERT_TRUE(QDir().mkdir(chosen));
    Settings settings;
    settings.PrintDestination = 1;
    settings.PdfFolder = pdfs.path();
    ConfigPrintingForm form(settings, texts, main);
    whenModal([&](QWidget&) {
        whenModal([&](QWidget& shown) {
            auto* dialog = qobject_cast<QFileDialog*>(&shown);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(QDir(dialog->directory()), QDir(pdfs.path()));
            dialog->setDirectory(chosen);
            static_cast<QDialog*>(dialog)->accept();
        });
        click(form, "PdfFolderChoose");
        EXPECT_EQ(boxText(form, "PdfFolder"), QDir::toNativeSeparators(chosen));
        click(form, "OK");
    });
    EXPECT_EQ(form.exec(), QDialog::Accepted);
    EXPECT_EQ(settings.PdfFolder, chosen);
}

TEST_F(Dialogs, PrintCompFormAsksForCopiesAndCancelAsksForNone) {
    PrintCompForm form(texts, main);
    QSpinBox& copies = control<QSpinBox>(form, "Copies");
    form.prepare(QStringLiteral("Print judge list"), true);
    whenModal([&](QWidget&) {
        EXPECT_EQ(form.windowTitle(), "Print judge list");
        EXPECT_EQ(boxText(form, "CopiesTxt"), "1");
        QTest::keyClick(&copies, Qt::Key_Up);
        QTest::keyClick(&copies, Qt::Key_Up);
        EXPECT_EQ(boxText(form, "CopiesTxt"), "3");
        QTest::keyClick(&copies, Qt::Key_Return);
    });
    form.exec();
    EXPECT_EQ(form.copies(), 3);

    whenModal([&](QWidget&) {
        EXPECT_EQ(copies.value(), 1);
        click(form, "ConfirmCancel");
    });
    form.exec();
    EXPECT_EQ(form.copies(), 0);

    // The pilot list export asks without the copies.
    form.prepare(QStringLiteral("Export pilot list"), false);
    whenModal([&](QWidget&) {
        EXPECT_FALSE(copies.isVisible());
        EXPECT_FALSE(control<QLabel>(form, "CopiesLabel").isVisible());
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    form.exec();
    EXPECT_EQ(form.copies(), 0);
}

TEST_F(Dialogs, PrintStartFormStartsEveryShowingFromItsDefaults) {
    Contest contest;
    contest.Rounds = 3;
    PrintStartForm form(contest, texts, main);
    const auto spin = [&](const char* name) -> QSpinBox& { return control<QSpinBox>(form, name); };
    const auto values = [&] {
        return QStringList{boxText(form, "CopiesTxt"), boxText(form, "FromRoundText"),
                           boxText(form, "ToRoundText"), boxText(form, "PausePilotText"),
                           boxText(form, "PauseMinutesText")}
            .join(u' ');
    };

    whenModal([&](QWidget&) {
        EXPECT_EQ(values(), "1 1 3 0 10");
        for (const char* name : {"Copies", "FromRound", "PausePilot", "PausePilot"})
            QTest::keyClick(&spin(name), Qt::Key_Up);
        QTest::keyClick(&spin("PauseMinutes"), Qt::Key_Down);
        EXPECT_EQ(values(), "2 2 3 2 9");
        click(form, "OK");
    });
    form.exec();
    const StartListOptions o = form.options();
    EXPECT_EQ(QList<int>({o.copies, o.fromRound, o.toRound, o.pausePilot, o.pauseMinutes}),
              QList<int>({2, 2, 3, 2, 9}));

    contest.Rounds = 5;
    whenModal([&](QWidget&) {
        EXPECT_EQ(values(), "1 1 5 0 10");
        click(form, "Cancel");
    });
    form.exec();
    EXPECT_EQ(form.options().copies, 0);
}

TEST_F(Dialogs, ScoreSheetConfirmCountsTheSheetsOfEachChoice) {
    Contest contest;
    contest.PilotCount = 12;
    contest.JudgeCount = 3;
    ScoreSheetConfirmForm form(contest, texts, main);

    whenModal([&](QWidget&) {
        EXPECT_EQ(boxText(form, "PaperNumber"), "36");
        EXPECT_TRUE(control<QRadioButton>(form, "AllJudgesAndPilots").hasFocus());
        QStringList numbers;
        for (const char* option : {"OneJudgeAllPilots", "AllJudgesOnePilot", "OneSingleSheet"}) {
            choose(form, option);
            numbers << boxText(form, "PaperNumber");
        }
        EXPECT_EQ(numbers, QStringList({"12", "3", "1"}));
        click(form, "OK");
    });
    form.exec();
    EXPECT_EQ(form.choice(), ScoreSheetChoice::OneSingleSheet);

    whenModal([&](QWidget&) {
        EXPECT_EQ(form.choice(), ScoreSheetChoice::AllJudgesAndPilots);
        EXPECT_EQ(boxText(form, "PaperNumber"), "36");
        choose(form, "OneJudgeAllPilots");
        click(form, "Cancel");
    });
    form.exec();
    EXPECT_EQ(form.choice(), ScoreSheetChoice::Cancelled);
}
