#include "core/ansitext.h"
#include "core/contestfiles.h"
#include "reports/explanation.h"
#include "reports/exports.h"
#include "reports/textviews.h"
#include "scoring/judgeanalysis.h"
#include "scoring/results.h"
#include "scoring/scorefiles.h"
#include "support/windowfixtures.h"
#include "ui/printresform.h"
#include "ui/startorderdraw.h"
#include "ui/viewcommands.h"
#include "ui/viewform.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

QString shown(const QString& text) {
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
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
            p.Channel = 35.01 + i * 0.02;
            p.RoundScore = {100.0 + i, 200.0 - i, 50.0};
        }
        c.PilotCount = 5;
        ASSERT_TRUE(SaveContest(c, state.work, state.texts));
        ASSERT_TRUE(writeBytes(ResultsFilePath(c, state.work), ResultsFileBytes(c)));
        main.setGeometry(40, 30, 700, 500);
        main.show();
    }

    QString viewText() {
        return control<QPlainTextEdit>(commands.viewForm(), "ViewArea").toPlainText();
    }

    // Answers the results options dialog with `rounds` and the drop choice.
    static void answerOptions(int rounds, bool dropLowest) {
        whenModal([rounds, dropLowest](QWidget& dialog) {
            control<QSpinBox>(dialog, "Rounds").setValue(rounds);
            control<QCheckBox>(dialog, "DeleteLow").setChecked(dropLowest);
            click(dialog, "ConfirmOK");
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
    RecordedFeedback feedback;
    ViewCommands commands{state, main, feedback};
};

} // namespace

TEST_F(ViewWindows, StartListFollowsTheRoundSpinAndFillsTheMainWindow) {
    state.texts.set(QStringLiteral("SCORE_PRINT_ROUND_LABEL"), QStringLiteral("Omgang"));
    state.settings.FrequencyDisplayMode = 1;
    commands.ViewStartlist_Click();
    ViewForm& view = commands.viewForm();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    auto& round = control<QSpinBox>(view, "Variable");
    EXPECT_EQ(control<QLabel>(view, "VariableLabel").text(), QStringLiteral("Omgang"));
    EXPECT_EQ(round.maximum(), 3);
    const QString caption = QString::fromLatin1(MainCaption);
    EXPECT_EQ(viewText(), ::shown(StartListViewText(state.contest, state.texts, caption, 1, 1)));

    // 99 % of the main window; the text takes 95 % of the width, above the Return button.
    EXPECT_EQ(view.size(), QSize(693, 495));
    auto& area = control<QPlainTextEdit>(view, "ViewArea");
    auto& returnButton = control<QAbstractButton>(view, "Return");
    EXPECT_EQ(area.width(), 658);
    EXPECT_FALSE(area.geometry().intersects(returnButton.geometry()));
    EXPECT_LE(returnButton.geometry().bottom(), view.height());

    round.setFocus();
    QTest::keyClick(&round, Qt::Key_Up);
    EXPECT_EQ(boxText(view, "VariableText"), QStringLiteral("2"));
    EXPECT_EQ(viewText(), ::shown(StartListViewText(state.contest, state.texts, caption, 1, 2)));

    // Showing the start list again starts from round 1; the analysis has no round choice.
    commands.ViewStartlist_Click();
    EXPECT_EQ(round.value(), 1);
    commands.ToolsJudgeAnalysis_Click();
    EXPECT_FALSE(round.isVisible());
    EXPECT_EQ(viewText(),
              shown(JudgeAnalysisText(state.contest, state.work, state.texts, caption)));
    click(view, "Return");
    EXPECT_FALSE(view.isVisible());
}

TEST_F(ViewWindows, ResultsAreReadFromTheFileCalculatedWithTheOptionsAndExported) {
    // The store's points are stale; the results file holds what counts.
    for (int i = 0; i < 5; ++i)
        state.contest.Pilots[i].RoundScore = {};
    state.texts.set(QStringLiteral("VIEW_RESULT_CONFIRM_CAPTION"), QStringLiteral("View results"));
    answerOptions(2, true);
    commands.ViewResults_Click();
    EXPECT_TRUE(commands.viewForm().isVisible());
    EXPECT_EQ(commands.printResForm().windowTitle(), QStringLiteral("View results"));
    Contest expected = state.contest;
    for (int i = 0; i < 5; ++i)
        expected.Pilots[i].RoundScore = {100.0 + i, 200.0 - i, 0.0};
    const QString caption = QString::fromLatin1(MainCaption);
    EXPECT_EQ(viewText(), shown(ResultsViewText(PrepareResults(expected, Workspace(), {2, true}),
                                                state.texts, caption)));
    EXPECT_EQ(feedback.progress.back(), 100);
    EXPECT_FALSE(feedback.progressShown);
    // The results are a copy: the points in the store stay the ones being worked on.
    EXPECT_EQ(state.contest.Pilots[0].RoundScore[0], 0.0);

    // Cancel shows nothing new.
    commands.viewForm().hide();
    whenModal([](QWidget& dialog) { click(dialog, "ConfirmCancel"); });
    commands.ViewResults_Click();
    EXPECT_FALSE(commands.viewForm().isVisible());

    answerOptions(3, false);
    commands.FileExportResults_Click();
    const QString path = ResultsExportPath(state.contest, state.work);
    EXPECT_EQ(path, dir.path() + QString::fromUtf8("/Vårcup results.txt"));
    for (int i = 0; i < 5; ++i)
        expected.Pilots[i].RoundScore[2] = 50.0;
    EXPECT_EQ(readBytes(path),
              toAnsi(ResultsExportText(PrepareResults(expected, Workspace(), {3, false}),
                                       state.texts, caption)));
    // Said in the status line, which file was written, with no message to answer.
    EXPECT_EQ(feedback.status, "Exported to the file " + QDir::toNativeSeparators(path));
    EXPECT_TRUE(feedback.messages.isEmpty());

    // A folder of that name stands where the export goes.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromUtf8("Vårcup results.txt")));
    answerOptions(3, false);
    commands.FileExportResults_Click();
    ASSERT_EQ(feedback.messages.size(), 1);
    EXPECT_TRUE(feedback.messages.back().contains(QString::fromUtf8("Vårcup results.txt")));
    EXPECT_FALSE(feedback.progressShown);
}

// Explain beside the result list explains the very results shown, the winner's first round
// first; another pilot and round are chosen in the window, and the text written to a file.
TEST_F(ViewWindows, TheResultListExplainsItsResults) {
    answerOptions(2, false);
    commands.ViewResults_Click();
    const PreparedResults shownResults = PrepareResults(state.contest, state.work, {2, false});
    const auto explanation = [&](int pilot, int round) {
        return shown(ExplanationText(ExplainResult(shownResults, state.work, pilot, round),
                                     state.texts, QString::fromLatin1(MainCaption)));
    };
    QString first;
    QString chosen;
    whenModal([&](QWidget& window) {
        EXPECT_EQ(window.objectName(), "ExplainForm");
        first = control<QPlainTextEdit>(window, "ExplainArea").toPlainText();
        control<QComboBox>(window, "ExplainPilot").setCurrentIndex(4);
        control<QSpinBox>(window, "ExplainRound").setValue(2);
        chosen = control<QPlainTextEdit>(window, "ExplainArea").toPlainText();
        click(window, "ExplainExport");
        click(window, "ExplainReturn");
    });
    click(commands.viewForm(), "ViewExplain");
    EXPECT_EQ(first, explanation(shownResults.pilotsByPlace.front(), 1));
    EXPECT_EQ(chosen, explanation(4, 2));
    const QString file = dir.path() + QString::fromUtf8("/Vårcup Explanation Ola R02.txt");
    EXPECT_EQ(feedback.status, QStringLiteral("The explanation was written to the file ") +
                                   QDir::toNativeSeparators(file));
    EXPECT_TRUE(feedback.messages.isEmpty());
    EXPECT_EQ(shown(QString::fromLatin1(readBytes(file))), chosen);
}

TEST_F(ViewWindows, PilotListExportRunsTheProgressBarFromOneAndReportsAFailure) {
    state.settings.FrequencyDisplayMode = 1;
    commands.exportPilotList();
    EXPECT_EQ(readBytes(PilotListExportPath(state.contest, state.work)),
              toAnsi(PilotListExportText(state.contest, state.texts,
                                         QString::fromLatin1(MainCaption), 1)));
    EXPECT_EQ(feedback.progress, (std::vector<int>{1, 0, 25, 50, 75, 100}));
    EXPECT_FALSE(feedback.progressShown);
    EXPECT_EQ(feedback.status,
              "Exported to the file " +
                  QDir::toNativeSeparators(PilotListExportPath(state.contest, state.work)));

    state.work.ContestDir = dir.path() + QStringLiteral("/gone/");
    commands.exportPilotList();
    ASSERT_EQ(feedback.messages.size(), 1);
    EXPECT_TRUE(feedback.messages.back().contains(QStringLiteral("Pilotlist.txt")));
}

TEST_F(ViewWindows, DrawAsksFirstAndAlwaysWritesTheCompetitionFile) {
    state.texts.set(QStringLiteral("DRAW_STARTORDER_CONFIRM_MESSAGE"), QStringLiteral("Draw?"));
    state.texts.set(QStringLiteral("TOO_FEW_TO_DRAW_STARTORDER_WARNING"), QStringLiteral("Few"));
    const QString file = state.work.contestPath();
    const QStringList before = pilotOrder();
    FixedRandom random;
    QString shown;
    // Each draw writes the competition file, also when the user cancels it.
    const auto draw = [&](QMessageBox::StandardButton answer) {
        ASSERT_TRUE(writeBytes(file, ""));
        answerMessage(&shown, answer);
        EditStartorder(state, main, random);
        EXPECT_EQ(readBytes(file), ContestFileBytes(state.contest));
    };
    draw(QMessageBox::Cancel);
    EXPECT_EQ(shown, "Veltra:Draw?");
    EXPECT_EQ(pilotOrder(), before);
    draw(QMessageBox::Ok);
    EXPECT_NE(pilotOrder(), before);
    for (int i = 0; i < state.contest.PilotCount; ++i)
        EXPECT_EQ(state.contest.Pilots[i].StartNo, state.contest.StartNoOffset + i);
    state.contest.PilotCount = 3;
    draw(QMessageBox::Ok);
    EXPECT_EQ(shown, "Veltra:Few");

    // The competition file cannot be written: the user is told after the warning.
    state.work.ContestDir = dir.path() + QStringLiteral("/gone/");
    QString failure;
    whenModal([&](QWidget& box) {
        answerMessage(&failure);
        QTest::mouseClick(static_cast<QMessageBox&>(box).button(QMessageBox::Ok), Qt::LeftButton);
    });
    EditStartorder(state, main, random);
    EXPECT_TRUE(failure.startsWith(QStringLiteral("Veltra:")));
    EXPECT_TRUE(failure.contains(QStringLiteral("gone"))) << failure.toStdString();

    // A draw from the menu shows the order drawn, round 1's start list, to be read out.
    state.work.ContestDir = dir.path() + u'/';
    state.contest.PilotCount = 5;
    answerMessage(&shown);
    commands.EditStartorder_Click();
    EXPECT_TRUE(commands.viewForm().isVisible());
    EXPECT_EQ(commands.viewForm().mode(), ViewForm::Mode::StartList);
    EXPECT_EQ(viewText(), ::shown(StartListViewText(state.contest, state.texts,
                                                    QString::fromLatin1(MainCaption), 0, 1)));
}
