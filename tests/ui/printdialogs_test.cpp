#include "core/language.h"
#include "core/settings.h"
#include "support/modal.h"
#include "support/testsupport.h"
#include "ui/configprintingform.h"
#include "ui/formsupport.h"
#include "ui/printcompform.h"
#include "ui/printstartform.h"
#include "ui/scoresheetconfirmform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
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

QString text(QWidget& window, const char* name) {
    return control<QLineEdit>(window, name).text();
}

// The next message box: its text, then OK.
void acceptMessage(QString* shown) {
    whenModal([shown](QWidget& box) {
        auto* message = qobject_cast<QMessageBox*>(&box);
        ASSERT_NE(message, nullptr);
        EXPECT_EQ(message->windowTitle(), "Veltra");
        *shown = message->text();
        message->accept();
    });
}

void expectCentredOver(const QWidget& dialog, const QWidget& main) {
    EXPECT_NEAR(dialog.frameGeometry().center().x(), main.frameGeometry().center().x(), 2);
    EXPECT_NEAR(dialog.frameGeometry().center().y(), main.frameGeometry().center().y(), 2);
}

class Dialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        main.setGeometry(100, 100, 900, 700);
        main.show();
        texts.set(QStringLiteral("GENERAL_OK"), QStringLiteral("&Ja"));
        texts.set(QStringLiteral("GENERAL_CANCEL"), QStringLiteral("&Avbryt"));
    }

    QWidget main;
    Texts texts;
};

} // namespace

TEST_F(Dialogs, ConfigPrintingStartsFromTheSettingsAndOkKeepsTheChoices) {
    QTemporaryDir pdfs;
    Settings settings;
    settings.PrinterType = 1;
    settings.PrintResolution = -2;
    ConfigPrintingForm form(settings, texts, main);
    QComboBox& quality = control<QComboBox>(form, "PrintQuality");
    QLineEdit& folder = control<QLineEdit>(form, "PdfFolder");

    whenModal([&](QWidget&) {
        EXPECT_EQ(form.windowTitle(), "Configure printing");
        EXPECT_TRUE(control<QRadioButton>(form, "TextPrinter").isChecked());
        EXPECT_FALSE(control<QRadioButton>(form, "GraphicPrinter").isChecked());
        EXPECT_FALSE(quality.isVisible());
        EXPECT_EQ(quality.currentIndex(), 1);
        EXPECT_EQ(control<QPushButton>(form, "OK").text(), "&Ja");
        EXPECT_TRUE(control<QRadioButton>(form, "DestinationPrinter").isChecked());
        EXPECT_FALSE(folder.isEnabled());
        expectCentredOver(form, main);

        click(form, "GraphicPrinter");
        EXPECT_FALSE(control<QRadioButton>(form, "TextPrinter").isChecked());
        EXPECT_TRUE(quality.isVisible());
        QTest::keyClick(&quality, Qt::Key_End);
        EXPECT_EQ(quality.currentText(), "High resolution");

        // PDF files need a folder that exists and that the settings file can name.
        click(form, "DestinationPdf");
        EXPECT_TRUE(folder.isEnabled());
        QString shown;
        acceptMessage(&shown);
        click(form, "OK");
        EXPECT_EQ(shown, "Choose the folder that the PDF files are to be written to.");
        EXPECT_TRUE(form.isVisible());
        QTest::keyClicks(&folder, pdfs.filePath(QStringLiteral("gone")));
        acceptMessage(&shown);
        click(form, "OK");
        EXPECT_TRUE(shown.endsWith(QStringLiteral("gone does not exist."))) << shown.toStdString();
        ASSERT_TRUE(QDir(pdfs.path()).mkdir(QStringLiteral("Cup, 2026")));
        folder.clear();
        QTest::keyClicks(&folder, pdfs.filePath(QStringLiteral("Cup, 2026")));
        acceptMessage(&shown);
        click(form, "OK");
        EXPECT_TRUE(shown.contains(QStringLiteral("holds a comma"))) << shown.toStdString();
        EXPECT_TRUE(form.isVisible());

        folder.clear();
        QTest::keyClicks(&folder, pdfs.path() + QStringLiteral("/"));
        click(form, "PrintPreview");
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
        EXPECT_TRUE(control<QRadioButton>(form, "DestinationPdf").isChecked());
        EXPECT_EQ(folder.text(), QDir::toNativeSeparators(pdfs.path()));
        EXPECT_TRUE(control<QCheckBox>(form, "PrintPreview").isChecked());
        click(form, "TextPrinter");
        EXPECT_FALSE(quality.isVisible());
        click(form, "DestinationPrinter");
        QTest::keyClick(&control<QPushButton>(form, "OK"), Qt::Key_Return);
    });
    EXPECT_EQ(form.exec(), QDialog::Accepted);
    EXPECT_EQ(settings.PrinterType, 1);
    EXPECT_EQ(settings.PrintResolution, -4);
    EXPECT_EQ(settings.PrintDestination, 0);
    EXPECT_EQ(settings.PdfFolder, QDir(pdfs.path()).absolutePath());

    // Escape changes nothing; an unknown resolution shows what reports print with.
    settings.PrintResolution = 0;
    settings.PrinterType = 0;
    whenModal([&](QWidget&) {
        EXPECT_TRUE(control<QRadioButton>(form, "GraphicPrinter").isChecked());
        EXPECT_EQ(quality.currentText(), "Medium resolution");
        click(form, "TextPrinter");
        click(form, "DestinationPdf");
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    EXPECT_EQ(form.exec(), QDialog::Rejected);
    EXPECT_EQ(settings.PrinterType, 0);
    EXPECT_EQ(settings.PrintDestination, 0);
}

TEST_F(Dialogs, ConfigPrintingChoosesTheFolderInAFolderDialog) {
    QTemporaryDir pdfs;
    ASSERT_TRUE(QDir(pdfs.path()).mkdir(QStringLiteral("Utskrifter")));
    Settings settings;
    settings.PrintDestination = 1;
    settings.PdfFolder = pdfs.path();
    ConfigPrintingForm form(settings, texts, main);
    whenModal([&](QWidget&) {
        whenModal([&](QWidget& shown) {
            auto* dialog = qobject_cast<QFileDialog*>(&shown);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(QDir(dialog->directory()), QDir(pdfs.path()));
            dialog->setDirectory(pdfs.filePath(QStringLiteral("Utskrifter")));
            static_cast<QDialog*>(dialog)->accept();
        });
        click(form, "PdfFolderChoose");
        EXPECT_EQ(text(form, "PdfFolder"),
                  QDir::toNativeSeparators(pdfs.filePath(QStringLiteral("Utskrifter"))));
        click(form, "OK");
    });
    EXPECT_EQ(form.exec(), QDialog::Accepted);
    EXPECT_EQ(settings.PdfFolder, pdfs.filePath(QStringLiteral("Utskrifter")));
}

TEST_F(Dialogs, PrintCompFormAsksForCopiesAndCancelAsksForNone) {
    texts.set(QStringLiteral("PCF_COPIES_LABEL_CAPTION"), QStringLiteral("Kopier"));
    PrintCompForm form(texts, main);
    EXPECT_EQ(control<QLabel>(form, "CopiesLabel").text(), "Kopier");
    QSpinBox& copies = control<QSpinBox>(form, "Copies");

    form.prepare(QStringLiteral("Print judge list"), true);
    whenModal([&](QWidget&) {
        EXPECT_EQ(form.windowTitle(), "Print judge list");
        EXPECT_EQ(copies.value(), 1);
        EXPECT_EQ(text(form, "CopiesTxt"), "1");
        EXPECT_EQ(control<QPushButton>(form, "ConfirmOK").text(), "&Ja");
        EXPECT_EQ(control<QPushButton>(form, "ConfirmCancel").text(), "&Avbryt");
        expectCentredOver(form, main);
        QTest::keyClick(&copies, Qt::Key_Up);
        QTest::keyClick(&copies, Qt::Key_Up);
        EXPECT_EQ(text(form, "CopiesTxt"), "3");
        QTest::keyClick(&copies, Qt::Key_Return);
    });
    form.exec();
    EXPECT_EQ(form.copies(), 3);
    EXPECT_EQ(copies.maximum(), 10);

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
        EXPECT_FALSE(control<QLineEdit>(form, "CopiesTxt").isVisible());
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

    whenModal([&](QWidget&) {
        EXPECT_EQ(spin("Copies").value(), 1);
        EXPECT_EQ(spin("FromRound").value(), 1);
        EXPECT_EQ(spin("ToRound").value(), 3);
        EXPECT_EQ(spin("PausePilot").value(), 0);
        EXPECT_EQ(spin("PauseMinutes").value(), 10);
        EXPECT_EQ(text(form, "ToRoundText"), "3");
        EXPECT_EQ(text(form, "PauseMinutesText"), "10");
        EXPECT_EQ(control<QLabel>(form, "TimeLabel").text(), "minutes");
        expectCentredOver(form, main);
        QTest::keyClick(&spin("FromRound"), Qt::Key_Up);
        QTest::keyClick(&spin("PausePilot"), Qt::Key_Up);
        QTest::keyClick(&spin("PausePilot"), Qt::Key_Up);
        QTest::keyClick(&spin("PausePilot"), Qt::Key_Up);
        QTest::keyClick(&spin("PauseMinutes"), Qt::Key_Down);
        QTest::keyClick(&spin("Copies"), Qt::Key_Up);
        EXPECT_EQ(text(form, "FromRoundText"), "2");
        EXPECT_EQ(text(form, "PausePilotText"), "3");
        EXPECT_EQ(text(form, "PauseMinutesText"), "9");
        EXPECT_EQ(text(form, "CopiesTxt"), "2");
        click(form, "OK");
    });
    form.exec();
    StartListOptions options = form.options();
    EXPECT_EQ(options.copies, 2);
    EXPECT_EQ(options.fromRound, 2);
    EXPECT_EQ(options.toRound, 3);
    EXPECT_EQ(options.pausePilot, 3);
    EXPECT_EQ(options.pauseMinutes, 9);

    contest.Rounds = 5;
    whenModal([&](QWidget&) {
        EXPECT_EQ(spin("FromRound").value(), 1);
        EXPECT_EQ(spin("ToRound").value(), 5);
        EXPECT_EQ(spin("PausePilot").value(), 0);
        EXPECT_EQ(spin("PauseMinutes").value(), 10);
        click(form, "Cancel");
    });
    form.exec();
    EXPECT_EQ(form.options().copies, 0);
}

TEST_F(Dialogs, ScoreSheetConfirmCountsTheSheetsOfEachChoice) {
    Contest contest;
    contest.PilotCount = 12;
    contest.JudgeCount = 3;
    texts.set(QStringLiteral("SCORE_SHEET_CONFIRM_TEXT_1"), QStringLiteral("Advarsel:"));
    texts.set(QStringLiteral("SSCF_ONE_SCORESHEET"), QStringLiteral("Ett &blankt skjema"));
    ScoreSheetConfirmForm form(contest, texts, main);
    EXPECT_EQ(form.windowTitle(), "Confirm scoresheet printing");
    EXPECT_EQ(control<QRadioButton>(form, "AllJudgesAndPilots").text(),
              "For all pilots, and& all judges");
    EXPECT_EQ(control<QRadioButton>(form, "OneSingleSheet").text(), "Ett &blankt skjema");

    whenModal([&](QWidget&) {
        EXPECT_EQ(control<QLabel>(form, "TextWarning1").text(), "Advarsel:");
        EXPECT_EQ(text(form, "PaperNumber"), "36");
        EXPECT_TRUE(control<QRadioButton>(form, "AllJudgesAndPilots").isChecked());
        EXPECT_TRUE(control<QRadioButton>(form, "AllJudgesAndPilots").hasFocus());
        EXPECT_EQ(form.choice(), ScoreSheetChoice::AllJudgesAndPilots);
        expectCentredOver(form, main);
        click(form, "OneJudgeAllPilots");
        EXPECT_EQ(text(form, "PaperNumber"), "12");
        click(form, "AllJudgesOnePilot");
        EXPECT_EQ(text(form, "PaperNumber"), "3");
        EXPECT_EQ(form.choice(), ScoreSheetChoice::AllJudgesOnePilot);
        click(form, "OneSingleSheet");
        EXPECT_EQ(text(form, "PaperNumber"), "1");
        click(form, "OK");
    });
    form.exec();
    EXPECT_EQ(form.choice(), ScoreSheetChoice::OneSingleSheet);

    whenModal([&](QWidget&) {
        EXPECT_EQ(form.choice(), ScoreSheetChoice::AllJudgesAndPilots);
        EXPECT_TRUE(control<QRadioButton>(form, "AllJudgesAndPilots").isChecked());
        EXPECT_EQ(text(form, "PaperNumber"), "36");
        click(form, "OneJudgeAllPilots");
        click(form, "Cancel");
    });
    form.exec();
    EXPECT_EQ(form.choice(), ScoreSheetChoice::Cancelled);
}

TEST_F(Dialogs, EveryCaptionKeyOfThePrintingDialogsHasItsControl) {
    Settings settings;
    Contest contest;
    ConfigPrintingForm config(settings, texts, main);
    PrintCompForm copies(texts, main);
    PrintStartForm start(contest, texts, main);
    ScoreSheetConfirmForm sheets(contest, texts, main);
    QWidget* const windows[] = {&config, &copies, &start, &sheets};
    int keys = 0;
    for (const LanguageKey& key : LanguageKeys()) {
        for (QWidget* window : windows) {
            if (window->objectName() != QLatin1String(key.window))
                continue;
            ++keys;
            int carriers = window->property(LanguageKeyProperty).toString() == key.key ? 1 : 0;
            for (QObject* child : window->findChildren<QObject*>()) {
                if (child->property(LanguageKeyProperty).toString() == QLatin1String(key.key))
                    ++carriers;
            }
            EXPECT_EQ(carriers, 1) << key.key;
        }
    }
    EXPECT_EQ(keys, 3 + 1 + 6 + 5);
}
