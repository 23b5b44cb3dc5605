#include "support/windowdriver.h"
#include "ui/printresform.h"

#include <QCheckBox>
#include <QSpinBox>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

class ResultOptionsDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        state.contest.Rounds = 3;
        state.work.CurrentRound = 2;
        main.setGeometry(40, 30, 700, 500);
    }

    // Shows the dialog modally as the results commands do and lets `inside` work it.
    void run(bool askCopies, const std::function<void()>& inside) {
        form.prepare(QStringLiteral("View results"), askCopies);
        whenModal([&](QWidget&) { inside(); });
        form.exec();
    }

    QSpinBox& rounds() { return control<QSpinBox>(form, "Rounds"); }
    QCheckBox& dropLow() { return control<QCheckBox>(form, "DeleteLow"); }

    AppState state;
    QWidget main;
    PrintResForm form{state, &main};
};

} // namespace

TEST_F(ResultOptionsDialog, OffersTheRoundsUpToTheCurrentOneDropsOnlyFromTwoAndCancels) {
    run(true, [&] {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("View results"));
        EXPECT_EQ(rounds().maximum(), 3);
        EXPECT_EQ(boxText(form, "RoundsTxt"), QStringLiteral("2"));
        EXPECT_EQ(boxText(form, "CopiesTxt"), QStringLiteral("1"));
        EXPECT_NEAR(form.frameGeometry().center().x(), main.frameGeometry().center().x(), 1);
        QTest::mouseClick(&dropLow(), Qt::LeftButton);
        rounds().setFocus();
        QTest::keyClick(&rounds(), Qt::Key_Down);
        EXPECT_EQ(boxText(form, "RoundsTxt"), QStringLiteral("1"));
        EXPECT_FALSE(dropLow().isChecked());
        EXPECT_FALSE(dropLow().isEnabled());
        for (int up = 0; up < 3; ++up)
            QTest::keyClick(&rounds(), Qt::Key_Up);
        EXPECT_TRUE(dropLow().isEnabled());
        QTest::mouseClick(&dropLow(), Qt::LeftButton);
        click(form, "ConfirmOK");
    });
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.copies(), 1);
    EXPECT_EQ(form.rounds(), 3);
    EXPECT_TRUE(form.dropLowest());

    // The drop choice stays for the next use; without copies to ask, their box is hidden.
    state.work.CurrentRound = 3;
    run(false, [&] {
        EXPECT_TRUE(dropLow().isChecked());
        EXPECT_FALSE(control<QSpinBox>(form, "Copies").isVisible());
        QTest::keyClick(&form, Qt::Key_Return);
    });
    EXPECT_EQ(form.copies(), 1);
    EXPECT_TRUE(form.dropLowest());

    // Cancel, Escape and the close box cancel, also in a competition without rounds.
    run(false, [&] { click(form, "ConfirmCancel"); });
    EXPECT_EQ(form.copies(), PrintResForm::Cancelled);
    EXPECT_FALSE(form.isVisible());
    run(false, [&] { QTest::keyClick(&form, Qt::Key_Escape); });
    EXPECT_EQ(form.copies(), PrintResForm::Cancelled);

    // A competition without rounds still counts one, with nothing to drop.
    state.contest.Rounds = 0;
    state.work.CurrentRound = 1;
    run(true, [&] {
        EXPECT_EQ(rounds().maximum(), 1);
        EXPECT_FALSE(dropLow().isEnabled());
        form.close();
    });
    EXPECT_EQ(form.copies(), PrintResForm::Cancelled);
}

// Every use opens with the rounds' text selected, so a typed number replaces it and Return takes
// it, also when the drop box had the focus last time and is now disabled.
TEST_F(ResultOptionsDialog, OpensWithTheRoundsSelectedForTyping) {
    const auto typeRounds = [&](const char* keys) {
        QTest::keyClicks(form.focusWidget(), QString::fromLatin1(keys));
        QTest::keyClick(form.focusWidget(), Qt::Key_Return);
    };
    run(false, [&] {
        QTest::mouseClick(&dropLow(), Qt::LeftButton);
        typeRounds("");
    });
    EXPECT_EQ(form.rounds(), 2);
    EXPECT_TRUE(form.dropLowest());
    state.work.CurrentRound = 1;
    run(false, [&] { typeRounds("3"); });
    EXPECT_EQ(form.copies(), 1);
    EXPECT_EQ(form.rounds(), 3);
}
