#pragma once

#include "core/appstate.h"
#include "core/contestfiles.h"
#include "support/windowdriver.h"
#include "ui/mainform.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

inline QString shippedFile(const char* name) {
    return QStringLiteral(VELTRA_SOURCE_DIR "/resources/program/") + QString::fromLatin1(name);
}

// What the windows told the main window, for a test to read.
class RecordedFeedback final : public veltra::Feedback {
  public:
    void showMessage(const QString& text) override { messages << text; }
    void showFooter(const QString& text) override { footer = text; }
    void showStatus(const QString& text) override { status = text; }
    void showProgress(int percent) override {
        progress.push_back(percent);
        progressShown = true;
    }
    void hideProgress() override { progressShown = false; }

    QStringList messages;
    QString footer;
    QString status;
    std::vector<int> progress;
    bool progressShown = false;
};

// The main window started on a program folder of its own that holds the shipped language files.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        for (const char* name : {"English.lng", "Norsk.lng"})
            ASSERT_TRUE(QFile::copy(shippedFile(name), path(name)));
    }

    std::unique_ptr<veltra::MainForm> start() {
        state = std::make_unique<veltra::AppState>();
        state->work.ProgramDir = home.path();
        auto form = std::make_unique<veltra::MainForm>(*state, nullptr);
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }

    QString path(const char* name) const { return home.path() + u'/' + QString::fromUtf8(name); }
    QString ini() const { return path("Veltra.ini"); }

    QTemporaryDir home;
    std::unique_ptr<veltra::AppState> state;
};

// The competition of tests/data loaded for editing, as Edit, Competition leaves it.
class LoadedCompetition : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QFile::copy(testData("contest.cnt"), dir.filePath(QStringLiteral("cup.cnt"))));
        state.work.ContestDir = dir.path() + u'/';
        state.work.ContestFile = QStringLiteral("cup.cnt");
        ASSERT_TRUE(ReadContest(state.contest, state.work, state.texts));
        state.work.EditMode = 1;
    }

    QTemporaryDir dir;
    veltra::AppState state;
};
