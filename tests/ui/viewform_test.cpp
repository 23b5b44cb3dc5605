#include "core/ansitext.h"
#include "core/contestfiles.h"
#include "core/language.h"
#include "reports/exports.h"
#include "reports/textviews.h"
#include "scoring/judgeanalysis.h"
#include "scoring/results.h"
#include "scoring/scorefiles.h"
#include "support/modal.h"
#include "support/testsupport.h"
#include "ui/formsupport.h"
#include "ui/mainform.h"
#include "ui/printresform.h"
#include "ui/startorderdraw.h"
#include "ui/viewcommands.h"
#include "ui/viewform.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

QString shown(const QString& text) {
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

template <typename Window> Window* openWindow(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            return qobject_cast<Window*>(window);
    }
    return nullptr;
}

// Always the same number, so a draw is foreseeable.
class FixedRandom final : public RandomSource {
  public:
    double next() override { return 0.5; }
};

class ViewWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        state.work.ContestDir = dir.path() + u'/';
        state.work.ContestFile = QStringLiteral("cup.cnt");
        Contest& c = state.contest;
        c.ContName = QString::fromUtf8("Vårcup");
        c.ContLocation = QStringLiteral("Field");
        c.ContDate = QStringLiteral("1.6.2026");
        c.ContSchedule = QStringLiteral("club.sch");
        c.Rounds = 3;
        c.JudgeCount = 1;
        c.ManeuverCount = 1;
        c.ManeuverK[0] = 2;
        const char* names[] = {"Bjørn", "Kåre", "Åse", "Per", "Ola"};
        for (int i = 0; i < 5; ++i) {
            Pilot& p = c.Pilots[i];
            p.StartNo = i + 1;
            p.Name = QString::fromUtf8(names[i]);
            p.Club = p.Plane = p.Engine = p.Radio = p.NACNo = QStringLiteral("x");
            p.Channel = 35.01 + i * 0.02;
            p.RoundScore = {100.0 + i, 200.0 - i, 50.0};
        }
        c.PilotCount = 5;
        ASSERT_TRUE(SaveContest(c, state.work, state.texts));
        ASSERT_TRUE(writeBytes(ResultsFilePath(c, state.work), ResultsFileBytes(c)));

        main.setGeometry(40, 30, 700, 500);
        progress = new QProgressBar(&main);
        progress->setObjectName(QStringLiteral("PROGRESS"));
        progress->hide();
        main.show();
        commands = std::make_unique<ViewCommands>(state, main);
    }

    void findViewControls() {
        ViewForm& view = commands->viewForm();
        area = view.findChild<QPlainTextEdit*>(QStringLiteral("ViewArea"));
        round = view.findChild<QSpinBox*>(QStringLiteral("Variable"));
        roundText = view.findChild<QLineEdit*>(QStringLiteral("VariableText"));
        roundLabel = view.findChild<QLabel*>(QStringLiteral("VariableLabel"));
        returnButton = view.findChild<QPushButton*>(QStringLiteral("Return"));
        ASSERT_TRUE(area && round && roundText && roundLabel && returnButton);
    }

    // Answers the results options dialog with `rounds` and the drop choice, or cancels it.
    void answerOptions(int rounds, bool dropLowest, bool cancel = false) {
        whenModal([rounds, dropLowest, cancel](QWidget& dialog) {
            if (cancel) {
                QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ConfirmCancel")),
                                  Qt::LeftButton);
                return;
            }
            dialog.findChild<QSpinBox*>(QStringLiteral("Rounds"))->setValue(rounds);
            dialog.findChild<QCheckBox*>(QStringLiteral("DeleteLow"))->setChecked(dropLowest);
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ConfirmOK")),
                              Qt::LeftButton);
        });
    }

    // Answers the coming message boxes in turn with `buttons` and keeps their titles and texts.
    void answerMessages(QStringList& texts, QList<QMessageBox::StandardButton> buttons) {
        if (buttons.isEmpty())
            return;
        whenModal([this, &texts, buttons](QWidget& box) mutable {
            auto& message = static_cast<QMessageBox&>(box);
            texts << message.windowTitle() + u'|' + message.text();
            const QMessageBox::StandardButton button = buttons.takeFirst();
            answerMessages(texts, buttons);
            QTest::mouseClick(message.button(button), Qt::LeftButton);
        });
    }

    QStringList pilotOrder() const {
        QStringList names;
        for (int i = 0; i < state.contest.PilotCount; ++i)
            names << state.contest.Pilots[i].Name;
        return names;
    }

    QTemporaryDir dir;
    AppState state;
    QWidget main;
    QProgressBar* progress = nullptr;
    std::unique_ptr<ViewCommands> commands;
    QPlainTextEdit* area = nullptr;
    QSpinBox* round = nullptr;
    QLineEdit* roundText = nullptr;
    QLabel* roundLabel = nullptr;
    QPushButton* returnButton = nullptr;
};

} // namespace

TEST_F(ViewWindows, StartListFollowsTheRoundSpinAndFillsTheMainWindow) {
    state.texts.set(QStringLiteral("SCORE_PRINT_ROUND_LABEL"), QStringLiteral("Omgang"));
    state.settings.FrequencyDisplayMode = 1;
    commands->ViewStartlist_Click();
    findViewControls();
    ViewForm& view = commands->viewForm();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_EQ(view.tag(), QStringLiteral("STARTLIST"));
    EXPECT_TRUE(round->isVisible() && roundText->isVisible() && roundLabel->isVisible());
    EXPECT_EQ(roundLabel->text(), QStringLiteral("Omgang"));
    EXPECT_EQ(round->maximum(), 3);
    EXPECT_EQ(roundText->text(), QStringLiteral("1"));
    const QString caption = QString::fromLatin1(MainCaption);
    EXPECT_EQ(area->toPlainText(),
              shown(StartListViewText(state.contest, state.texts, caption, 1, 1)));

    // 99 % of the main window, centred over it; the text takes 95 % of the width.
    EXPECT_EQ(view.size(), QSize(693, 495));
    EXPECT_NEAR(view.frameGeometry().center().x(), main.frameGeometry().center().x(), 1);
    EXPECT_NEAR(view.frameGeometry().center().y(), main.frameGeometry().center().y(), 1);
    EXPECT_EQ(area->width(), 658);
    EXPECT_EQ(area->height(), 495 - 3 * returnButton->height());
    EXPECT_FALSE(area->geometry().intersects(returnButton->geometry()));
    EXPECT_LE(returnButton->geometry().bottom(), view.height());

    round->setFocus();
    QTest::keyClick(round, Qt::Key_Up);
    EXPECT_EQ(roundText->text(), QStringLiteral("2"));
    EXPECT_EQ(area->toPlainText(),
              shown(StartListViewText(state.contest, state.texts, caption, 1, 2)));

    // Showing the start list again starts from round 1; the analysis has no round choice.
    commands->ViewStartlist_Click();
    EXPECT_EQ(round->value(), 1);
    commands->ToolsJudgeAnalysis_Click();
    EXPECT_EQ(view.tag(), QStringLiteral("ANALYSIS"));
    EXPECT_FALSE(round->isVisible());
    EXPECT_EQ(area->toPlainText(),
              shown(JudgeAnalysisText(state.contest, state.work, state.texts, caption)));
    QTest::mouseClick(returnButton, Qt::LeftButton);
    EXPECT_FALSE(view.isVisible());
}

TEST_F(ViewWindows, AStartListOfOneOrNoRoundIsShownAtOnce) {
    for (int rounds : {1, 0}) {
        state.contest.Rounds = rounds;
        commands->ViewStartlist_Click();
        findViewControls();
        EXPECT_EQ(round->maximum(), 1);
        const QStringList lines = area->toPlainText().split(u'\n');
        ASSERT_GE(lines.size(), 6) << rounds;
        EXPECT_TRUE(lines.at(5).startsWith(QString::fromUtf8(" 1   1 Bjørn"))) << rounds;
    }
}

TEST_F(ViewWindows, ResultsAreReadCalculatedAndListedWithTheChosenOptions) {
    // The store's points are stale; the results file holds what counts.
    for (int i = 0; i < 5; ++i)
        state.contest.Pilots[i].RoundScore = {};
    progress->setValue(0);
    state.texts.set(QStringLiteral("VIEW_RESULT_CONFIRM_CAPTION"), QStringLiteral("View results"));
    answerOptions(2, true);
    commands->ViewResults_Click();
    findViewControls();
    ViewForm& view = commands->viewForm();
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(view.tag(), QStringLiteral("RESULTS"));
    EXPECT_FALSE(round->isVisible());
    EXPECT_EQ(commands->printResForm().windowTitle(), QStringLiteral("View results"));

    Contest expected = state.contest;
    for (int i = 0; i < 5; ++i)
        expected.Pilots[i].RoundScore = {100.0 + i, 200.0 - i, 0.0};
    CalculateResults(expected, 2, true);
    EXPECT_EQ(area->toPlainText(),
              shown(ResultsViewText(expected, state.texts, QString::fromLatin1(MainCaption), 2)));
    EXPECT_TRUE(area->toPlainText().startsWith(QStringLiteral("===== Results =====")));
    EXPECT_EQ(progress->value(), 100);
    EXPECT_FALSE(progress->isVisible());

    // Cancel shows nothing new.
    view.hide();
    answerOptions(3, false, true);
    commands->ViewResults_Click();
    EXPECT_FALSE(view.isVisible());
}

TEST_F(ViewWindows, ResultsExportWritesTheFileOrSaysWhyNot) {
    answerOptions(3, false);
    commands->FileExportResults_Click();
    const QString path = ResultsExportPath(state.contest, state.work);
    EXPECT_EQ(path, dir.path() + QString::fromUtf8("/Vårcup results.txt"));
    Contest expected = state.contest;
    CalculateResults(expected, 3, false);
    EXPECT_EQ(readBytes(path), toAnsi(ResultsExportText(expected, state.texts,
                                                        QString::fromLatin1(MainCaption), 3)));
    EXPECT_EQ(progress->value(), 100);
    EXPECT_FALSE(progress->isVisible());

    // A folder of that name stands where the export goes.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromUtf8("Vårcup results.txt")));
    QStringList messages;
    whenModal([&](QWidget& dialog) {
        answerMessages(messages, {QMessageBox::Ok});
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ConfirmOK")),
                          Qt::LeftButton);
    });
    commands->FileExportResults_Click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.at(0).startsWith(QStringLiteral("Veltra|")));
    EXPECT_TRUE(messages.at(0).contains(QString::fromUtf8("Vårcup results.txt")))
        << messages.at(0).toStdString();
    EXPECT_FALSE(progress->isVisible());
}

TEST_F(ViewWindows, PilotListExportRunsTheProgressBarFromOneAndReportsAFailure) {
    state.settings.FrequencyDisplayMode = 1;
    std::vector<int> values;
    QObject::connect(progress, &QProgressBar::valueChanged, [&](int value) {
        EXPECT_TRUE(progress->isVisible());
        values.push_back(value);
    });
    commands->exportPilotList();
    EXPECT_EQ(readBytes(PilotListExportPath(state.contest, state.work)),
              toAnsi(PilotListExportText(state.contest, state.texts,
                                         QString::fromLatin1(MainCaption), 1)));
    EXPECT_EQ(values, (std::vector<int>{1, 0, 25, 50, 75, 100}));
    EXPECT_FALSE(progress->isVisible());

    state.work.ContestDir = dir.path() + QStringLiteral("/gone/");
    QStringList messages;
    answerMessages(messages, {QMessageBox::Ok});
    commands->exportPilotList();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.at(0).contains(QStringLiteral("Pilotlist.txt")));
}

TEST_F(ViewWindows, DrawAsksFirstAndAlwaysWritesTheCompetitionFile) {
    state.texts.set(QStringLiteral("DRAW_STARTORDER_CONFIRM_MESSAGE"), QStringLiteral("Draw?"));
    state.texts.set(QStringLiteral("TOO_FEW_TO_DRAW_STARTORDER_WARNING"), QStringLiteral("Few"));
    const QString file = state.work.contestPath();
    const QStringList before = pilotOrder();
    FixedRandom random;

    QStringList messages;
    ASSERT_TRUE(writeBytes(file, ""));
    answerMessages(messages, {QMessageBox::Cancel});
    EditStartorder(state, main, random);
    EXPECT_EQ(messages, QStringList{"Veltra|Draw?"});
    EXPECT_EQ(pilotOrder(), before);
    EXPECT_EQ(readBytes(file), ContestFileBytes(state.contest));

    ASSERT_TRUE(writeBytes(file, ""));
    answerMessages(messages, {QMessageBox::Ok});
    EditStartorder(state, main, random);
    EXPECT_NE(pilotOrder(), before);
    for (int i = 0; i < state.contest.PilotCount; ++i)
        EXPECT_EQ(state.contest.Pilots[i].StartNo, state.contest.StartNoOffset + i);
    EXPECT_EQ(readBytes(file), ContestFileBytes(state.contest));

    state.contest.PilotCount = 3;
    ASSERT_TRUE(writeBytes(file, ""));
    messages.clear();
    answerMessages(messages, {QMessageBox::Ok});
    EditStartorder(state, main, random);
    EXPECT_EQ(messages, QStringList{"Veltra|Few"});
    EXPECT_EQ(readBytes(file), ContestFileBytes(state.contest));

    // The competition file cannot be written: the user is told after the warning.
    state.work.ContestDir = dir.path() + QStringLiteral("/gone/");
    messages.clear();
    answerMessages(messages, {QMessageBox::Ok, QMessageBox::Ok});
    EditStartorder(state, main, random);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages.at(1).startsWith(QStringLiteral("Veltra|")));
    EXPECT_TRUE(messages.at(1).contains(QStringLiteral("gone"))) << messages.at(1).toStdString();
}

TEST(ViewMenus, TheMainWindowsCommandsShowTheViewsInTheLanguageInUse) {
    QTemporaryDir home;
    const QString shipped = QStringLiteral(VELTRA_SOURCE_DIR "/resources/program/");
    for (const char* name : {"Norsk.lng", "Klubbprogram.sch"})
        ASSERT_TRUE(QFile::copy(shipped + QString::fromLatin1(name),
                                home.path() + u'/' + QString::fromLatin1(name)));
    ASSERT_TRUE(writeBytes(home.path() + QStringLiteral("/Veltra.ini"),
                           "LANGUAGE_FILE,Norsk.lng\r\nFILES_IN_FILEMENU,1\r\n"
                           "FILENAMES_IN_FILEMENU_1,cup.cnt\r\nFILELOCATIONS_IN_FILEMENU_1," +
                               toAnsi(home.path()) + "/\r\n"));
    AppState state;
    state.work.ProgramDir = home.path();
    state.contest.ContName = QStringLiteral("Cup");
    state.contest.ContSchedule = QStringLiteral("Klubbprogram.sch");
    state.contest.Rounds = 2;
    state.contest.ContDate = QStringLiteral("1.6.2026");
    state.contest.ContLocation = QStringLiteral("Field");
    state.contest.PilotCount = 1;
    Pilot& pilot = state.contest.Pilots[0];
    pilot.Name = pilot.Club = pilot.Plane = pilot.Engine = pilot.Radio = pilot.NACNo =
        QStringLiteral("Ola");
    ASSERT_TRUE(
        writeBytes(home.path() + QStringLiteral("/cup.cnt"), ContestFileBytes(state.contest)));
    MainForm main(state);
    main.show();
    main.menuCommand(QStringLiteral("File1"))->trigger();
    ASSERT_EQ(state.contest.PilotCount, 1);

    whenModal([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Vis resultater"));
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("RoundsLabel"))->text(),
                  QStringLiteral("Omganger"));
        EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("ConfirmCancel"))->text(),
                  QStringLiteral("&Avbryt"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ConfirmOK")),
                          Qt::LeftButton);
    });
    main.menuCommand(QStringLiteral("ViewResults"))->trigger();
    auto* view = openWindow<ViewForm>("ViewForm");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Visning"));
    EXPECT_TRUE(view->findChild<QPlainTextEdit*>(QStringLiteral("ViewArea"))
                    ->toPlainText()
                    .startsWith(QStringLiteral("===== Resultater =====")));

    main.menuCommand(QStringLiteral("ViewStartlist"))->trigger();
    EXPECT_EQ(view->tag(), QStringLiteral("STARTLIST"));
    EXPECT_EQ(view->findChild<QLabel*>(QStringLiteral("VariableLabel"))->text(),
              QStringLiteral("Omgang"));
    EXPECT_EQ(view->findChild<QPushButton*>(QStringLiteral("Return"))->text(),
              QStringLiteral("&Tilbake"));
    main.menuCommand(QStringLiteral("ToolsJudgeAnalysis"))->trigger();
    EXPECT_EQ(view->tag(), QStringLiteral("ANALYSIS"));

    whenModal([](QWidget& dialog) { static_cast<QDialog&>(dialog).accept(); });
    main.menuCommand(QStringLiteral("FileExportResults"))->trigger();
    EXPECT_TRUE(QFile::exists(home.path() + QStringLiteral("/Cup results.txt")));

    // Every caption key of the two windows has its one control.
    for (const LanguageKey& key : LanguageKeys()) {
        QWidget* window = openWindow<QWidget>(key.window);
        if (!window && QLatin1String(key.window) == QLatin1String("PrintResForm"))
            window = view->parentWidget()->findChild<PrintResForm*>();
        if (!window || (key.window != QLatin1String("ViewForm") &&
                        key.window != QLatin1String("PrintResForm")))
            continue;
        int carriers = window->property(LanguageKeyProperty).toString() == key.key ? 1 : 0;
        for (QObject* child : window->findChildren<QObject*>())
            carriers += child->property(LanguageKeyProperty).toString() == key.key ? 1 : 0;
        EXPECT_EQ(carriers, 1) << key.key;
    }
}
