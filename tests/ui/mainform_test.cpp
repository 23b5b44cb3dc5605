#include "core/language.h"
#include "support/windowfixtures.h"
#include "ui/aboutform.h"
#include "ui/competitionform.h"
#include "ui/configgeneralform.h"
#include "ui/configprintingform.h"
#include "ui/configremotedisplayform.h"
#include "ui/defineteamsform.h"
#include "ui/editschedform.h"
#include "ui/explainform.h"
#include "ui/fileselectform.h"
#include "ui/formsupport.h"
#include "ui/judgeform.h"
#include "ui/maneuverform.h"
#include "ui/newscheduleform.h"
#include "ui/pilotform.h"
#include "ui/printcompform.h"
#include "ui/printresform.h"
#include "ui/printstartform.h"
#include "ui/scheduleform.h"
#include "ui/scoresform.h"
#include "ui/scoresheetconfirmform.h"
#include "ui/selectform.h"
#include "ui/teamform.h"
#include "ui/viewform.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

const char* const kCompetitionItems[] = {
    "FileClose",   "FileExport",       "EditScores",        "EditCompetition", "EditStartorder",
    "ViewResults", "ViewStartlist",    "PrintResults",      "PrintStartList",  "PrintCompetitors",
    "PrintJudges", "PrintScoresheets", "ToolsJudgeAnalysis"};

// How many of the items that need a competition are enabled.
int enabledCompetitionItems(const MainForm& form) {
    int enabled = 0;
    for (const char* name : kCompetitionItems)
        enabled += form.menuCommand(QString::fromLatin1(name))->isEnabled() ? 1 : 0;
    return enabled;
}

class Main : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(QFile::copy(shippedFile("Klubbprogram.sch"), path("Klubbprogram.sch")));
        ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("cups")));
        ASSERT_TRUE(QFile::copy(testData("contest.cnt"), cups() + QStringLiteral("contest.cnt")));
    }

    QString cups() const { return home.path() + QStringLiteral("/cups/"); }
};

} // namespace

TEST_F(Main, ACompetitionOpenedThroughTheFileDialogIsKeptInTheRecentListUntilClosed) {
    auto form = start();
    EXPECT_EQ(boxText(*form, "Footer"), "No competition selected");
    EXPECT_EQ(enabledCompetitionItems(*form), 0);
    whenModal([&](QWidget& dialog) {
        EXPECT_EQ(control<QLabel>(dialog, "lblDirectory").text(),
                  QDir::toNativeSeparators(home.path()));
        pickFile(dialog, QStringLiteral("cups"), QStringLiteral("contest.cnt"));
    });
    chooseMenu(*form, Qt::Key_F, Qt::Key_S);
    EXPECT_EQ(boxText(*form, "Footer"), QDir::toNativeSeparators(cups() + "contest.cnt"));
    EXPECT_EQ(boxText(*form, "ResultMethod"), "Std");
    EXPECT_EQ(state->contest.PilotCount, 4);
    EXPECT_GT(state->contest.ManeuverCount, 0);
    EXPECT_EQ(enabledCompetitionItems(*form), 13);
    EXPECT_EQ(form->menuCommand(QStringLiteral("File1"))->text(), "&1 : contest.cnt");
    const QByteArray saved = readBytes(ini());
    EXPECT_TRUE(saved.contains("FILENAMES_IN_FILEMENU_1,contest.cnt\r\n"));
    EXPECT_TRUE(saved.contains("FILELOCATIONS_IN_FILEMENU_1," + cups().toUtf8() + "\r\n"));

    chooseMenu(*form, Qt::Key_F, Qt::Key_C);
    EXPECT_EQ(boxText(*form, "Footer"), "No competition selected");
    EXPECT_EQ(state->contest.PilotCount, 0);
    EXPECT_EQ(enabledCompetitionItems(*form), 0);
    EXPECT_TRUE(form->menuCommand(QStringLiteral("EditSchedule"))->isEnabled());
}

TEST_F(Main, RecentFilesOpenAMissingOneIsReportedAndFileNewStoresNothingIntoTheOld) {
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
    QString shown;
    answerMessage(&shown);
    chooseMenu(*form, Qt::Key_F, Qt::Key_2);
    EXPECT_EQ(shown, "Veltra:Unable to locate the file.");
    EXPECT_EQ(boxText(*form, "Footer"), QDir::toNativeSeparators(cups() + "gone.cnt"));
    EXPECT_EQ(state->contest.PilotCount, 0);
    // Another competition starts with the score window on its first pilot and round.
    state->work.CurrentRound = 3;
    state->work.EditPilotIndex = 2;
    chooseMenu(*form, Qt::Key_F, Qt::Key_1);
    EXPECT_EQ(state->contest.PilotCount, 4);
    EXPECT_EQ(state->work.CurrentRound, 1);
    EXPECT_EQ(state->work.EditPilotIndex, 0);
    EXPECT_EQ(state->contest.Pilots[0].RoundScore[0], 572.0);
    EXPECT_EQ(readBytes(ini()), settings);

    // Until the new competition is saved nothing may store into the previous one's files.
    chooseMenu(*form, Qt::Key_F, Qt::Key_N);
    const Contest& c = state->contest;
    EXPECT_EQ(QList<int>({c.JudgeCount, c.PilotCount, c.TeamCount}), QList<int>({0, 0, 0}));
    EXPECT_TRUE(state->work.ContestFile.isEmpty());
    for (const char* command : {"EditScores", "EditStartorder", "EditCompetition", "FileClose"})
        EXPECT_FALSE(form->menuCommand(QString::fromLatin1(command))->isEnabled()) << command;
    CompetitionForm& editor = form->competitionForm();
    ASSERT_TRUE(editor.isVisible());
    for (const char* box : {"CompetitionName", "CompetitionDate", "CompetitionLocation"})
        QTest::keyClicks(&control<QLineEdit>(editor, box), QStringLiteral("Cup"));
    whenModal([](QWidget& files) { pickFile(files, QString(), QStringLiteral("new.cnt")); });
    click(editor, "CompetitionOK");
    EXPECT_TRUE(readBytes(state->work.contestPath()).startsWith("CONT_NAME,Cup\r\n"));
    EXPECT_EQ(boxText(*form, "Footer"), QDir::toNativeSeparators(state->work.contestPath()));
}

TEST_F(Main, ALanguageChosenFromTheMenuRelabelsTheWindowsAndIsFoundAgainAtTheNextStart) {
    auto form = start();
    whenModal([&](QWidget& shown) { pickFile(shown, QString(), QStringLiteral("Norsk.lng")); });
    chooseMenu(*form, Qt::Key_C, Qt::Key_L);
    EXPECT_EQ(boxText(*form, "Language"), "Norsk.lng");
    EXPECT_EQ(form->fileSelectForm().windowTitle(), "Velg fil");
    // The footer changes only at the next File, Close.
    EXPECT_EQ(boxText(*form, "Footer"), "No competition selected");
    form->ContestSelected(1);
    chooseMenu(*form, Qt::Key_F, Qt::Key_L);
    EXPECT_EQ(boxText(*form, "Footer"), "Ingen konkurranse valgt");
    chooseMenu(*form, Qt::Key_F, Qt::Key_A);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(readBytes(ini()).startsWith("LANGUAGE_FILE,Norsk.lng\r\n"));

    // A language file outside the program folder is kept with its folder, also at the close box.
    ASSERT_TRUE(QFile::copy(shippedFile("Norsk.lng"), cups() + QStringLiteral("Eget.lng")));
    form = start();
    EXPECT_EQ(boxText(*form, "Footer"), "Ingen konkurranse valgt");
    whenModal([&](QWidget& shown) {
        pickFile(shown, QStringLiteral("cups"), QStringLiteral("Eget.lng"));
    });
    chooseMenu(*form, Qt::Key_O, Qt::Key_S);
    form->close();
    EXPECT_TRUE(readBytes(ini()).startsWith("LANGUAGE_FILE," + cups().toUtf8() + "Eget.lng\r\n"));
    form = start();
    EXPECT_EQ(boxText(*form, "Language"), "Eget.lng");
    EXPECT_EQ(form->menuCommand(QStringLiteral("File"))->text(), "&Fil");
}

TEST_F(Main, AMissingLanguageFileOrAFailedSaveIsReported) {
    ASSERT_TRUE(writeBytes(ini(), "LANGUAGE_FILE,Svenska.lng\r\n"));
    QString shown;
    answerMessage(&shown);
    auto form = start();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Veltra:Unable to locate the file.\n")));
    EXPECT_TRUE(shown.endsWith(QStringLiteral("Svenska.lng")));
    EXPECT_FALSE(QFile::exists(path("Svenska.lng")));
    EXPECT_EQ(boxText(*form, "Language"), "Lang");
    EXPECT_EQ(form->menuCommand(QStringLiteral("File"))->text(), "&File");

    ASSERT_TRUE(QFile::remove(ini()));
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Veltra.ini")));
    shown.clear();
    answerMessage(&shown);
    form->SaveConfigFile();
    EXPECT_TRUE(shown.contains(QStringLiteral("Veltra.ini"))) << shown.toStdString();
}

// A key the language file names reaches its control only when exactly one control of its
// window carries it.
TEST_F(Main, EveryCaptionKeyHasOneControlInItsWindowThatShowsTheLanguageFilesText) {
    ASSERT_TRUE(writeBytes(ini(), "LANGUAGE_FILE,Norsk.lng\r\n"));
    auto form = start();
    AppState& s = *state;
    std::vector<std::unique_ptr<QWidget>> made;
    made.push_back(std::make_unique<AboutForm>(s.texts, *form));
    made.push_back(std::make_unique<ConfigGeneralForm>(s.settings, s.texts, *form));
    made.push_back(std::make_unique<ConfigRemoteDisplayForm>(s.settings, s.texts, *form));
    made.push_back(std::make_unique<CompetitionForm>(s));
    made.push_back(std::make_unique<PilotForm>(s));
    made.push_back(std::make_unique<JudgeForm>(s));
    made.push_back(std::make_unique<DefineTeamsForm>(s));
    made.push_back(std::make_unique<TeamForm>(s));
    made.push_back(std::make_unique<ScheduleForm>(s));
    made.push_back(std::make_unique<NewScheduleForm>(s));
    made.push_back(std::make_unique<EditSchedForm>(s));
    made.push_back(std::make_unique<ManeuverForm>(s));
    made.push_back(std::make_unique<ScoresForm>(s));
    made.push_back(std::make_unique<ViewForm>(s));
    made.push_back(std::make_unique<PrintResForm>(s));
    made.push_back(std::make_unique<ConfigPrintingForm>(s.settings, s.texts, *form));
    made.push_back(std::make_unique<PrintCompForm>(s.texts, *form));
    made.push_back(std::make_unique<PrintStartForm>(s.contest, s.texts, *form));
    made.push_back(std::make_unique<ScoreSheetConfirmForm>(s.contest, s.texts, *form));
    made.push_back(std::make_unique<ExplainForm>(s, *form));
    QList<QWidget*> windows = {form.get(), &form->fileSelectForm(), &form->selectForm()};
    for (const auto& window : made)
        windows << window.get();

    Texts norwegian;
    ASSERT_TRUE(ReadLanguageFile(shippedFile("Norsk.lng"), norwegian));
    QSet<QString> covered;
    for (const LanguageKey& key : LanguageKeys()) {
        for (QWidget* window : windows) {
            if (window->objectName() != QLatin1String(key.window))
                continue;
            covered << window->objectName();
            QList<QObject*> carriers = window->findChildren<QObject*>();
            carriers << window;
            carriers.removeIf([&key](QObject* object) {
                return object->property(LanguageKeyProperty).toString() != QLatin1String(key.key);
            });
            ASSERT_EQ(carriers.size(), 1) << key.key;
            QObject* carrier = carriers.first();
            const auto* widget = qobject_cast<QWidget*>(carrier);
            const QString shown =
                qobject_cast<QMenu*>(carrier)  ? carrier->property("title").toString()
                : widget && widget->isWindow() ? widget->windowTitle()
                                               : carrier->property("text").toString();
            EXPECT_EQ(shown, norwegian.get(QString::fromLatin1(key.key))) << key.key;
        }
    }
    EXPECT_EQ(covered.size(), windows.size());
}
