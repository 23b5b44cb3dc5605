#include "support/modal.h"
#include "ui/printresform.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

class ResultOptionsDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        state.contest.Rounds = 3;
        state.work.CurrentRound = 2;
        main.setGeometry(40, 30, 700, 500);
        form = std::make_unique<PrintResForm>(state, &main);
        copies = form->findChild<QSpinBox*>(QStringLiteral("Copies"));
        copiesText = form->findChild<QLineEdit*>(QStringLiteral("CopiesTxt"));
        copiesLabel = form->findChild<QLabel*>(QStringLiteral("CopiesLabel"));
        rounds = form->findChild<QSpinBox*>(QStringLiteral("Rounds"));
        roundsText = form->findChild<QLineEdit*>(QStringLiteral("RoundsTxt"));
        dropLow = form->findChild<QCheckBox*>(QStringLiteral("DeleteLow"));
        ok = form->findChild<QPushButton*>(QStringLiteral("ConfirmOK"));
        cancel = form->findChild<QPushButton*>(QStringLiteral("ConfirmCancel"));
        ASSERT_TRUE(copies && copiesText && copiesLabel && rounds && roundsText && dropLow && ok &&
                    cancel);
    }

    // Shows the dialog modally as the results commands do and lets `inside` work it.
    void run(bool askCopies, const std::function<void()>& inside) {
        form->prepare(QStringLiteral("View results"), askCopies);
        whenModal([&](QWidget&) { inside(); });
        form->exec();
    }

    AppState state;
    QWidget main;
    std::unique_ptr<PrintResForm> form;
    QSpinBox* copies = nullptr;
    QLineEdit* copiesText = nullptr;
    QLabel* copiesLabel = nullptr;
    QSpinBox* rounds = nullptr;
    QLineEdit* roundsText = nullptr;
    QCheckBox* dropLow = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

} // namespace

TEST_F(ResultOptionsDialog, OffersTheContestsRoundsFromTheCurrentRoundAndDropsOnlyFromTwo) {
    state.texts.set(QStringLiteral("GENERAL_OK"), QStringLiteral("&Ja"));
    run(true, [&] {
        EXPECT_EQ(form->windowTitle(), QStringLiteral("View results"));
        EXPECT_EQ(ok->text(), QStringLiteral("&Ja"));
        EXPECT_EQ(rounds->minimum(), 1);
        EXPECT_EQ(rounds->maximum(), 3);
        EXPECT_EQ(rounds->value(), 2);
        EXPECT_EQ(roundsText->text(), QStringLiteral("2"));
        EXPECT_EQ(copiesText->text(), QStringLiteral("1"));
        EXPECT_TRUE(copies->isVisible());
        const QRect centre = main.frameGeometry();
        EXPECT_NEAR(form->frameGeometry().center().x(), centre.center().x(), 1);
        EXPECT_NEAR(form->frameGeometry().center().y(), centre.center().y(), 1);

        QTest::mouseClick(dropLow, Qt::LeftButton);
        EXPECT_TRUE(dropLow->isChecked());
        rounds->setFocus();
        QTest::keyClick(rounds, Qt::Key_Down);
        EXPECT_EQ(roundsText->text(), QStringLiteral("1"));
        EXPECT_FALSE(dropLow->isChecked());
        EXPECT_FALSE(dropLow->isEnabled());
        QTest::keyClick(rounds, Qt::Key_Up);
        QTest::keyClick(rounds, Qt::Key_Up);
        QTest::keyClick(rounds, Qt::Key_Up);
        EXPECT_EQ(rounds->value(), 3);
        EXPECT_TRUE(dropLow->isEnabled());
        QTest::mouseClick(dropLow, Qt::LeftButton);
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->copies(), 1);
    EXPECT_EQ(form->rounds(), 3);
    EXPECT_TRUE(form->dropLowest());

    // The drop choice stays for the next use; the rounds follow the current round again.
    state.work.CurrentRound = 3;
    run(false, [&] {
        EXPECT_TRUE(dropLow->isChecked());
        EXPECT_FALSE(copies->isVisible());
        EXPECT_FALSE(copiesText->isVisible());
        EXPECT_FALSE(copiesLabel->isVisible());
        QTest::keyClick(form.get(), Qt::Key_Return);
    });
    EXPECT_EQ(form->copies(), 1);
    EXPECT_TRUE(form->dropLowest());
}

TEST_F(ResultOptionsDialog, CancelEscapeAndTheCloseBoxMarkTheCopiesCancelledEvenWithoutRounds) {
    run(false, [&] { QTest::mouseClick(cancel, Qt::LeftButton); });
    EXPECT_EQ(form->copies(), PrintResForm::Cancelled);
    EXPECT_FALSE(form->isVisible());

    run(false, [&] { QTest::keyClick(form.get(), Qt::Key_Escape); });
    EXPECT_EQ(form->copies(), PrintResForm::Cancelled);

    // A competition without rounds still counts one, with nothing to drop.
    state.contest.Rounds = 0;
    state.work.CurrentRound = 1;
    run(true, [&] {
        EXPECT_EQ(copies->value(), 1);
        EXPECT_EQ(rounds->maximum(), 1);
        EXPECT_FALSE(dropLow->isEnabled());
        form->close();
    });
    EXPECT_EQ(form->copies(), PrintResForm::Cancelled);
}
