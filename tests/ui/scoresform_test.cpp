#include "scoring/scorefiles.h"
#include "support/windowdriver.h"
#include "ui/scoresform.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMap>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using namespace veltra;

namespace {

class ScoresWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        state.work.ContestDir = dir.path() + u'/';
        Contest& c = state.contest;
        c.ContName = QString::fromUtf8("Vårcup");
        c.Rounds = 3;
        c.JudgeCount = 5;
        c.ManeuverCount = 3;
        c.ManeuverName = {QStringLiteral("Loop"), QStringLiteral("Roll"), QStringLiteral("Spin")};
        c.ManeuverK = {3, 2, 0};
        c.PilotCount = 3;
        c.Pilots[0].Name = QString::fromUtf8("Bjørn");
        c.Pilots[0].KFactor = 1.10;
        c.Pilots[1].Name = QString::fromUtf8("Kåre");
        c.Pilots[2].Name = QString::fromUtf8("Åse");
    }

    void open() {
        form = std::make_unique<ScoresForm>(state);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        grid = &control<QTableWidget>(*form, "ResultGrid");
        pilots = &control<QListWidget>(*form, "PilotList");
        bonus = &control<QSpinBox>(*form, "ScoresBonus");
    }

    void type(const char* keys) {
        for (const char* k = keys; *k; ++k)
            QTest::keyClick(grid, *k);
    }

    QString cell(int row, int column) const { return grid->item(row, column)->text(); }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    void undo() { QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier); }

    // The control holding the keyboard focus, by the name the window gave it.
    QString focused() const {
        QWidget* widget = QApplication::focusWidget();
        while (widget && widget->objectName().startsWith(u"qt_"))
            widget = widget->parentWidget();
        return widget ? widget->objectName() : QString();
    }
    QString native(const QString& path) const { return QDir::toNativeSeparators(path); }

    // Every file of the competition's folder with its bytes.
    QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> found;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
            found.insert(name, readBytes(dir.filePath(name)));
        return found;
    }

    // Every pilot in every round, then Return, and once more open and closed by the title bar.
    void stepThroughEverything() {
        for (int round = 1; round <= state.contest.Rounds; ++round) {
            control<QSpinBox>(*form, "RoundChange").setValue(round);
            for (int p = 0; p < state.contest.PilotCount; ++p)
                click(*form, "ScoresNext");
        }
        click(*form, "ScoresOK");
        form->show();
        form->close();
        ASSERT_FALSE(form->isVisible());
    }
    QString roundFile(int pilot, int r) const {
        return RoundScoreFilePath(state.contest, state.work, state.contest.Pilots[pilot].Name, r);
    }

    QTemporaryDir dir;
    AppState state;
    std::unique_ptr<ScoresForm> form;
    QTableWidget* grid = nullptr;
    QListWidget* pilots = nullptr;
    QSpinBox* bonus = nullptr;
};

} // namespace

TEST_F(ScoresWindow, TypedMarksWalkDownTheColumnAndRecomputeEveryKey) {
    open();
    EXPECT_EQ(grid->columnCount(), 8);
    EXPECT_EQ(grid->rowCount(), 5);
    EXPECT_EQ(cell(3, 1), ""); // K-factor 0 shows as an empty cell
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), 2);

    // One judge's column at a time, as the judges' sheets are typed: 8, 7, 9, 8, 8 on the loop.
    type("8a5");
    EXPECT_EQ(cell(1, 2), "8");
    EXPECT_EQ(cell(2, 2), "5"); // "a" was ignored
    type("x");                  // 10 on the last maneuver, then on to the next judge's row 1
    EXPECT_EQ(cell(3, 2), "10");
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), 3);
    type("7  ");
    QTest::keyClick(grid, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_Right);
    type("9");
    EXPECT_EQ(cell(1, 4), "9");
    grid->setCurrentCell(1, 5);
    type("8");
    grid->setCurrentCell(1, 6);
    type("8");
    EXPECT_EQ(cell(1, 7), "72"); // (40 - 9 - 7) x 3
    EXPECT_EQ(cell(4, 2), QString::number(8 * 3 + 5 * 2 + 10));

    // The last judge column's last row sends the cursor back to row 1 of the same column.
    grid->setCurrentCell(3, 6);
    type("4");
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), 6);
    const double points = (72 + 5 * 2 + 14) * 1.10;
    EXPECT_EQ(cell(4, 7), QStringLiteral(" 105.6"));
    EXPECT_DOUBLE_EQ(state.contest.Pilots[0].RoundScore[0], points);

    bonus->setValue(-10);
    EXPECT_DOUBLE_EQ(state.contest.Pilots[0].RoundScore[0], (72 + 10 + 14 - 10) * 1.10);
    EXPECT_EQ(cell(4, 7), QStringLiteral("  94.6"));
}

TEST_F(ScoresWindow, MovingOnStoresTheTypedRoundAndRecallsIt) {
    open();
    bonus->setValue(10);
    type("999");
    EXPECT_EQ(cell(4, 7), QStringLiteral("  70.4")); // (27 + 18 + 9 + 10) x 1.10
    click(*form, "ScoresNext");
    EXPECT_TRUE(QFile::exists(roundFile(0, 1)));
    EXPECT_EQ(pilots->currentRow(), 1);
    EXPECT_EQ(bonus->value(), 0);
    EXPECT_EQ(cell(1, 2), "");
    EXPECT_EQ(cell(4, 7), QStringLiteral("   0.0"));

    click(*form, "ScoresNext");
    click(*form, "ScoresNext");
    EXPECT_EQ(pilots->currentRow(), 0); // Next on the last pilot wraps to the first
    EXPECT_EQ(cell(1, 2), "9");
    EXPECT_EQ(cell(1, 3), "0"); // an empty cell was stored as 0 ...
    EXPECT_EQ(bonus->value(), 10);
    EXPECT_EQ(cell(1, 7), ""); // ... and now counts: five marks, highest and lowest dropped
    EXPECT_EQ(cell(4, 7), QStringLiteral("  11.0"));

    control<QSpinBox>(*form, "RoundChange").setValue(2);
    EXPECT_EQ(state.work.CurrentRound, 2);
    EXPECT_EQ(cell(1, 2), "");
    type("5");
    click(*form, "ScoresOK");
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(QFile::exists(roundFile(0, 2)));
    const QByteArray results = readBytes(ResultsFilePath(state.contest, state.work));
    EXPECT_TRUE(results.startsWith("000, Bj\xf8rn, 0011.00, 0016.50, 0000.00, \r\n"))
        << results.toStdString();

    // Shown again, the window is on the pilot and round last worked on, with their marks.
    pilots->setCurrentRow(2);
    type("7");
    click(*form, "ScoresOK");
    form->show();
    EXPECT_EQ(pilots->currentRow(), 2);
    EXPECT_EQ(state.work.EditPilotIndex, 2);
    EXPECT_EQ(control<QSpinBox>(*form, "RoundChange").value(), 2);
    EXPECT_EQ(boxText(*form, "ScoreRound"), "2");
    EXPECT_EQ(cell(1, 2), "7");
    click(*form, "ScoresOK");
    // Pilots or rounds removed meanwhile: the last of those left.
    state.contest.PilotCount = 2;
    state.contest.Rounds = 1;
    form->show();
    EXPECT_EQ(pilots->currentRow(), 1);
    EXPECT_EQ(state.work.EditPilotIndex, 1);
    EXPECT_EQ(state.work.CurrentRound, 1);
}

TEST_F(ScoresWindow, AFailedStoreKeepsTheMarksAndOffersAnotherFolderOrLeaving) {
    open();
    type("8");
    state.work.ContestDir = dir.path() + QStringLiteral("/vanished/");
    QStringList said;
    answerMessages(&said, {"Cancel"});
    pilots->setCurrentRow(2);
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains(QStringLiteral("vanished"))) << said[0].toStdString();
    EXPECT_TRUE(said[0].contains(QStringLiteral("Store them in another folder")))
        << said[0].toStdString();
    EXPECT_EQ(pilots->currentRow(), 0);
    EXPECT_EQ(state.work.EditPilotIndex, 0);
    EXPECT_EQ(cell(1, 2), "8");

    // Leaving without storing asks, naming what would be lost; No offers the ways out again.
    said.clear();
    answerMessages(&said, {"Leave without storing", "No", "Cancel"});
    form->close();
    EXPECT_TRUE(form->isVisible()); // nothing typed is lost by closing
    ASSERT_EQ(said.size(), 3);
    EXPECT_TRUE(said[1].contains(QString::fromUtf8("marks of Bjørn in round 1")))
        << said[1].toStdString();

    // Another folder takes the round file and the results file under their own names.
    QTemporaryDir other;
    said.clear();
    answerMessages(&said, {"another folder", "OK"});
    chooseFolder(other.path());
    form->close();
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(said.size(), 2);
    EXPECT_TRUE(said[1].contains(native(other.path()))) << said[1].toStdString();
    const QString stem = other.path() + QString::fromUtf8("/Vårcup");
    EXPECT_EQ(readBytes(stem + QString::fromUtf8(" Bjørn.R01")).left(15), "SCORE,01,8,0,0,");
    EXPECT_TRUE(readBytes(stem + ".RES").startsWith("000, Bj\xf8rn, 0026.40, "));

    // Leaving without storing puts back the points the round had.
    open();
    type("9");
    EXPECT_DOUBLE_EQ(state.contest.Pilots[0].RoundScore[0], 29.7);
    said.clear();
    answerMessages(&said, {"Leave without storing", "Yes"});
    click(*form, "ScoresOK");
    EXPECT_FALSE(form->isVisible());
    EXPECT_DOUBLE_EQ(state.contest.Pilots[0].RoundScore[0], 26.4);
}

TEST_F(ScoresWindow, OnlyAChangedRoundIsStoredAndADamagedOneOnlyAfterAQuestion) {
    // Bjørn flew round 1; Kåre's points are stored but his round file is gone; Åse's round
    // file is cut short.
    RoundMarks flown;
    for (int j = 0; j < 5; ++j)
        flown.setMark(0, j, 8);
    flown.setBonus(2);
    state.contest.Pilots[0].RoundScore[0] = RoundPoints(flown, state.contest, 1.10);
    ASSERT_TRUE(SaveScores(state.contest, state.work, 0, 1, flown));
    state.contest.Pilots[1].RoundScore[0] = 321.5;
    ASSERT_TRUE(writeBytes(roundFile(2, 1), "SCORE,01,5,6,7,8,9,\r\nSCORE,02,4,4,"));
    const QMap<QString, QByteArray> before = files();

    {
        MessageGuard messages;
        open();
        stepThroughEverything();
        ASSERT_EQ(messages.texts().size(), 1);
        EXPECT_TRUE(messages.texts()[0].startsWith("FEIL " + native(roundFile(2, 1)) +
                                                   "\nIt ends before its BONUS line"))
            << messages.texts()[0].toStdString();
    }
    EXPECT_EQ(files(), before);
    EXPECT_EQ(state.contest.Pilots[1].RoundScore[0], 321.5);
    EXPECT_EQ(state.contest.Pilots[2].RoundScore[0], 0.0);

    // Typing in the damaged round asks first, naming the file; No leaves it as it was read.
    state.work.CurrentRound = 1;
    open();
    QStringList said;
    answerMessages(&said, {"OK", "No", "No"});
    pilots->setCurrentRow(2);
    EXPECT_EQ(cell(1, 6), "9");
    EXPECT_EQ(cell(2, 3), "4");
    grid->setCurrentCell(3, 2);
    type("7");
    ASSERT_EQ(said.size(), 2);
    EXPECT_TRUE(said[1].contains(native(roundFile(2, 1)))) << said[1].toStdString();
    EXPECT_EQ(cell(3, 2), "");
    grid->setCurrentCell(1, 6);
    QTest::keyClick(grid, Qt::Key_Delete);
    ASSERT_EQ(said.size(), 3);
    EXPECT_EQ(cell(1, 6), "9");
    click(*form, "ScoresNext");
    EXPECT_EQ(files(), before);

    // Yes replaces it with the marks shown when the round is left.
    answerMessages(&said, {"OK", "Yes"});
    pilots->setCurrentRow(2);
    grid->setCurrentCell(3, 2);
    type("7");
    EXPECT_EQ(cell(3, 2), "7");
    click(*form, "ScoresOK");
    EXPECT_EQ(
        readBytes(roundFile(2, 1)),
        "SCORE,01,5,6,7,8,9,\r\nSCORE,02,4,4,0,0,0,\r\nSCORE,03,7,0,0,0,0,\r\nBONUS,0\r\n\r\n");
    EXPECT_EQ(state.contest.Pilots[2].RoundScore[0], 63 + 16 + 7);
}

TEST_F(ScoresWindow, MarksTheGridCannotShowAreNeverStoredOverAndNewKFactorsAre) {
    // Written before the schedule lost a maneuver and a judge was removed.
    const QByteArray wider = "SCORE,01,8,8,8,8,8,8,\r\nSCORE,02,7,7,7,7,7,7,\r\n"
                             "SCORE,03,6,6,6,6,6,6,\r\nSCORE,04,5,5,5,5,5,5,\r\nBONUS,0\r\n\r\n";
    ASSERT_TRUE(writeBytes(roundFile(0, 1), wider));
    QString shown;
    answerMessage(&shown);
    open();
    EXPECT_TRUE(shown.contains(u"marks for 4 maneuvers; the schedule of this competition has 3"))
        << shown.toStdString();
    EXPECT_TRUE(shown.contains(u"nothing can be typed")) << shown.toStdString();
    EXPECT_EQ(cell(2, 6), "7");
    type("9");
    bonus->setValue(3);
    EXPECT_EQ(cell(1, 2), "8");
    EXPECT_EQ(bonus->value(), 0);
    click(*form, "ScoresOK");
    EXPECT_EQ(readBytes(roundFile(0, 1)), wider);
    EXPECT_FALSE(QFile::exists(ResultsFilePath(state.contest, state.work)));

    // Points stored before the pilot's K-factor changed are stored again as the marks give them.
    RoundMarks flown;
    for (int j = 0; j < 5; ++j)
        flown.setMark(0, j, 8);
    state.contest.Pilots[1].RoundScore[1] = 72.0;
    ASSERT_TRUE(SaveScores(state.contest, state.work, 1, 2, flown));
    const QByteArray roundBytes = readBytes(roundFile(1, 2));
    state.contest.Pilots[1].KFactor = 1.5;
    answerMessage(&shown);
    open();
    pilots->setCurrentRow(1);
    control<QSpinBox>(*form, "RoundChange").setValue(2);
    EXPECT_EQ(state.contest.Pilots[1].RoundScore[1], 108.0);
    click(*form, "ScoresOK");
    EXPECT_EQ(readBytes(roundFile(1, 2)), roundBytes);
    EXPECT_TRUE(readBytes(ResultsFilePath(state.contest, state.work))
                    .contains(QByteArray("K\xe5re, 0000.00, 0108.00, 0000.00, ")));
}

TEST_F(ScoresWindow, ThreeJudgesKeepEveryMarkAndTheBonusAddsBeforeThePilotKFactor) {
    state.contest.JudgeCount = 3;
    state.contest.ManeuverK = {2, 10, 10};
    open();
    type("8x07x09x0");           // judge by judge down the column: loop, roll, spin
    EXPECT_EQ(cell(1, 5), "48"); // 8 + 7 + 9 = 24, times 2: fewer than four marks, none dropped
    EXPECT_EQ(cell(2, 5), "300");
    EXPECT_EQ(cell(3, 5), ""); // a row sum of 0 shows as an empty cell
    grid->setCurrentCell(3, 2);
    type("9");
    grid->setCurrentCell(3, 3);
    type("9");
    bonus->setValue(-8);
    EXPECT_EQ(cell(4, 5), QStringLiteral(" 572.0")); // (48 + 300 + 180 - 8) x 1.10
}

TEST_F(ScoresWindow, StoreAndRecallThroughTheGridForOneTwoAndElevenJudges) {
    for (int judges : {1, 2, 11}) {
        state.contest.JudgeCount = judges;
        open();
        QByteArray typed;
        for (int i = 0; i < judges * 3; ++i)
            typed += static_cast<char>('0' + (i * 7 + judges) % 10);
        type(typed.constData());
        QStringList shown;
        for (int row = 1; row <= 4; ++row)
            for (int column = 2; column < judges + 3; ++column)
                shown << cell(row, column);
        click(*form, "ScoresNext");
        pilots->setCurrentRow(0);
        QStringList recalled;
        for (int row = 1; row <= 4; ++row)
            for (int column = 2; column < judges + 3; ++column)
                recalled << cell(row, column);
        EXPECT_EQ(recalled, shown) << judges;
        QFile::remove(roundFile(0, 1));
    }
}

// Damaged copies of a round score file, each read and then taken through every way the window
// stores, without a key typed: read exactly as the intact file, or reported with the file's
// name; and no file of the folder changes.
TEST_F(ScoresWindow, DamagedRoundFilesAreReadIntactOrReportedAndNeverWrittenBack) {
    RoundMarks written;
    for (int m = 0; m < 3; ++m)
        for (int j = 0; j < 5; ++j)
            written.setMark(m, j, (m * 3 + j * 2) % 11);
    written.setBonus(-3);
    state.contest.Pilots[0].RoundScore[0] = RoundPoints(written, state.contest, 1.10);
    ASSERT_TRUE(SaveScores(state.contest, state.work, 0, 1, written));
    const QByteArray intact = readBytes(roundFile(0, 1));
    ASSERT_TRUE(intact.startsWith("SCORE,01,0,2,4,6,8,\r\n"));

    QByteArray utf16 = "\xff\xfe";
    for (char c : intact)
        utf16 += QByteArray(1, c) + '\0';
    std::mt19937 random(1306);
    const auto randomBytes = [&random](qsizetype size) {
        QByteArray bytes;
        for (qsizetype i = 0; i < size; ++i)
            bytes += static_cast<char>(random() % 256);
        return bytes;
    };
    const auto flipped = [&random, &intact](int count) {
        QByteArray bytes = intact;
        for (int n = 0; n < count; ++n)
            bytes[random() % bytes.size()] ^= '\xff';
        return bytes;
    };
    const std::pair<const char*, QByteArray> variants[] = {
        {"empty", QByteArray()},
        {"cut at 10 %", intact.left(intact.size() / 10)},
        {"cut at 50 %", intact.left(intact.size() / 2)},
        {"cut at 90 %", intact.left(intact.size() * 9 / 10)},
        {"UTF-8 byte order mark", "\xef\xbb\xbf" + intact},
        {"UTF-16", utf16},
        {"UTF-16 without byte order mark", utf16.mid(2)},
        {"random bytes", randomBytes(intact.size())},
        {"random text", QByteArray(randomBytes(intact.size())).replace('\0', ',')},
        {"one byte flipped", flipped(1)},
        {"three bytes flipped", flipped(3)},
        {"ten bytes flipped", flipped(10)},
        {"mark 11", QByteArray(intact).replace("SCORE,01,0,", "SCORE,01,11,")},
        {"mark -1", QByteArray(intact).replace("SCORE,01,0,", "SCORE,01,-1,")},
        {"bonus -30", QByteArray(intact).replace("BONUS,-3", "BONUS,-30")},
        {"CR line ends", QByteArray(intact).replace("\r\n", "\r")},
        {"LF line ends", QByteArray(intact).replace("\r\n", "\n")},
    };
    for (const auto& [name, bytes] : variants) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(writeBytes(roundFile(0, 1), bytes));
        const QMap<QString, QByteArray> before = files();
        RoundMarks marks;
        const RoundFileRead read = RecallScores(state.contest, state.work, 0, 1, marks);
        bool same = marks.bonus() == written.bonus();
        for (int m = 0; m < 3; ++m)
            for (int j = 0; j < 5; ++j)
                same = same && marks.hasMark(m, j) && marks.mark(m, j) == written.mark(m, j);
        QStringList said;
        {
            MessageGuard messages;
            open();
            stepThroughEverything();
            said = messages.texts();
        }
        const QString named = "FEIL " + native(roundFile(0, 1)) + u'\n';
        const bool reported = !read && read.message.startsWith(named) && !said.isEmpty() &&
                              std::all_of(said.begin(), said.end(),
                                          [&](const QString& m) { return m.startsWith(named); });
        EXPECT_EQ(files(), before);
        EXPECT_TRUE(reported || (read && same && said.isEmpty())) << read.message.toStdString();
    }
}

TEST_F(ScoresWindow, TabAndShiftTabLeaveTheGridAndComeBackAndATypedRoundTypesNoMark) {
    state.contest.Rounds = 10;
    open();
    ASSERT_EQ(focused(), "ResultGrid");
    QStringList path;
    for (int i = 0; i < 7; ++i) {
        press(Qt::Key_Tab);
        path << focused();
    }
    EXPECT_EQ(path, QStringList({"PilotList", "RoundChange", "ScoresPilotKfact", "ScoresBonus",
                                 "ScoresNext", "ScoresOK", "ResultGrid"}));
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), "ScoresOK");
    press(Qt::Key_Tab);
    press(Qt::Key_Down);
    press(Qt::Key_Right);
    type("7");
    EXPECT_EQ(cell(2, 3), "7");

    // From round 2, "10" typed in the round's box goes to round 10 and types no mark.
    control<QSpinBox>(*form, "RoundChange").setValue(2);
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), "RoundChange");
    press(Qt::Key_1);
    press(Qt::Key_0);
    press(Qt::Key_Return);
    EXPECT_EQ(state.work.CurrentRound, 10);
    EXPECT_EQ(focused(), "ResultGrid");
    EXPECT_EQ(cell(2, 3), "");
}

// Delete and Backspace empty a cell; Ctrl+Z takes back the marks and bonus changes of the round
// shown one by one. A round back as it was read is not stored, and the window says whether
// anything waits to be stored.
TEST_F(ScoresWindow, DeleteAndUndoChangeTheShownRoundAndTheWindowSaysWhetherItIsStored) {
    open();
    const auto says = [this](const char* key) {
        return control<QLabel>(*form, "ScoresRoundState").text() ==
               state.texts.get(QLatin1String(key));
    };
    EXPECT_TRUE(says("SCF_ROUND_EMPTY"));
    type("89");
    EXPECT_TRUE(says("SCF_ROUND_CHANGED"));
    QTest::keyClick(grid, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(cell(2, 2), "");
    EXPECT_EQ(grid->currentRow(), 2);
    QTest::keyClick(grid, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_Backspace);
    EXPECT_EQ(cell(1, 2), "");
    EXPECT_EQ(cell(4, 7), QStringLiteral("   0.0"));
    bonus->setValue(3);
    bonus->setValue(5);
    bonus->setFocus();
    press(Qt::Key_Z, Qt::ControlModifier); // both bonus steps at once, from the bonus box
    EXPECT_EQ(bonus->value(), 0);
    undo();
    EXPECT_EQ(cell(1, 2), "8");
    EXPECT_EQ(grid->currentRow(), 1);
    undo();
    EXPECT_EQ(cell(2, 2), "9");
    EXPECT_EQ(cell(4, 7), QStringLiteral("  46.2")); // (24 + 18) x 1.10
    undo();
    undo();
    EXPECT_EQ(cell(1, 2), "");
    EXPECT_EQ(cell(4, 7), QStringLiteral("   0.0"));
    EXPECT_EQ(state.contest.Pilots[0].RoundScore[0], 0.0);
    EXPECT_TRUE(says("SCF_ROUND_EMPTY"));
    click(*form, "ScoresNext");
    EXPECT_TRUE(files().isEmpty());

    // What was stored is what undoing comes back to.
    pilots->setCurrentRow(0);
    type("876876876876876");
    pilots->setCurrentRow(1);
    const QMap<QString, QByteArray> stored = files();
    pilots->setCurrentRow(0);
    EXPECT_TRUE(says("SCF_ROUND_STORED"));
    type("5");
    EXPECT_TRUE(says("SCF_ROUND_CHANGED"));
    undo();
    undo();
    EXPECT_EQ(cell(1, 2), "8");
    EXPECT_TRUE(says("SCF_ROUND_STORED"));
    click(*form, "ScoresOK");
    EXPECT_EQ(files(), stored);
}

// Bold with a check mark: the pilot's round score file of the round shown exists.
TEST_F(ScoresWindow, ThePilotListMarksThePilotsWithStoredMarksInTheRoundShown) {
    ASSERT_TRUE(SaveScores(state.contest, state.work, 1, 1, RoundMarks()));
    open();
    const auto marked = [this] {
        QList<bool> bold;
        for (int i = 0; i < pilots->count(); ++i)
            bold << pilots->item(i)->font().bold();
        return bold;
    };
    EXPECT_EQ(marked(), QList<bool>({false, true, false}));
    type("7");
    control<QSpinBox>(*form, "RoundChange").setValue(2);
    EXPECT_EQ(marked(), QList<bool>({false, false, false}));
    type("7");
    click(*form, "ScoresNext");
    EXPECT_EQ(marked(), QList<bool>({true, false, false}));
    control<QSpinBox>(*form, "RoundChange").setValue(1);
    EXPECT_EQ(marked(), QList<bool>({true, true, false}));
}

// Each judge's heading shows the judge's number and as much of the name as its column shows,
// the whole name in its tooltip.
TEST_F(ScoresWindow, JudgeHeadingsShowTheNumberAndWhatFitsOfTheName) {
    Contest& c = state.contest;
    c.JudgeCount = MaxJudges;
    for (int j = 0; j < MaxJudges; ++j)
        c.Judges[j].Name = j % 2 ? QString::fromUtf8("Ingrid Østby-Kristiansen") : "Hansen";
    open();
    form->resize(1024, 768);
    QCoreApplication::processEvents();
    const QFontMetrics metrics(grid->font());
    for (int j = 0; j < MaxJudges; ++j) {
        SCOPED_TRACE(j);
        const QString heading = cell(0, j + 2);
        const QString number = QString::number(j + 1);
        ASSERT_TRUE(heading.startsWith(number + u' ') || heading.startsWith(number + u'\n'))
            << heading.toStdString();
        const QString name = heading.mid(number.size() + 1);
        EXPECT_TRUE(name == c.Judges[j].Name ||
                    (name.endsWith(u'…') && c.Judges[j].Name.startsWith(name.chopped(1))))
            << name.toStdString();
        for (const QString& line : heading.split(u'\n'))
            EXPECT_LT(metrics.horizontalAdvance(line), grid->columnWidth(j + 2));
        EXPECT_EQ(grid->item(0, j + 2)->toolTip(), c.Judges[j].Name);
    }
    c.JudgeCount = 2;
    open();
    form->resize(1366, 768);
    QCoreApplication::processEvents();
    EXPECT_EQ(cell(0, 3), QString::fromUtf8("2 Ingrid Østby-Kristiansen"));
}
