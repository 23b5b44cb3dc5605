#include "core/language.h"
#include "support/windowfixtures.h"
#include "ui/aboutform.h"
#include "ui/competitionform.h"
#include "ui/configgeneralform.h"
#include "ui/configliveresultsform.h"
#include "ui/configprintingform.h"
#include "ui/configremotedisplayform.h"
#include "ui/contestoverview.h"
#include "ui/defineteamsform.h"
#include "ui/editschedform.h"
#include "ui/explainform.h"
#include "ui/fileselectform.h"
#include "ui/formsupport.h"
#include "ui/helpform.h"
#include "ui/judgeform.h"
#include "ui/maneuverform.h"
#include "ui/newscheduleform.h"
#include "ui/pilotform.h"
#include "ui/printcompform.h"
#include "ui/printpreviewform.h"
#include "ui/printresform.h"
#include "ui/printstartform.h"
#include "ui/scheduleform.h"
#include "ui/scoresform.h"
#include "ui/scoresheetconfirmform.h"
#include "ui/selectform.h"
#include "ui/teamform.h"
#include "ui/viewform.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>
#include <algorithm>
#include <functional>
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

TEST_F(Main,
       RecentFilesKeepACompetitionOpenedAMissingOrRefusedOneLeavesNoneOpenAndNewStoresNothing) {
    ASSERT_TRUE(
        writeBytes(ini(), "LANGUAGE_FILE,English.lng\r\nFILES_IN_FILEMENU,1\r\n"
                          "FILENAMES_IN_FILEMENU_1,gone.cnt\r\nFILELOCATIONS_IN_FILEMENU_1," +
                              cups().toUtf8() + "\r\n"));
    ASSERT_TRUE(
        QFile::copy(testData("results.RES"), cups() + QString::fromUtf8("Vårcupen 2026.RES")));
    auto form = start();
    EXPECT_EQ(boxText(*form, "Footer"), "No competition selected");
    EXPECT_EQ(enabledCompetitionItems(*form), 0);
    whenModal([&](QWidget& dialog) {
        EXPECT_EQ(control<QLabel>(dialog, "lblDirectory").text(),
                  QDir::toNativeSeparators(home.path()));
        pickFile(dialog, QStringLiteral("cups"), QStringLiteral("contest.cnt"));
    });
    chooseMenu(*form, Qt::Key_F, {Qt::Key_S});
    EXPECT_EQ(boxText(*form, "Footer"), QDir::toNativeSeparators(cups() + "contest.cnt"));
    EXPECT_EQ(boxText(*form, "ResultMethod"), "Std");
    EXPECT_GT(state->contest.ManeuverCount, 0);
    EXPECT_EQ(form->menuCommand(QStringLiteral("File2"))->text(), "&2 : contest.cnt");
    const QByteArray settings = readBytes(ini());
    EXPECT_TRUE(settings.contains("FILENAMES_IN_FILEMENU_2,contest.cnt\r\n"));
    EXPECT_TRUE(settings.contains("FILELOCATIONS_IN_FILEMENU_2," + cups().toUtf8() + "\r\n"));

    chooseMenu(*form, Qt::Key_F, {Qt::Key_C});
    EXPECT_EQ(boxText(*form, "Footer"), "No competition selected");
    EXPECT_EQ(state->contest.PilotCount, 0);
    EXPECT_EQ(enabledCompetitionItems(*form), 0);
    EXPECT_TRUE(form->menuCommand(QStringLiteral("EditSchedule"))->isEnabled());
    // Another competition starts with the score window on its first pilot and round.
    state->work.CurrentRound = 3;
    state->work.EditPilotIndex = 2;
    chooseMenu(*form, Qt::Key_F, {Qt::Key_2});
    EXPECT_EQ(state->contest.PilotCount, 4);
    EXPECT_EQ(state->work.CurrentRound, 1);
    EXPECT_EQ(state->work.EditPilotIndex, 0);
    EXPECT_EQ(state->contest.Pilots[0].RoundScore[0], 572.0);
    EXPECT_EQ(enabledCompetitionItems(*form), 13);

    // A competition file that is missing or refused leaves no competition open to write into.
    const auto expectNoCompetition = [&] {
        EXPECT_EQ(boxText(*form, "Footer"), "No competition selected");
        EXPECT_EQ(enabledCompetitionItems(*form), 0);
        EXPECT_EQ(state->contest.PilotCount, 0);
        EXPECT_TRUE(state->contest.ContName.isEmpty());
    };
    const QString gone = QDir::toNativeSeparators(cups() + "gone.cnt");
    QString shown;
    answerMessage(&shown);
    chooseMenu(*form, Qt::Key_F, {Qt::Key_1});
    EXPECT_EQ(shown, "Veltra:Unable to locate the file.\n" + gone);
    expectNoCompetition();
    chooseMenu(*form, Qt::Key_F, {Qt::Key_2});
    const QByteArray refused = readBytes(testData("contest.cnt")).replace("JUDGE,02", "JUDGE,1.5");
    ASSERT_TRUE(writeBytes(cups() + "gone.cnt", refused));
    shown.clear();
    answerMessage(&shown);
    chooseMenu(*form, Qt::Key_F, {Qt::Key_1});
    EXPECT_TRUE(shown.contains(gone)) << shown.toStdString();
    expectNoCompetition();
    EXPECT_EQ(readBytes(cups() + "gone.cnt"), refused);
    EXPECT_EQ(readBytes(ini()), settings);

    // Until the new competition is saved nothing may store into the previous one's files.
    chooseMenu(*form, Qt::Key_F, {Qt::Key_N});
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
    chooseMenu(*form, Qt::Key_C, {Qt::Key_L});
    EXPECT_EQ(boxText(*form, "Language"), "Norsk.lng");
    EXPECT_EQ(form->fileSelectForm().windowTitle(), "Velg fil");
    // The footer changes only at the next File, Close.
    EXPECT_EQ(boxText(*form, "Footer"), "No competition selected");
    form->ContestSelected(1);
    chooseMenu(*form, Qt::Key_F, {Qt::Key_L});
    EXPECT_EQ(boxText(*form, "Footer"), "Ingen konkurranse valgt");
    chooseMenu(*form, Qt::Key_F, {Qt::Key_A});
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(readBytes(ini()).startsWith("LANGUAGE_FILE,Norsk.lng\r\n"));

    // A language file outside the program folder is kept with its folder, also at the close box.
    ASSERT_TRUE(QFile::copy(shippedFile("Norsk.lng"), cups() + QStringLiteral("Eget.lng")));
    form = start();
    EXPECT_EQ(boxText(*form, "Footer"), "Ingen konkurranse valgt");
    whenModal([&](QWidget& shown) {
        pickFile(shown, QStringLiteral("cups"), QStringLiteral("Eget.lng"));
    });
    chooseMenu(*form, Qt::Key_O, {Qt::Key_S});
    form->close();
    EXPECT_TRUE(readBytes(ini()).startsWith("LANGUAGE_FILE," + cups().toUtf8() + "Eget.lng\r\n"));
    form = start();
    EXPECT_EQ(boxText(*form, "Language"), "Eget.lng");
    EXPECT_EQ(form->menuCommand(QStringLiteral("File"))->text(), "&Fil");
}

TEST_F(Main, AMissingLanguageFileADamagedSettingsFileOrAFailedSaveIsReported) {
    ASSERT_TRUE(writeBytes(ini(), "LANGUAGE_FILE,Svenska.lng\r\n"));
    QString shown;
    answerMessage(&shown);
    auto form = start();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Veltra:Unable to locate the file.\n")));
    EXPECT_TRUE(shown.endsWith(QStringLiteral("Svenska.lng")));
    EXPECT_FALSE(QFile::exists(path("Svenska.lng")));
    EXPECT_EQ(boxText(*form, "Language"), "Lang");
    EXPECT_EQ(form->menuCommand(QStringLiteral("File"))->text(), "&File");

    // A settings file that could not be read is not overwritten unless a setting changes.
    const QByteArray damaged = "LANGUAGE_FILE,Norsk.lng\r\nFILES_IN_FILEMENU,1\r\nFILENAMES_IN_F";
    ASSERT_TRUE(writeBytes(ini(), damaged));
    shown.clear();
    answerMessage(&shown);
    form = start();
    EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(ini()))) << shown.toStdString();
    form->close();
    EXPECT_EQ(readBytes(ini()), damaged);

    ASSERT_TRUE(QFile::remove(ini()));
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Veltra.ini")));
    shown.clear();
    answerMessage(&shown);
    state->settings.PrintPreview = 1;
    form->SaveConfigFile();
    EXPECT_TRUE(shown.contains(QStringLiteral("Veltra.ini"))) << shown.toStdString();
}

namespace {

// Every file under `folder` with its bytes and time of change.
QMap<QString, QPair<QByteArray, QDateTime>> filesUnder(const QString& folder) {
    QMap<QString, QPair<QByteArray, QDateTime>> files;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QFileInfo file(it.next());
        files.insert(file.filePath(), {readBytes(file.filePath()), file.lastModified()});
    }
    return files;
}

} // namespace

// The body opens a recent competition, then shows the progress and the standings that a round
// stored by keys in the score window gives, while the body itself writes nothing.
TEST_F(Main, TheBodyOpensARecentCompetitionAndFollowsTheRoundsStoredButWritesNothing) {
    ASSERT_TRUE(writeBytes(ini(), "LANGUAGE_FILE,English.lng\r\nFILES_IN_FILEMENU,1\r\n"
                                  "FILENAMES_IN_FILEMENU_1,contest.cnt\r\n"
                                  "FILELOCATIONS_IN_FILEMENU_1," +
                                      cups().toUtf8() + "\r\n"));
    auto form = start();
    const auto before = filesUnder(home.path());
    QTest::mouseClick(&control<QAbstractButton>(*form, "Recent1"), Qt::LeftButton);
    EXPECT_EQ(boxText(*form, "Footer"), QDir::toNativeSeparators(cups() + "contest.cnt"));
    EXPECT_EQ(control<QLabel>(*form, "OverviewName").text(), QString::fromUtf8("Vårcupen 2026"));
    auto& summary = control<QLabel>(*form, "ProgressSummary");
    auto& progress = control<QTableWidget>(*form, "ProgressTable");
    auto& standings = control<QTableWidget>(*form, "StandingsTable");
    EXPECT_EQ(summary.text(), "No marks are stored yet.");
    EXPECT_FALSE(standings.isVisible());

    // Points being typed stay in the store; the body reads its own copy.
    state->contest.Pilots[0].RoundScore[0] = 999.0;
    control<ContestOverview>(*form, "ContestOverview").refresh();
    EXPECT_EQ(state->contest.Pilots[0].RoundScore[0], 999.0);
    EXPECT_EQ(filesUnder(home.path()), before);

    const QString tick(QChar(0x2713));
    whenModal([&](QWidget& scores) {
        auto& grid = control<QTableWidget>(scores, "ResultGrid");
        for (char mark : {'8', '7', '9'})
            QTest::keyClick(&grid, mark);
        accessKey(scores, Qt::Key_N);
        EXPECT_EQ(progress.item(0, 2)->text(), tick);
        EXPECT_EQ(progress.item(1, 2)->text(), "");
        EXPECT_EQ(summary.text(), "Round 1: 1 of 4 pilots have stored marks.");
        EXPECT_TRUE(standings.isVisible());
        EXPECT_EQ(standings.item(0, 2)->text(), state->contest.Pilots[0].Name);
        EXPECT_EQ(standings.item(0, 3)->text(), "1000.0");
        QTest::keyClick(&scores, Qt::Key_Escape);
    });
    // Leaving the next pilot's round untouched stores nothing.
    chooseMenu(*form, Qt::Key_E, {Qt::Key_S});
    EXPECT_EQ(progress.item(1, 2)->text(), "");
    EXPECT_EQ(summary.text(), "Round 1: 1 of 4 pilots have stored marks.");
    EXPECT_EQ(standings.item(0, 3)->text(), "1000.0");
}

namespace {

QString withoutAccessKey(QString caption) {
    caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

QChar accessKeyOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] != u'&')
            return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

QString nameOf(const QObject* object) {
    return object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                          : object->objectName();
}

// What a session in one shipped language may show: its file's texts (a "%1" stands for any
// text), and no word that only the other language file uses.
class Language {
  public:
    Language(const char* own, const char* other) {
        Texts ownTexts;
        Texts otherTexts;
        EXPECT_TRUE(ReadLanguageFile(shippedFile(own), ownTexts));
        EXPECT_TRUE(ReadLanguageFile(shippedFile(other), otherTexts));
        QSet<QString> ownWords;
        for (const LanguageKey& key : LanguageKeys()) {
            const QString name = QString::fromLatin1(key.key);
            if (!key.used)
                continue;
            texts_ << ownTexts.get(name);
            QStringList parts = withoutAccessKey(ownTexts.get(name))
                                    .split(QRegularExpression(QStringLiteral("%\\d")));
            for (QString& part : parts)
                part = QRegularExpression::escape(part);
            patterns_ << QRegularExpression(
                QRegularExpression::anchoredPattern(parts.join(QStringLiteral(".+"))));
            ownWords.unite(wordsOf(ownTexts.get(name)));
            foreignWords_.unite(wordsOf(otherTexts.get(name)));
        }
        foreignWords_.subtract(ownWords);
        texts_ << QString::fromLatin1(ProgramName) << QString::fromLatin1(MainCaption);
    }

    bool hasText(const QString& caption) const {
        if (texts_.contains(caption))
            return true;
        const QString shown = withoutAccessKey(caption);
        return std::any_of(patterns_.begin(), patterns_.end(),
                           [&](const QRegularExpression& p) { return p.match(shown).hasMatch(); });
    }

    // Names the user typed (maneuvers, pilots, clubs) may hold any word.
    void allowUserWords(const QString& text) { foreignWords_.subtract(wordsOf(text)); }

    QString foreignWordIn(const QString& text) const {
        for (const QString& word : wordsOf(text)) {
            if (foreignWords_.contains(word))
                return word;
        }
        return {};
    }

  private:
    static QSet<QString> wordsOf(const QString& text) {
        QSet<QString> words;
        for (const QString& word :
             withoutAccessKey(text).split(QRegularExpression(QStringLiteral("[^\\w]+")))) {
            if (word.size() >= 4)
                words << word;
        }
        return words;
    }

    QStringList texts_;
    QList<QRegularExpression> patterns_;
    QSet<QString> foreignWords_;
};

// Controls whose text is the user's data or a number, never a caption.
const QStringList kDataLabels = {
    "lblDirectory",     "JudgeNumber",      "AboutVersion",   "OverviewName",   "OverviewDate",
    "OverviewLocation", "OverviewSchedule", "OverviewRounds", "OverviewPilots", "OverviewJudges",
    "Recent1",          "Recent2",          "Recent3",        "Recent4",        "Recent5"};

// Tab goes from each control to one below it or to its right, never back up or to the left.
void checkTabOrder(QWidget& window, QStringList& faults) {
    const int slack = 8;
    QWidget* previous = nullptr;
    QPoint previousAt;
    for (QWidget* control = window.nextInFocusChain(); control && control != &window;
         control = control->nextInFocusChain()) {
        if (control->window() != &window || !control->isVisibleTo(&window) ||
            !(control->focusPolicy() & Qt::TabFocus) || control->focusProxy())
            continue;
        const QPoint at = control->mapTo(&window, QPoint(0, 0));
        if (previous) {
            const bool up = at.y() < previousAt.y() - slack;
            const bool sameRow = std::abs(at.y() - previousAt.y()) <= slack;
            const bool right = at.x() > previousAt.x() + slack;
            const bool left = at.x() < previousAt.x() - slack;
            if ((up && !right) || (sameRow && left))
                faults << nameOf(&window) + QStringLiteral(": Tab goes back from ") +
                              nameOf(previous) + QStringLiteral(" to ") + nameOf(control);
        }
        previous = control;
        previousAt = at;
    }
}

// What a shown window shows comes from the language file in use, whole; every access key leads
// to one control, and a label that names a control has one and leads to that control.
void checkWindow(QWidget& window, const Language& language, QStringList& faults) {
    const auto fault = [&](const QObject* control, const QString& what, const QString& text) {
        faults << nameOf(&window) + u':' + nameOf(control) + what + u'"' + text + u'"';
    };
    if (!window.windowTitle().isEmpty() && !language.hasText(window.windowTitle()))
        fault(&window, QStringLiteral(" shows "), window.windowTitle());
    if (window.width() < CaptionWidth(window))
        fault(&window, QStringLiteral(" cuts "), window.windowTitle());
    QHash<QChar, QString> owners;
    if (auto* main = qobject_cast<QMainWindow*>(&window)) {
        for (QAction* menu : main->menuBar()->actions())
            owners.insert(accessKeyOf(menu->text()), menu->objectName());
    }
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window))
            continue;
        const int needed = control->sizeHint().width();
        QString caption;
        bool cut = false;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            caption = label->text();
            cut = !label->wordWrap() && label->width() < needed;
            if (accessKeyOf(caption).isNull() != !label->buddy())
                fault(label, QStringLiteral(" has an access key without a control or the reverse "),
                      caption);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            caption = button->text();
            cut = !caption.isEmpty() && button->width() < needed;
        } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
            caption = group->title();
            cut = group->width() < group->minimumSizeHint().width();
        } else {
            QStringList data;
            if (auto* edit = qobject_cast<QLineEdit*>(control))
                data << edit->text();
            else if (auto* text = qobject_cast<QPlainTextEdit*>(control))
                data << text->toPlainText();
            else if (auto* list = qobject_cast<QListWidget*>(control))
                data << lines(*list);
            else if (auto* combo = qobject_cast<QComboBox*>(control)) {
                for (int i = 0; i < combo->count(); ++i) {
                    data << combo->itemText(i);
                    if (combo->fontMetrics().horizontalAdvance(combo->itemText(i)) + 30 >
                        combo->width())
                        fault(combo, QStringLiteral(" cuts "), combo->itemText(i));
                }
            }
            for (const QString& text : data) {
                const QString word = language.foreignWordIn(text);
                if (!word.isEmpty())
                    fault(control, QStringLiteral(" shows the word "), word);
            }
        }
        if (cut)
            fault(control, QStringLiteral(" cuts "), caption);
        if (!caption.isEmpty() && !kDataLabels.contains(control->objectName()) &&
            !language.hasText(caption))
            fault(control, QStringLiteral(" shows "), caption);
        const QChar key = accessKeyOf(caption);
        if (key.isNull())
            continue;
        if (owners.contains(key))
            fault(control, QStringLiteral(" shares its access key with ") + owners[key], key);
        owners.insert(key, nameOf(control));
    }
    checkTabOrder(window, faults);
}

void checkMenus(MainForm& form, const Language& language, QStringList& faults) {
    QList<QList<QAction*>> groups{form.menuBar()->actions()};
    for (QMenu* menu : form.findChildren<QMenu*>())
        groups << menu->actions();
    for (const QList<QAction*>& group : groups) {
        QHash<QChar, QString> owners;
        for (QAction* item : group) {
            if (item->isSeparator() || !item->isVisible())
                continue;
            const bool recentFile =
                item->objectName().size() == 5 && item->objectName().startsWith(u"File");
            if (!recentFile && !language.hasText(item->text()))
                faults << QStringLiteral("menu item shows \"") + item->text() + u'"';
            const QChar key = accessKeyOf(item->text());
            if (key.isNull())
                continue;
            if (owners.contains(key))
                faults << QStringLiteral("menu access key ") + key + QStringLiteral(" of ") +
                              owners[key] + QStringLiteral(" and ") + item->text();
            owners.insert(key, item->text());
        }
    }
}

// Every window of the program in a session with one of the shipped language files, with the
// demo contest open.
class EveryWindow : public MainWindowTest, public ::testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(QFile::copy(shippedFile("Klubbprogram.sch"), path("Klubbprogram.sch")));
        const QDir demo(QStringLiteral(VELTRA_SOURCE_DIR "/examples/demo"));
        ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("demo")));
        QString contest;
        for (const QString& file : demo.entryList(QDir::Files)) {
            ASSERT_TRUE(QFile::copy(demo.filePath(file), path("demo/") + file));
            if (file.endsWith(QStringLiteral(".cnt")))
                contest = file;
        }
        const QByteArray settings = "LANGUAGE_FILE," + QByteArray(GetParam()) +
                                    "\r\nFILES_IN_FILEMENU,1\r\nFILENAMES_IN_FILEMENU_1," +
                                    contest.toLatin1() + "\r\nFILELOCATIONS_IN_FILEMENU_1," +
                                    path("demo/").toLatin1() + "\r\n";
        ASSERT_TRUE(writeBytes(ini(), settings));
    }
};

} // namespace

// A key the language file names reaches its control only when exactly one control of its
// window carries it; what each window shows once it is shown comes from the file in use.
TEST_P(EveryWindow, ShowsTheLanguageFilesTextsWholeWithUniqueAccessKeysAndTabsInVisualOrder) {
    const bool english = GetParam() == std::string("English.lng");
    Language language(GetParam(), english ? "Norsk.lng" : "English.lng");
    auto form = start();
    form->menuCommand(QStringLiteral("File1"))->trigger();
    ASSERT_GT(state->contest.PilotCount, 0);
    const Contest& contest = state->contest;
    language.allowUserWords(state->work.contestPath()); // the footer shows the user's folder
    for (int m = 0; m < contest.ManeuverCount; ++m)
        language.allowUserWords(contest.ManeuverName[m]);
    for (int p = 0; p < contest.PilotCount; ++p) {
        const Pilot& pilot = contest.Pilots[p];
        for (const QString* field :
             {&pilot.Name, &pilot.Club, &pilot.Plane, &pilot.Engine, &pilot.Radio})
            language.allowUserWords(*field);
    }
    AppState& s = *state;
    std::vector<std::unique_ptr<QWidget>> made;
    const auto make = [&made](auto* window) {
        made.emplace_back(window);
        return window;
    };
    auto* printRes = make(new PrintResForm(s, form.get()));
    auto* printComp = make(new PrintCompForm(s.texts, *form));
    auto* printStart = make(new PrintStartForm(s.contest, s.texts, *form));
    auto* preview = make(
        new PrintPreviewForm(s.texts, *form, std::make_unique<QPrinter>(QPrinter::HighResolution)));
    auto* view = make(new ViewForm(s, form.get()));
    const auto caption = [&s](const char* key) { return s.texts.get(QString::fromLatin1(key)); };
    // Each window with what its command does before showing it.
    const std::vector<std::pair<QWidget*, std::function<void()>>> windows = {
        {form.get(), [] {}},
        {make(new AboutForm(s.texts, *form)), [] {}},
        {make(new HelpForm(s.texts, *form)), [] {}},
        {make(new ConfigGeneralForm(s.settings, s.texts, *form)), [] {}},
        {make(new ConfigRemoteDisplayForm(s.settings, s.texts, *form)), [] {}},
        {make(new ConfigLiveResultsForm(
             s.settings, s.texts, *form, [] {}, [] { return std::optional<QStringList>(); })),
         [] {}},
        {make(new ConfigPrintingForm(s.settings, s.texts, *form)), [] {}},
        {&form->competitionForm(), [&s] { s.work.EditMode = 1; }},
        {make(new PilotForm(s, &form->competitionForm())),
         [&s] {
             s.work.EditPilotIndex = s.contest.PilotCount;
             s.work.PilotEditMode = 0;
         }},
        {make(new JudgeForm(s, &form->competitionForm())),
         [&s] {
             s.work.EditJudgeIndex = 0;
             s.work.JudgeEditMode = 1;
         }},
        {make(new DefineTeamsForm(s, form.get())), [] {}},
        {make(new TeamForm(s, form.get())), [] {}},
        {&form->selectForm(), [&form] { form->selectForm().setTag(QStringLiteral("JUDGES")); }},
        {&form->fileSelectForm(),
         [&form, &caption] {
             form->fileSelectForm().addFileType(FileSelectForm::FileType(
                 caption("FSF_COMPETITION_FILES"), QStringLiteral("*.cnt")));
         }},
        {make(new ScheduleForm(s, form.get())), [] {}},
        {make(new NewScheduleForm(s, form.get())), [] {}},
        {make(new EditSchedForm(s, form.get())), [] {}},
        {make(new ManeuverForm(s, form.get())), [] {}},
        {make(new ScoresForm(s, form.get())), [] {}},
        {make(new ExplainForm(s, *form, form.get())), [] {}},
        {view, [view] { view->showStartList(); }},
        {printRes, [&] { printRes->prepare(caption("PRINT_RESULT_FORM_CAPTION"), true); }},
        {printRes, [&] { printRes->prepare(caption("VIEW_RESULT_CONFIRM_CAPTION"), false); }},
        {printComp, [&] { printComp->prepare(caption("PRINT_JUDGE_FORM_CAPTION"), true); }},
        {printComp, [&] { printComp->prepare(caption("EXPORT_PILOTLIST_FORM_CAPTION"), false); }},
        {printStart, [&] { printStart->setWindowTitle(caption("PRINT_START_FORM_CAPTION")); }},
        {make(new ScoreSheetConfirmForm(s.contest, s.texts, *form)), [] {}},
        {preview,
         [&] {
             whenModal([](QWidget& shown) { shown.close(); });
             Status drawn;
             preview->confirm(
                 caption("PRINT_RESULTS_NAME"), caption("PPF_PRINT_CAPTION"), [](PrintTarget&) {},
                 drawn);
         }},
    };

    Texts shipped;
    ASSERT_TRUE(ReadLanguageFile(shippedFile(GetParam()), shipped));
    QSet<QString> covered;
    QSet<QString> names;
    for (const auto& [window, prepare] : windows)
        names << window->objectName();
    for (const LanguageKey& key : LanguageKeys()) {
        for (const auto& [window, prepare] : windows) {
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
            const bool titled = qobject_cast<QMenu*>(carrier) || qobject_cast<QGroupBox*>(carrier);
            const QString shown = titled ? carrier->property("title").toString()
                                  : widget && widget->isWindow()
                                      ? widget->windowTitle()
                                      : carrier->property("text").toString();
            EXPECT_EQ(shown, shipped.get(QString::fromLatin1(key.key))) << key.key;
        }
    }
    EXPECT_EQ(covered, names);

    QStringList faults;
    checkMenus(*form, language, faults);
    for (const auto& [window, prepare] : windows) {
        prepare();
        window->show();
        QCoreApplication::processEvents();
        checkWindow(*window, language, faults);
        if (window != form.get())
            window->hide();
    }
    // The main window without a competition: the recent ones and the commands to begin with.
    form->menuCommand(QStringLiteral("FileClose"))->trigger();
    checkWindow(*form, language, faults);
    EXPECT_EQ(faults, QStringList());
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, EveryWindow,
                         ::testing::Values("English.lng", "Norsk.lng"));
