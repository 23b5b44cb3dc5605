#include "core/language.h"
#include "support/modal.h"
#include "support/testsupport.h"
#include "ui/competitionform.h"
#include "ui/fileselectform.h"
#include "ui/formsupport.h"
#include "ui/mainform.h"
#include "ui/selectform.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

const char* const kCompetitionItems[] = {
    "FileClose",   "FileExport",       "EditScores",        "EditCompetition", "EditStartorder",
    "ViewResults", "ViewStartlist",    "PrintResults",      "PrintStartList",  "PrintCompetitors",
    "PrintJudges", "PrintScoresheets", "ToolsJudgeAnalysis"};

QString shipped(const char* name) {
    return QStringLiteral(VELTRA_TEST_DATA "/../../resources/program/") + QString::fromLatin1(name);
}

QString text(QWidget& window, const char* name) {
    auto* box = window.findChild<QLineEdit*>(QString::fromLatin1(name));
    return box ? box->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

// The menu bar's own keyboard path: Alt and the menu's access key, then the item's. A menu
// left open because its item was disabled is closed afterwards.
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

// Goes to `folder` in the file dialog by its folder list and picks `file` there.
void pickFile(QWidget& dialog, const QString& subfolder, const QString& file) {
    auto& folders = *dialog.findChild<QListWidget*>(QStringLiteral("Directories"));
    if (!subfolder.isEmpty()) {
        const auto found = folders.findItems(subfolder, Qt::MatchEndsWith);
        ASSERT_EQ(found.size(), 1);
        const QPoint centre = folders.visualItemRect(found.first()).center();
        QTest::mouseClick(folders.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(folders.viewport(), Qt::LeftButton, {}, centre);
    }
    auto& name = *dialog.findChild<QLineEdit*>(QStringLiteral("txtFilename"));
    name.clear();
    QTest::keyClicks(&name, file);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
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

class Main : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        for (const char* name : {"English.lng", "Norsk.lng", "Klubbprogram.sch"})
            ASSERT_TRUE(QFile::copy(shipped(name), home.path() + u'/' + QString::fromLatin1(name)));
        ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("cups")));
        ASSERT_TRUE(QFile::copy(testData("contest.cnt"), cups() + QStringLiteral("contest.cnt")));
    }

    std::unique_ptr<MainForm> start() {
        state = std::make_unique<AppState>();
        state->work.ProgramDir = home.path();
        auto form = std::make_unique<MainForm>(*state, nullptr);
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }

    QString cups() const { return home.path() + QStringLiteral("/cups/"); }
    QString ini() const { return home.path() + QStringLiteral("/Veltra.ini"); }

    QTemporaryDir home;
    std::unique_ptr<AppState> state;
};

} // namespace

TEST_F(Main, FirstStartShowsNoCompetitionInEnglishWithEveryMenuItemInPlace) {
    auto form = start();
    EXPECT_TRUE(QFile::exists(ini()));
    EXPECT_TRUE(readBytes(ini()).isEmpty());
    EXPECT_EQ(form->windowTitle(), "Veltra    ver. 2.41");
    EXPECT_EQ(state->work.CurrentRound, 1);
    EXPECT_EQ(state->settings.LanguageFile, "English.lng");
    EXPECT_EQ(text(*form, "Language"), "English.lng");
    EXPECT_EQ(text(*form, "Footer"), "No competition selected");
    EXPECT_EQ(text(*form, "ResultMethod"), "Res Meth");
    auto* progress = form->findChild<QProgressBar*>(QStringLiteral("PROGRESS"));
    ASSERT_NE(progress, nullptr);
    EXPECT_FALSE(progress->isVisible());
    form->showProgress(40);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->value(), 40);
    form->hideProgress();

    // Each menu item as "control=built-in caption".
    const QStringList items =
        QStringLiteral(
            "File=&File,FileChoose=&Select competition,"
            "FileNew=&New competition,FileClose=&Close,FileExport=&Export to file,"
            "FileExportResults=&Results,FileExportPilotList=&PilotList,FileExit=&Quit,"
            "Edit=&Edit,EditScores=&Scores,EditCompetition=&Competition,"
            "EditSchedule=&Flight schedule,EditStartorder=&Draw startorder,View=&View,"
            "ViewResults=&Results,ViewStartlist=&Startlist,Printing=&Print,"
            "PrintResults=&Results,PrintStartList=&Startlist,PrintCompetitors=&Pilotlist,"
            "PrintJudges=&Judgelist,PrintScoresheets=S&coresheets,Tools=&Tools,"
            "ToolsJudgeAnalysis=&Judge analysis,Configure=&Configure,"
            "ConfigureGeneral=&General,ConfigureLanguage=&Language,"
            "ConfigurePrinting=&Printing,ConfigureExternalDisplay=&ExternalDisplay,"
            "Help=&Help,VeltraHelp=&Veltra help,About=&About")
            .split(u',');
    for (const QString& item : items) {
        const QStringList parts = item.split(u'=');
        QAction* action = form->menuCommand(parts[0]);
        ASSERT_NE(action, nullptr) << parts[0].toStdString();
        EXPECT_EQ(action->text(), parts[1]);
        const bool needsCompetition =
            std::any_of(std::begin(kCompetitionItems), std::end(kCompetitionItems),
                        [&](const char* name) { return parts[0] == QLatin1String(name); });
        EXPECT_EQ(action->isEnabled(), !needsCompetition) << parts[0].toStdString();
    }

    QStringList fileMenu;
    for (QAction* action : form->findChild<QMenu*>(QStringLiteral("File"))->actions())
        fileMenu << (action->isSeparator() ? QStringLiteral("-")
                                           : action->objectName() + (action->menu() ? "*" : ""));
    fileMenu.replace(fileMenu.indexOf(QStringLiteral("*")),
                     form->menuCommand(QStringLiteral("FileExport"))->menu()->objectName());
    EXPECT_EQ(fileMenu,
              QStringList({"FileChoose", "FileNew", "FileClose", "-", "FileExport", "-", "FileExit",
                           "-", "File1", "File2", "File3", "File4", "File5"}));
    for (const char* name : {"File1", "File2", "File3", "File4", "File5"})
        EXPECT_FALSE(form->menuCommand(QString::fromLatin1(name))->isVisible()) << name;
}

TEST_F(Main, OpensACompetitionThroughTheFileDialogAndKeepsItInTheRecentList) {
    auto form = start();
    whenModal([&](QWidget& dialog) {
        EXPECT_EQ(dialog.objectName(), "FileSelectForm");
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblDirectory"))->text(),
                  QDir::toNativeSeparators(home.path()));
        EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("txtFilename"))->text(), "*.cnt");
        pickFile(dialog, QStringLiteral("cups"), QStringLiteral("contest.cnt"));
    });
    chooseMenu(*form, Qt::Key_F, Qt::Key_S);

    EXPECT_EQ(state->work.ContestDir, cups());
    EXPECT_EQ(state->work.ContestFile, "contest.cnt");
    EXPECT_EQ(text(*form, "Footer"), QDir::toNativeSeparators(cups() + "contest.cnt"));
    EXPECT_EQ(text(*form, "ResultMethod"), "Std");
    EXPECT_EQ(state->contest.PilotCount, 4);
    EXPECT_GT(state->contest.ManeuverCount, 0);
    for (const char* name : kCompetitionItems)
        EXPECT_TRUE(form->menuCommand(QString::fromLatin1(name))->isEnabled()) << name;
    QAction* first = form->menuCommand(QStringLiteral("File1"));
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->text(), "&1 : contest.cnt");
    const QByteArray saved = readBytes(ini());
    EXPECT_TRUE(saved.contains("FILES_IN_FILEMENU,1\r\n"));
    EXPECT_TRUE(saved.contains("FILENAMES_IN_FILEMENU_1,contest.cnt\r\n"));
    EXPECT_TRUE(saved.contains("FILELOCATIONS_IN_FILEMENU_1," + cups().toUtf8() + "\r\n"));

    // Choosing it again leaves the list as it was.
    whenModal([&](QWidget& dialog) {
        pickFile(dialog, QStringLiteral("cups"), QStringLiteral("contest.cnt"));
    });
    chooseMenu(*form, Qt::Key_F, Qt::Key_S);
    EXPECT_EQ(state->settings.FilesInFilemenu, 1);
    EXPECT_FALSE(form->menuCommand(QStringLiteral("File2"))->isVisible());

    chooseMenu(*form, Qt::Key_F, Qt::Key_C);
    EXPECT_EQ(text(*form, "Footer"), "No competition selected");
    EXPECT_EQ(state->contest.PilotCount, 0);
    EXPECT_EQ(state->contest.JudgeCount, 0);
    EXPECT_EQ(state->contest.ContSchedule, "Klubbprogram.sch");
    for (const char* name : kCompetitionItems)
        EXPECT_FALSE(form->menuCommand(QString::fromLatin1(name))->isEnabled()) << name;
    EXPECT_TRUE(form->menuCommand(QStringLiteral("EditSchedule"))->isEnabled());
}

TEST_F(Main, RecentItemsOpenWithoutTouchingTheSettingsAndAMissingFileIsReported) {
    const QByteArray settings = "LANGUAGE_FILE,English.lng\r\nFILES_IN_FILEMENU,2\r\n"
                                "FILENAMES_IN_FILEMENU_1,contest.cnt\r\n"
                                "FILENAMES_IN_FILEMENU_2,gone.cnt\r\n"
                                "FILELOCATIONS_IN_FILEMENU_1," +
                                cups().toUtf8() + "\r\nFILELOCATIONS_IN_FILEMENU_2," +
                                cups().toUtf8() + "\r\n";
    ASSERT_TRUE(writeBytes(ini(), settings));
    ASSERT_TRUE(
        QFile::copy(testData("results.RES"), cups() + QString::fromUtf8("Vårcupen 2026.RES")));
    auto form = start();
    EXPECT_EQ(form->menuCommand(QStringLiteral("File2"))->text(), "&2 : gone.cnt");
    EXPECT_TRUE(form->menuCommand(QStringLiteral("File2"))->isVisible());
    EXPECT_FALSE(form->menuCommand(QStringLiteral("File3"))->isVisible());

    QString shown;
    acceptMessage(&shown);
    chooseMenu(*form, Qt::Key_F, Qt::Key_2);
    EXPECT_EQ(shown, "Unable to locate the file.");
    EXPECT_EQ(text(*form, "Footer"), QDir::toNativeSeparators(cups() + "gone.cnt"));
    EXPECT_TRUE(form->menuCommand(QStringLiteral("EditScores"))->isEnabled());
    EXPECT_EQ(state->contest.PilotCount, 0);

    chooseMenu(*form, Qt::Key_F, Qt::Key_1);
    EXPECT_EQ(state->contest.PilotCount, 4);
    EXPECT_EQ(state->contest.TeamCount, 3);
    EXPECT_EQ(state->contest.Pilots[0].RoundScore[0], 572.0);
    EXPECT_EQ(state->contest.Pilots[1].RoundScore[1], 1234.57);
    EXPECT_EQ(readBytes(ini()), settings);

    // File, New empties the lists and opens the competition editor, which clears itself.
    chooseMenu(*form, Qt::Key_F, Qt::Key_N);
    EXPECT_EQ(state->contest.PilotCount, 0);
    EXPECT_EQ(state->contest.JudgeCount, 0);
    EXPECT_EQ(state->contest.TeamCount, 0);
    EXPECT_EQ(state->work.EditMode, 0);
    EXPECT_EQ(state->work.NewContestPending, 0);
    EXPECT_TRUE(form->competitionForm().isVisible());
    EXPECT_EQ(form->competitionForm().windowTitle(), QStringLiteral("Ny konkurranse"));
    // Until the new competition is saved nothing may store into the previous one's files.
    EXPECT_TRUE(state->work.ContestFile.isEmpty());
    for (const char* command : {"EditScores", "EditStartorder", "EditCompetition", "FileClose"})
        EXPECT_FALSE(form->menuCommand(QString::fromLatin1(command))->isEnabled()) << command;
    form->competitionForm().hide();
}

TEST_F(Main, ALanguageChosenFromTheMenuRelabelsEveryWindowAndIsKeptAtQuit) {
    auto form = start();
    FileSelectForm& dialog = form->fileSelectForm();
    EXPECT_EQ(dialog.windowTitle(), "Select file");
    whenModal([&](QWidget& shown) { pickFile(shown, QString(), QStringLiteral("Norsk.lng")); });
    chooseMenu(*form, Qt::Key_C, Qt::Key_L);

    EXPECT_EQ(text(*form, "Language"), "Norsk.lng");
    EXPECT_EQ(form->menuCommand(QStringLiteral("File"))->text(), "&Fil");
    EXPECT_EQ(form->menuCommand(QStringLiteral("ToolsJudgeAnalysis"))->text(), "&Dommeranalyse");
    EXPECT_EQ(dialog.windowTitle(), "Velg fil");
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblDisk"))->text(), "&Disker :");
    EXPECT_EQ(form->selectForm().windowTitle(), "Velg");
    // The footer changes only at the next File, Close.
    EXPECT_EQ(text(*form, "Footer"), "No competition selected");
    chooseMenu(*form, Qt::Key_F, Qt::Key_L);
    EXPECT_EQ(text(*form, "Footer"), "No competition selected");
    form->ContestSelected(1);
    // A window made after the language was read takes its captions too.
    whenModal([](QWidget& scores) {
        EXPECT_EQ(scores.objectName(), "ScoresForm");
        EXPECT_EQ(scores.windowTitle(), "Poeng");
        QTest::keyClick(&scores, Qt::Key_Escape);
    });
    chooseMenu(*form, Qt::Key_R, Qt::Key_P);
    chooseMenu(*form, Qt::Key_F, Qt::Key_L);
    EXPECT_EQ(text(*form, "Footer"), "Ingen konkurranse valgt");

    chooseMenu(*form, Qt::Key_F, Qt::Key_A);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(readBytes(ini()).startsWith("LANGUAGE_FILE,Norsk.lng\r\n"));

    form = start();
    EXPECT_EQ(form->menuCommand(QStringLiteral("FileExit"))->text(), "&Avslutt");
    EXPECT_EQ(text(*form, "Footer"), "Ingen konkurranse valgt");
}

TEST_F(Main, ALanguageFileOutsideTheProgramFolderIsFoundAgainAfterTheCloseBox) {
    ASSERT_TRUE(QFile::copy(shipped("Norsk.lng"), cups() + QStringLiteral("Eget.lng")));
    auto form = start();
    whenModal([&](QWidget& dialog) {
        pickFile(dialog, QStringLiteral("cups"), QStringLiteral("Eget.lng"));
    });
    chooseMenu(*form, Qt::Key_C, Qt::Key_L);
    EXPECT_EQ(text(*form, "Language"), "Eget.lng");
    EXPECT_EQ(state->work.LanguageDir, home.path() + QStringLiteral("/cups"));
    form->close();
    EXPECT_TRUE(readBytes(ini()).startsWith("LANGUAGE_FILE," + cups().toUtf8() + "Eget.lng\r\n"));

    form = start();
    EXPECT_EQ(text(*form, "Language"), "Eget.lng");
    EXPECT_EQ(form->menuCommand(QStringLiteral("File"))->text(), "&Fil");
}

TEST_F(Main, AMissingLanguageFileOrAFailedSaveIsReported) {
    ASSERT_TRUE(writeBytes(ini(), "LANGUAGE_FILE,Svenska.lng\r\n"));
    QString shown;
    acceptMessage(&shown);
    auto form = start();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Unable to locate the file.\n")));
    EXPECT_TRUE(shown.endsWith(QStringLiteral("Svenska.lng")));
    EXPECT_FALSE(QFile::exists(home.path() + QStringLiteral("/Svenska.lng")));
    EXPECT_EQ(text(*form, "Language"), "Lang");
    EXPECT_EQ(form->menuCommand(QStringLiteral("File"))->text(), "&File");
    EXPECT_EQ(text(*form, "Footer"), "No competition selected");

    ASSERT_TRUE(QFile::remove(ini()));
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Veltra.ini")));
    shown.clear();
    acceptMessage(&shown);
    form->SaveConfigFile();
    EXPECT_TRUE(shown.contains(QStringLiteral("Veltra.ini"))) << shown.toStdString();
}

TEST_F(Main, EveryCaptionKeyOfTheseWindowsHasItsControl) {
    auto form = start();
    QWidget* windows[] = {form.get(), &form->fileSelectForm(), &form->selectForm()};
    for (const LanguageKey& key : LanguageKeys()) {
        QWidget* window = nullptr;
        for (QWidget* candidate : windows) {
            if (candidate->objectName() == QLatin1String(key.window))
                window = candidate;
        }
        if (!window)
            continue;
        int carriers = window->property(LanguageKeyProperty).toString() == key.key ? 1 : 0;
        for (QObject* child : window->findChildren<QObject*>()) {
            if (child->property(LanguageKeyProperty).toString() == QLatin1String(key.key))
                ++carriers;
        }
        EXPECT_EQ(carriers, 1) << key.key;
    }
}
