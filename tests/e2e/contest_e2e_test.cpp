// A whole contest as a director runs it, through the real windows with keys and mouse clicks:
// a new schedule, a new competition with judges, pilots and a team, marks for three rounds, the
// results viewed and exported, the display board asking over a serial line, quit, and a restart
// that reopens the contest and shows the same results. The reports and the printing have tests
// of their own.
#include "scoring/results.h"
#include "scoring/scorefiles.h"
#include "support/ptypair.h"
#include "support/windowfixtures.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSerialPort>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

// Key by key, Norwegian letters included, as a keyboard with those keys types them.
void type(QWidget& window, const char* box, const QString& text) {
    auto& edit = control<QLineEdit>(window, box);
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Backspace);
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(&edit, static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void spinTo(QWidget& window, const char* spin, int value) {
    auto& box = control<QSpinBox>(window, spin);
    while (box.value() < value)
        QTest::keyClick(&box, Qt::Key_Up);
    while (box.value() > value)
        QTest::keyClick(&box, Qt::Key_Down);
}

struct PilotEntry {
    const char* name;
    const char* club;
};
const PilotEntry kPilots[] = {{"Bjørn Æsøy", "Tønsberg MFK"},
                              {"Kåre Ås", "Bærum MFK"},
                              {"Åse Lie", "Tønsberg MFK"},
                              {"Per Olsen", "Ørland MFK"}};
const char* kJudges[] = {"Hans Müller", "Karin Sæther", "Jon Tveit"};
const char* kManeuvers[][2] = {{"Loop", "2"}, {"Rull", "3"}, {"Landing", "1"}};

// The competition goes into a folder of its own.
class WholeContest : public MainWindowTest {
  protected:
    QTemporaryDir cups;
};

void makeSchedule(MainForm& main) {
    whenModal([](QWidget& library) {
        whenModal([](QWidget& naming) {
            whenModal([](QWidget& editor) {
                for (const auto& maneuver : kManeuvers) {
                    whenModal([&maneuver](QWidget& dialog) {
                        type(dialog, "ManeuverName", QString::fromUtf8(maneuver[0]));
                        spinTo(dialog, "ManeuverKFact", QString::fromLatin1(maneuver[1]).toInt());
                        click(dialog, "ManeuverOK");
                    });
                    click(editor, "EditSchedAdd");
                }
                spinTo(editor, "Competitortime", 8);
                click(editor, "EditSchedOK");
            });
            type(naming, "ScheduleName", QStringLiteral("Klubb"));
            click(naming, "NewSchedOK");
        });
        click(library, "ScheduleAdd");
        click(library, "ScheduleReturn");
    });
    chooseMenu(main, Qt::Key_E, {Qt::Key_F});
}

void makeCompetition(MainForm& main) {
    chooseMenu(main, Qt::Key_F, {Qt::Key_N});
    QWidget& editor = *main.findChild<QWidget*>(QStringLiteral("CompetitionForm"));
    ASSERT_TRUE(editor.isVisible());
    type(editor, "CompetitionName", QString::fromUtf8("Vårcup"));
    type(editor, "CompetitionDate", QStringLiteral("16.05.2026"));
    type(editor, "CompetitionLocation", QStringLiteral("Jarlsberg"));
    clickRow(control<QListWidget>(editor, "ScheduleList"), 0);
    for (const char* judge : kJudges) {
        whenModal([judge](QWidget& dialog) {
            type(dialog, "JudgeName", QString::fromUtf8(judge));
            type(dialog, "JudgeNation", QStringLiteral("NOR"));
            click(dialog, "JudgeOK");
        });
        click(editor, "AddJudge");
    }
    for (const PilotEntry& pilot : kPilots) {
        whenModal([&pilot](QWidget& dialog) {
            type(dialog, "PilotName", QString::fromUtf8(pilot.name));
            type(dialog, "PilotClub", QString::fromUtf8(pilot.club));
            click(dialog, "PilotOK");
        });
        click(editor, "AddPilot");
    }
    // A team of the first and third pilot.
    whenModal([](QWidget& teams) {
        whenModal([](QWidget& team) {
            type(team, "TeamName", QString::fromUtf8("Tønsberg"));
            for (int row : {0, 2}) {
                whenModal([row](QWidget& select) {
                    clickRow(control<QListWidget>(select, "SelectList"), row);
                    click(select, "SelectOK");
                });
                click(team, "AddPilot");
            }
            click(team, "TeamOK");
        });
        click(teams, "AddTeam");
        click(teams, "TeamsOK");
    });
    click(editor, "DefineTeams");
    whenModal([](QWidget& files) {
        type(files, "txtFilename", QStringLiteral("cup.cnt"));
        click(files, "cmdOK");
    });
    click(editor, "CompetitionOK");
    EXPECT_FALSE(editor.isVisible());
}

// Marks typed judge by judge down each column, with a bonus set by the spin's arrow keys.
void typeRound(QWidget& scores, int round, const QList<QByteArray>& marksPerPilot,
               const QList<int>& bonuses) {
    auto& grid = control<QTableWidget>(scores, "ResultGrid");
    spinTo(scores, "RoundChange", round);
    for (int p = 0; p < marksPerPilot.size(); ++p) {
        QTest::keyClicks(&grid, QString::fromLatin1(marksPerPilot[p]));
        spinTo(scores, "ScoresBonus", bonuses[p]);
        click(scores, "ScoresNext");
    }
}

QString resultsText(MainForm& main, int rounds) {
    whenModal([rounds](QWidget& options) {
        spinTo(options, "Rounds", rounds);
        click(options, "ConfirmOK");
    });
    chooseMenu(main, Qt::Key_V, {Qt::Key_R});
    QWidget* view = main.findChild<QWidget*>(QStringLiteral("ViewForm"));
    if (!view)
        return {};
    const QString text = control<QPlainTextEdit>(*view, "ViewArea").toPlainText();
    click(*view, "Return");
    return text;
}

} // namespace

TEST_F(WholeContest, FromANewScheduleToTheResultsAfterARestart) {
    // Everything but the display board runs where socat is missing.
    PtyPair line;
    const bool serialLine = !PtyPair::socat().isEmpty() && line.start(cups.path());
    if (serialLine)
        qputenv("VELTRA_COM3", line.programEnd.toUtf8());
    QString results;
    {
        auto main = start();
        AppState& state = *this->state;
        state.work.ContestDir = cups.path() + u'/';
        makeSchedule(*main);
        EXPECT_EQ(readBytes(home.filePath(QStringLiteral("Klubb.sch"))),
                  "TOTALTIME, 8\r\n#, Maneuvre                     ,K\r\n"
                  "MAN, 01, Loop, 2\r\nMAN, 02, Rull, 3\r\nMAN, 03, Landing, 1\r\n");
        makeCompetition(*main);
        const QString contestFile = cups.filePath(QStringLiteral("cup.cnt"));
        ASSERT_TRUE(QFile::exists(contestFile));
        EXPECT_EQ(state.contest.PilotCount, 4);
        EXPECT_EQ(state.contest.JudgeCount, 3);
        EXPECT_EQ(state.contest.TeamCount, 1);

        whenModal([](QWidget& scores) {
            typeRound(scores, 1, {"987876998", "555666777", "xxx999888", "444555666"},
                      {3, 0, -2, 0});
            typeRound(scores, 2, {"888888888", "666777666", "999999999", "555555555"},
                      {0, -5, 1, 0});
            // The first pilot's round 2 explained and written beside the competition.
            whenModal([](QWidget& explain) {
                const QString text = control<QPlainTextEdit>(explain, "ExplainArea").toPlainText();
                EXPECT_TRUE(text.contains(QStringLiteral("Round : 2"))) << text.toStdString();
                click(explain, "ExplainExport");
                click(explain, "ExplainReturn");
            });
            click(scores, "ScoresExplain");
            typeRound(scores, 3, {"777777777", "666666666", "888888888", "555555555"},
                      {0, 0, 0, 0});
            clickRow(control<QListWidget>(scores, "PilotList"), 2);
            click(scores, "ScoresOK");
        });
        chooseMenu(*main, Qt::Key_E, {Qt::Key_S});
        EXPECT_EQ(QDir(cups.path()).entryList({QStringLiteral("* Explanation * R02.txt")}).size(),
                  1);

        // The results proposed are those of the rounds scored, typed over or taken with Return.
        whenModal([](QWidget& options) {
            EXPECT_EQ(control<QSpinBox>(options, "Rounds").value(), 3);
            EXPECT_EQ(options.focusWidget(), &control<QSpinBox>(options, "Rounds"));
            QTest::keyClick(options.focusWidget(), Qt::Key_Return);
        });
        chooseMenu(*main, Qt::Key_V, {Qt::Key_R});
        QWidget* view = main->findChild<QWidget*>(QStringLiteral("ViewForm"));
        ASSERT_NE(view, nullptr);
        EXPECT_TRUE(control<QPlainTextEdit>(*view, "ViewArea").toPlainText().contains("3N"));
        click(*view, "Return");
        // The score window opens again on the pilot and round last worked on.
        whenModal([](QWidget& scores) {
            EXPECT_EQ(control<QSpinBox>(scores, "RoundChange").value(), 3);
            EXPECT_EQ(control<QListWidget>(scores, "PilotList").currentRow(), 2);
            click(scores, "ScoresOK");
        });
        chooseMenu(*main, Qt::Key_E, {Qt::Key_S});
        EXPECT_TRUE(QFile::exists(ResultsFilePath(state.contest, state.work)));

        results = resultsText(*main, 2);
        ASSERT_FALSE(results.isEmpty());
        for (const PilotEntry& pilot : kPilots)
            EXPECT_TRUE(results.contains(QString::fromUtf8(pilot.name))) << pilot.name;
        EXPECT_TRUE(results.contains(QString::fromUtf8("Tønsberg")));

        // The results export beside the competition file.
        whenModal([](QWidget& options) {
            spinTo(options, "Rounds", 2);
            click(options, "ConfirmOK");
        });
        chooseMenu(*main, Qt::Key_F, {Qt::Key_E, Qt::Key_R});
        const QByteArray exported =
            readBytes(cups.filePath(QString::fromUtf8("Vårcup results.txt")));
        EXPECT_TRUE(exported.contains("\xc5se Lie")) << exported.toStdString();
        // The display board on serial port 3 asks for the standings.
        if (serialLine) {
            whenModal([](QWidget& dialog) {
                choose(dialog, "RemoteConnect");
                spinTo(dialog, "ComportNum", 3);
                click(dialog, "ConfigRemoteDisplayOK");
            });
            chooseMenu(*main, Qt::Key_C, {Qt::Key_E});
            QSerialPort board(line.boardEnd);
            ASSERT_TRUE(board.open(QIODevice::ReadWrite));
            board.write("VRD_Update\r");
            ASSERT_TRUE(board.waitForBytesWritten(2000));
            QByteArray answer;
            EXPECT_TRUE(QTest::qWaitFor(
                [&] {
                    answer += board.readAll();
                    return answer.count('\r') >= 5;
                },
                5000));
            EXPECT_TRUE(answer.startsWith(QByteArray("V\xe5rcup,4\r"))) << answer.toStdString();
            const QString first = QString::number(state.contest.Pilots[0].RoundScore[0]);
            EXPECT_TRUE(answer.contains(first.toLatin1())) << answer.toStdString();
        }
        chooseMenu(*main, Qt::Key_F, {Qt::Key_Q});
    }

    // A new run reopens the contest from the recent-files menu and shows the same results.
    auto main = start();
    chooseMenu(*main, Qt::Key_F, {Qt::Key_1});
    EXPECT_EQ(state->work.ContestFile, "cup.cnt");
    EXPECT_EQ(resultsText(*main, 2), results);
    qunsetenv("VELTRA_COM3");
    if (!serialLine)
        GTEST_SKIP() << kNoSocat;
}
