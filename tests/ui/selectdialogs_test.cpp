#include "support/contestfolder.h"
#include "support/windowdriver.h"
#include "ui/fileselectform.h"
#include "ui/selectform.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

const QString kCompetitions = QStringLiteral("Competition files (*.cnt)");

QStringList trimmedLines(const QListWidget& list) {
    QStringList texts = lines(list);
    for (QString& text : texts)
        text = text.trimmed();
    return texts;
}

class FileSelect : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"a.cnt", "b.CNT", "c.lng"})
            ASSERT_TRUE(writeBytes(dir.path() + u'/' + QString::fromLatin1(name), "x"));
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        ASSERT_TRUE(writeBytes(dir.path() + QStringLiteral("/sub/d.cnt"), "x"));
        main.setGeometry(100, 100, 800, 600);
        main.show();
    }

    QListWidget& files() { return control<QListWidget>(form, "Files"); }
    QLineEdit& name() { return control<QLineEdit>(form, "txtFilename"); }

    QTemporaryDir dir;
    QWidget main;
    Texts texts;
    FileSelectForm form{texts, main};
};

} // namespace

TEST_F(FileSelect, RefusesAPatternAsNameAndTakesAPickedFile) {
    whenModal([&](QWidget& dialog) {
        EXPECT_EQ(&dialog, &form);
        EXPECT_EQ(control<QComboBox>(form, "cmbFilters").currentText(), kCompetitions);
        EXPECT_EQ(name().text(), "*.cnt");
        EXPECT_EQ(control<QLabel>(form, "lblDirectory").text(),
                  QDir::toNativeSeparators(dir.path()));
        EXPECT_EQ(trimmedLines(files()), QStringList({"a.cnt", "b.CNT"}));
        const QPoint middle = form.frameGeometry().center();
        EXPECT_NEAR(middle.x(), main.frameGeometry().center().x(), 2);
        EXPECT_NEAR(middle.y(), main.frameGeometry().center().y(), 2);

        click(form, "cmdOK");
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.tag(), "CANCEL");
        name().clear();
        QTest::keyClicks(&name(), QStringLiteral("  "));
        QTest::keyClick(&name(), Qt::Key_Return);
        EXPECT_TRUE(form.isVisible());
        clickRow(files(), rowOf(files(), QStringLiteral("b.CNT")));
        EXPECT_EQ(name().text(), "b.CNT");
        QTest::keyClick(&name(), Qt::Key_Return);
    });
    const auto chosen = form.choose(kCompetitions, dir.path(), FileSelectForm::Purpose::Open);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->fileName, "b.CNT");
    EXPECT_EQ(chosen->folder, dir.path() + u'/');
    EXPECT_EQ(form.tag(), "OK");
    EXPECT_EQ(control<QComboBox>(form, "cmbFilters").count(), 0);
}

TEST_F(FileSelect, TheFolderListCancelAndADoubleClickedFile) {
    whenModal([&](QWidget&) {
        QListWidget& folders = control<QListWidget>(form, "Directories");
        doubleClickRow(folders, rowOf(folders, QStringLiteral("sub")));
        EXPECT_EQ(control<QLabel>(form, "lblDirectory").text(),
                  QDir::toNativeSeparators(dir.path() + QStringLiteral("/sub")));
        EXPECT_EQ(trimmedLines(files()), QStringList{"d.cnt"});
        // Enter in the folder list opens the selected folder and leaves the dialog open.
        folders.setCurrentRow(folders.count() - 2);
        QTest::keyClick(&folders, Qt::Key_Return);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.folder(), dir.path());
        EXPECT_TRUE(trimmedLines(folders).contains(QStringLiteral("sub")));
        click(form, "cmdCancel");
    });
    EXPECT_FALSE(form.choose(kCompetitions, dir.path(), FileSelectForm::Purpose::Open));
    EXPECT_EQ(form.tag(), "CANCEL");

    whenModal([&](QWidget&) { doubleClickRow(files(), rowOf(files(), QStringLiteral("a.cnt"))); });
    const auto picked = form.choose(kCompetitions, dir.path(), FileSelectForm::Purpose::Open);
    ASSERT_TRUE(picked);
    EXPECT_EQ(picked->fileName, "a.cnt");
}

TEST_F(FileSelect, ChoosingAFileTypeDoesWhatTheCaptionSays) {
    form.addFileType(kCompetitions);
    form.addFileType(
        FileSelectForm::FileType(QStringLiteral("Language files"), QStringLiteral("*.lng")));
    form.setFolder(dir.path());
    QComboBox& types = control<QComboBox>(form, "cmbFilters");
    EXPECT_EQ(types.itemText(1), "Language files    (*.lng)");
    // The caption, the name typed, the file type chosen by key and what the name becomes.
    const std::tuple<const char*, const char*, int, const char*> cases[] = {
        {"Lagre som", "Cup.cnt", 1, "Cup.lng"},
        // A name without a full stop takes the extension instead of being replaced by it.
        {"Save as", "Cup", 0, "Cup.cnt"},
        {"Åpne fil", "Cup.cnt", 1, "*.lng"},
        {"Velg fil", "Cup.cnt", 1, "Cup.cnt"}};
    for (const auto& [caption, typed, index, expected] : cases) {
        form.setWindowTitle(QString::fromUtf8(caption));
        name().setText(QString::fromLatin1(typed));
        types.setCurrentIndex(1 - index);
        QTest::keyClick(&types, index == 1 ? Qt::Key_Down : Qt::Key_Up);
        ASSERT_EQ(types.currentIndex(), index);
        EXPECT_EQ(name().text(), QString::fromUtf8(expected)) << caption << ' ' << typed;
    }
    EXPECT_EQ(trimmedLines(files()), QStringList{"c.lng"});
}

TEST_F(FileSelect, SavingATypedFolderIsOpenedAndATypedPathChoosesItsOwnFolder) {
    whenModal([&](QWidget&) {
        EXPECT_EQ(form.windowTitle(), "Save as");
        name().clear();
        QTest::keyClicks(&name(), dir.path() + QStringLiteral("/sub"));
        QTest::keyClick(&name(), Qt::Key_Return);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.folder(), dir.path() + QStringLiteral("/sub"));
        EXPECT_EQ(trimmedLines(files()), QStringList{"d.cnt"});
        name().clear();
        QTest::keyClicks(&name(), dir.path() + QStringLiteral("/b.CNT"));
        QTest::keyClick(&name(), Qt::Key_Return);
    });
    const auto chosen = form.choose(kCompetitions, dir.path(), FileSelectForm::Purpose::Save);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->fileName, "b.CNT");
    EXPECT_EQ(chosen->folder, dir.path() + u'/');
}

TEST(Select, SaysWhatItAsksForAndTakesTheLineChosenByKeysOrByADoubleClick) {
    QWidget main;
    main.show();
    Contest contest;
    contest.Judges[0].Name = QStringLiteral("Ann");
    contest.Judges[1].Name = QStringLiteral("Bo");
    contest.JudgeCount = 2;
    for (const char* pilot : {"Cy", "Di", "Ed"})
        addPilot(contest, pilot);
    const Texts texts;
    SelectForm form(contest, texts, main);
    QListWidget& list = control<QListWidget>(form, "SelectList");
    form.setTag(QStringLiteral("JUDGES"));
    whenModal([&](QWidget&) {
        EXPECT_EQ(control<QLabel>(form, "SelectPrompt").text(), "Choose a &judge:");
        QTest::keyClick(&list, Qt::Key_Down);
        QTest::keyClick(&list, Qt::Key_Down);
        QTest::keyClick(&list, Qt::Key_Return);
    });
    form.exec();
    EXPECT_EQ(form.listIndex(), 1);

    form.setTag(QStringLiteral("PILOTS"));
    whenModal([&](QWidget& dialog) {
        EXPECT_EQ(control<QLabel>(form, "SelectPrompt").text(), "Choose a &pilot:");
        doubleClickRow(list, 2);
        EXPECT_FALSE(dialog.isVisible());
        dialog.close();
    });
    form.exec();
    EXPECT_EQ(form.listIndex(), 2);
}
