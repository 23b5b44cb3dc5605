#include "support/windowfixtures.h"
#include "ui/judgeform.h"
#include "ui/pilotform.h"

#include <gtest/gtest.h>

using namespace veltra;

namespace {

class RecordWindows : public LoadedCompetition {
  protected:
    void openPilot(int index) {
        state.work.EditPilotIndex = index;
        state.work.PilotEditMode = 1;
        pilotForm.show();
    }

    QLineEdit& box(const char* name) { return control<QLineEdit>(pilotForm, name); }

    // OK with one box holding `text`: the refusal's message, or nothing when it was taken.
    QString okWith(const char* name, const char* text) {
        box(name).setText(QString::fromUtf8(text));
        QString shown;
        answerMessage(&shown);
        click(pilotForm, "PilotOK");
        return shown;
    }

    PilotForm pilotForm{state};
};

} // namespace

TEST_F(RecordWindows, AChangedPilotKeepsItsPointsAndBadNumbersOrATakenNameAreRefused) {
    Pilot& navn = state.contest.Pilots[2];
    navn.RoundScore = {412.5, 380.0};
    navn.Total = 792.5;
    state.settings.FrequencyDisplayMode = 1;
    openPilot(2);
    EXPECT_EQ(box("PilotChannel").text(), "61");
    for (const auto& [name, text, word] :
         {std::tuple{"PilotKfact", "abc", "K-factor"},
          std::tuple{"PilotChannel", "1000", "channel"},
          std::tuple{"PilotSTARTNO", "x", "start number"},
          std::tuple{"PilotName", "Per Olsen", "already called \"Per Olsen\""}}) {
        const QString shown = okWith(name, text);
        EXPECT_TRUE(shown.contains(QLatin1String(word))) << name << shown.toStdString();
        EXPECT_EQ(pilotForm.focusWidget(), &box(name)) << name;
        EXPECT_TRUE(pilotForm.isVisible());
    }
    EXPECT_EQ(navn.KFactor, 1.10);
    EXPECT_EQ(navn.Channel, 61.0);

    EXPECT_EQ(navn.Name, "Navn");

    box("PilotName").setText(QStringLiteral("Navn"));
    box("PilotKfact").setText(QStringLiteral("1.2"));
    box("PilotChannel").setText(QStringLiteral("61"));
    box("PilotSTARTNO").setText(QStringLiteral("12"));
    box("PilotClub").clear();
    QTest::keyClicks(&box("PilotClub"), QStringLiteral("Moss,MFK"));
    click(pilotForm, "PilotOK");
    EXPECT_FALSE(pilotForm.isVisible());
    EXPECT_EQ(navn.Club, "Moss MFK");
    EXPECT_EQ(navn.KFactor, 1.2);
    EXPECT_EQ(navn.StartNo, 12);
    EXPECT_EQ(navn.RoundScore[1], 380.0);
    EXPECT_EQ(navn.Total, 792.5);
    EXPECT_EQ(state.contest.PilotCount, 4);
}

TEST_F(RecordWindows, AJudgeTextTheFilesCannotHoldIsRefusedAsInThePilotBoxes) {
    JudgeForm judgeForm{state};
    state.work.EditJudgeIndex = 0;
    state.work.JudgeEditMode = 1;
    const Judge before = state.contest.Judges[0];
    judgeForm.show();
    for (const char* name : {"JudgeName", "JudgeNation"}) {
        QLineEdit& box = control<QLineEdit>(judgeForm, name);
        const QString kept = box.text();
        box.setText(QString::fromUtf8("Łukasz"));
        QString shown;
        answerMessage(&shown);
        click(judgeForm, "JudgeOK");
        EXPECT_EQ(shown, QString::fromUtf8("Veltra:This box cannot hold the character \"Ł\"."));
        EXPECT_TRUE(judgeForm.isVisible());
        EXPECT_EQ(judgeForm.focusWidget(), &box);
        EXPECT_EQ(state.contest.Judges[0].Name, before.Name);
        EXPECT_EQ(state.contest.Judges[0].Nation, before.Nation);
        box.setText(kept);
    }
}
