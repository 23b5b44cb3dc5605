#include "support/windowfixtures.h"
#include "ui/defineteamsform.h"

#include <QLineEdit>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

class TeamWindows : public LoadedCompetition {
  protected:
    void SetUp() override {
        LoadedCompetition::SetUp();
        teams.setPilotChooser(
            [this] { return chosenPilots.isEmpty() ? -1 : chosenPilots.takeFirst(); });
        teams.show();
    }

    QListWidget& teamList() { return control<QListWidget>(teams, "TeamList"); }

    DefineTeamsForm teams{state};
    QList<int> chosenPilots;
};

bool enabled(QWidget& window, const char* button) {
    return control<QAbstractButton>(window, button).isEnabled();
}

} // namespace

TEST_F(TeamWindows, ATeamNeedsANameAndAMemberTakesAtMostThreeAndTwentyTeamsAreTheMost) {
    EXPECT_EQ(lines(teamList()), QStringList({QString::fromUtf8("Tønsberg"), QStringLiteral("Lag"),
                                              QStringLiteral("Alle")}));
    chosenPilots = {1, -1, 0, 3, 2};
    whenModal([this](QWidget& team) {
        QTest::keyClicks(&control<QLineEdit>(team, "TeamName"), QStringLiteral("Lag,1"));
        EXPECT_FALSE(enabled(team, "TeamOK"));
        click(team, "AddPilot");
        EXPECT_TRUE(enabled(team, "TeamOK"));
        click(team, "AddPilot"); // the selection dialog returned without a pilot
        click(team, "AddPilot");
        click(team, "AddPilot");
        QListWidget& members = control<QListWidget>(team, "PilotsInTeamList");
        EXPECT_FALSE(enabled(team, "AddPilot")); // three members are the most
        clickRow(members, 1);
        click(team, "RemovePilot");
        EXPECT_TRUE(enabled(team, "AddPilot"));
        control<QLineEdit>(team, "TeamName").setText(QStringLiteral("  "));
        EXPECT_FALSE(enabled(team, "TeamOK"));
        control<QLineEdit>(team, "TeamName").setText(QString::fromUtf8("Łag"));
        QString shown;
        answerMessage(&shown);
        click(team, "TeamOK");
        EXPECT_EQ(shown, QString::fromUtf8("Veltra:This box cannot hold the character \"Ł\"."));
        EXPECT_TRUE(team.isVisible());
        control<QLineEdit>(team, "TeamName").setText(QStringLiteral("Lag,1"));
        click(team, "TeamOK");
    });
    click(teams, "AddTeam");
    ASSERT_EQ(state.contest.TeamCount, 4);
    const Team& added = state.contest.Teams[3];
    EXPECT_EQ(added.Name, "Lag 1");
    ASSERT_EQ(added.MemberCount, 2);
    EXPECT_EQ(QStringList({added.Members[0], added.Members[1]}),
              QStringList({QString::fromUtf8("Kåre Ås"), "Per Olsen"}));
    EXPECT_EQ(teamList().item(3)->text(), "Lag 1");

    // A team of four from the file keeps its members but takes no fifth.
    whenModal([](QWidget& team) {
        EXPECT_EQ(control<QListWidget>(team, "PilotsInTeamList").count(), 4);
        EXPECT_FALSE(enabled(team, "AddPilot"));
        control<QLineEdit>(team, "TeamName").setText(QStringLiteral("Alle fire"));
        click(team, "TeamOK");
    });
    doubleClickRow(teamList(), 2);
    EXPECT_EQ(state.contest.Teams[2].Name, "Alle fire");
    EXPECT_EQ(state.contest.Teams[2].MemberCount, 4);
    EXPECT_EQ(teamList().item(2)->text(), "Alle fire");

    click(teams, "TeamsOK");
    EXPECT_FALSE(teams.isVisible());

    // Twenty teams are the most the dialog adds.
    for (int t = 4; t < EditorMaxTeams; ++t) {
        state.contest.Teams[t].Name = QStringLiteral("T%1").arg(t);
        state.contest.Teams[t].MemberCount = 0;
    }
    state.contest.TeamCount = EditorMaxTeams;
    teams.show();
    EXPECT_FALSE(enabled(teams, "AddTeam"));
    clickRow(teamList(), 1);
    click(teams, "RemoveTeam");
    EXPECT_EQ(state.contest.TeamCount, EditorMaxTeams - 1);
    EXPECT_EQ(teamList().item(1)->text(), "Alle fire");
}

TEST_F(TeamWindows, AMemberOfAFullTeamIsRemovedWithTheKeyboard) {
    Team& full = state.contest.Teams[0];
    full.Members[2] = QStringLiteral("Per Olsen");
    full.Members[1] = QString::fromUtf8("Kåre Ås");
    full.MemberCount = 3;
    whenModal([](QWidget& team) {
        QTest::keyClick(team.focusWidget(), Qt::Key_Tab);
        QTest::keyClick(team.focusWidget(), Qt::Key_Down);
        accessKey(team, Qt::Key_R);
        EXPECT_TRUE(enabled(team, "AddPilot"));
        QTest::keyClick(team.focusWidget(), Qt::Key_Return);
    });
    doubleClickRow(teamList(), 0);
    ASSERT_EQ(full.MemberCount, 2);
    EXPECT_EQ(QStringList({full.Members[0], full.Members[1]}),
              QStringList({QString::fromUtf8("Bjørn Æsøy"), "Per Olsen"}));
}
