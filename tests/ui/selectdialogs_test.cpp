#include "support/modal.h"
#include "support/testsupport.h"
#include "ui/fileselectform.h"
#include "ui/selectform.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

template <typename T> T& control(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::runtime_error(std::string("no control ") + name);
    return *found;
}

QStringList lines(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text().trimmed();
    return texts;
}

void clickLine(QListWidget& list, const QString& text, bool twice = false) {
    const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchEndsWith);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    const QPoint centre = list.visualItemRect(found.first()).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
    if (twice)
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
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

    QTemporaryDir dir;
    QWidget main;
    Texts texts;
    FileSelectForm form{texts, main};
};

} // namespace

TEST_F(FileSelect, RefusesAPatternAsNameAndTakesAPickedFile) {
    whenModal([&](QWidget& dialog) {
        EXPECT_EQ(&dialog, &form);
        EXPECT_EQ(control<QComboBox>(form, "cmbFilters").currentText(),
                  "Competition files (*.cnt)");
        EXPECT_EQ(control<QLineEdit>(form, "txtFilename").text(), "*.cnt");
        EXPECT_EQ(control<QLabel>(form, "lblDirectory").text(),
                  QDir::toNativeSeparators(dir.path()));
        EXPECT_EQ(lines(control<QListWidget>(form, "Files")), QStringList({"a.cnt", "b.CNT"}));
        EXPECT_EQ(control<QPushButton>(form, "cmdCancel").text(), "&Cancel");
        const QPoint middle = form.frameGeometry().center();
        EXPECT_NEAR(middle.x(), main.frameGeometry().center().x(), 2);
        EXPECT_NEAR(middle.y(), main.frameGeometry().center().y(), 2);

        QTest::mouseClick(&control<QPushButton>(form, "cmdOK"), Qt::LeftButton);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.tag(), "CANCEL");
        control<QLineEdit>(form, "txtFilename").clear();
        QTest::keyClicks(&control<QLineEdit>(form, "txtFilename"), QStringLiteral("  "));
        QTest::keyClick(&control<QLineEdit>(form, "txtFilename"), Qt::Key_Return);
        EXPECT_TRUE(form.isVisible());

        clickLine(control<QListWidget>(form, "Files"), QStringLiteral("b.CNT"));
        EXPECT_EQ(control<QLineEdit>(form, "txtFilename").text(), "b.CNT");
        QTest::keyClick(&control<QLineEdit>(form, "txtFilename"), Qt::Key_Return);
    });
    const auto chosen = form.choose(QStringLiteral("Competition files (*.cnt)"), dir.path(), true);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->fileName, "b.CNT");
    EXPECT_EQ(chosen->folder, dir.path() + u'/');
    EXPECT_EQ(form.tag(), "OK");
    EXPECT_EQ(control<QComboBox>(form, "cmbFilters").count(), 0);
    const QComboBox& drives = control<QComboBox>(form, "Drives");
    EXPECT_EQ(drives.count(), QDir::drives().size());
    EXPECT_EQ(drives.currentData().toString(), QDir::rootPath());
}

TEST_F(FileSelect, CancelEscapeAndTheFolderList) {
    whenModal([&](QWidget&) {
        QListWidget& folders = control<QListWidget>(form, "Directories");
        clickLine(folders, QStringLiteral("sub"), true);
        EXPECT_EQ(control<QLabel>(form, "lblDirectory").text(),
                  QDir::toNativeSeparators(dir.path() + QStringLiteral("/sub")));
        EXPECT_EQ(lines(control<QListWidget>(form, "Files")), QStringList{"d.cnt"});
        // Enter in the folder list opens the selected folder and leaves the dialog open.
        folders.setCurrentRow(folders.count() - 2);
        QTest::keyClick(&folders, Qt::Key_Return);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.folder(), dir.path());
        EXPECT_TRUE(lines(folders).contains(QStringLiteral("sub")));
        QTest::mouseClick(&control<QPushButton>(form, "cmdCancel"), Qt::LeftButton);
    });
    EXPECT_FALSE(form.choose(QStringLiteral("Competition files (*.cnt)"), dir.path(), false));
    EXPECT_EQ(form.tag(), "CANCEL");

    whenModal([&](QWidget&) {
        clickLine(control<QListWidget>(form, "Files"), QStringLiteral("a.cnt"));
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    EXPECT_FALSE(form.choose(QStringLiteral("Competition files (*.cnt)"), dir.path(), false));

    whenModal([&](QWidget&) {
        clickLine(control<QListWidget>(form, "Files"), QStringLiteral("a.cnt"), true);
    });
    const auto picked = form.choose(QStringLiteral("Competition files (*.cnt)"), dir.path(), false);
    ASSERT_TRUE(picked);
    EXPECT_EQ(picked->fileName, "a.cnt");
}

TEST_F(FileSelect, ChoosingAFileTypeFollowsTheCaption) {
    form.addFileType(QStringLiteral("Competition files (*.cnt)"));
    form.addFileType(QStringLiteral("Language files    (*.lng)"));
    form.setFolder(dir.path());
    QComboBox& types = control<QComboBox>(form, "cmbFilters");
    QLineEdit& name = control<QLineEdit>(form, "txtFilename");
    const auto chooseType = [&](int index) {
        types.setCurrentIndex(1 - index);
        QTest::keyClick(&types, index == 1 ? Qt::Key_Down : Qt::Key_Up);
        ASSERT_EQ(types.currentIndex(), index);
    };

    form.setWindowTitle(QStringLiteral("Lagre som"));
    name.setText(QStringLiteral("Cup.cnt"));
    chooseType(1);
    EXPECT_EQ(name.text(), "Cup.lng");
    EXPECT_EQ(lines(control<QListWidget>(form, "Files")), QStringList{"c.lng"});
    // A name without a full stop takes the extension instead of being replaced by it.
    name.setText(QStringLiteral("Cup"));
    chooseType(0);
    EXPECT_EQ(name.text(), "Cup.cnt");

    form.setWindowTitle(QString::fromUtf8("Åpne fil"));
    name.setText(QStringLiteral("Cup.cnt"));
    chooseType(1);
    EXPECT_EQ(name.text(), "*.lng");

    form.setWindowTitle(QStringLiteral("Velg fil"));
    name.setText(QStringLiteral("Cup.cnt"));
    chooseType(1);
    EXPECT_EQ(name.text(), "Cup.cnt");
    EXPECT_EQ(lines(control<QListWidget>(form, "Files")), QStringList{"c.lng"});
}

TEST(Select, ListsJudgesOrPilotsAndGivesTheChosenIndex) {
    QWidget main;
    main.show();
    Contest contest;
    contest.JudgeCount = 2;
    contest.Judges[0].Name = QStringLiteral("Åse");
    contest.Judges[1].Name = QStringLiteral("Per");
    contest.PilotCount = 3;
    for (int p = 0; p < 3; ++p)
        contest.Pilots[p].Name = QStringLiteral("Pilot %1").arg(p + 1);
    Texts texts;
    texts.set(QStringLiteral("GENERAL_OK"), QStringLiteral("&Ja"));
    SelectForm form(contest, texts, main);
    QListWidget& list = control<QListWidget>(form, "SelectList");

    form.setTag(QStringLiteral("JUDGES"));
    whenModal([&](QWidget&) {
        EXPECT_EQ(lines(list), QStringList({"Åse", "Per"}));
        EXPECT_EQ(control<QPushButton>(form, "SelectOK").text(), "&Ja");
        clickLine(list, QStringLiteral("Per"));
        QTest::mouseClick(&control<QPushButton>(form, "SelectOK"), Qt::LeftButton);
    });
    form.exec();
    EXPECT_EQ(form.listIndex(), 1);

    form.setTag(QStringLiteral("PILOTS"));
    whenModal([&](QWidget&) {
        EXPECT_EQ(lines(list), QStringList({"Pilot 1", "Pilot 2", "Pilot 3"}));
        QTest::mouseClick(&control<QPushButton>(form, "SelectOK"), Qt::LeftButton);
    });
    form.exec();
    EXPECT_EQ(form.listIndex(), -1);

    form.setTag(QStringLiteral("TEAMS"));
    whenModal([&](QWidget&) {
        EXPECT_EQ(lines(list), QStringList({"Pilot 1", "Pilot 2", "Pilot 3"}));
        clickLine(list, QStringLiteral("Pilot 3"));
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    form.exec();
    EXPECT_EQ(form.listIndex(), -1);
}
