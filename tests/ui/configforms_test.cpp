#include "core/language.h"
#include "support/modal.h"
#include "support/ptypair.h"
#include "support/testsupport.h"
#include "ui/formsupport.h"
#include "ui/helpform.h"
#include "ui/mainform.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

QString shipped(const char* name) {
    return QStringLiteral(VELTRA_SOURCE_DIR "/resources/program/") + QString::fromLatin1(name);
}

void chooseMenu(MainForm& form, Qt::Key menuKey, Qt::Key itemKey) {
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, menuKey, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, itemKey);
}

void acceptMessage(QString* shown) {
    whenModal([shown](QWidget& box) {
        auto* message = qobject_cast<QMessageBox*>(&box);
        ASSERT_NE(message, nullptr);
        EXPECT_EQ(message->windowTitle(), "Veltra");
        *shown = message->text();
        message->accept();
    });
}

template <typename T> T& child(QWidget& window, const char* name) {
    auto* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return *found;
}

void clickRow(QListWidget& list, int row) {
    list.doItemsLayout(); // a dialog just shown may not have placed its lines yet
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(row)).center());
}

class ConfigForms : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        for (const char* name : {"English.lng", "Norsk.lng"})
            ASSERT_TRUE(QFile::copy(shipped(name), home.path() + u'/' + QString::fromLatin1(name)));
    }

    void TearDown() override {
        for (const char* port : {"VELTRA_COM4", "VELTRA_COM5"})
            qunsetenv(port);
    }

    std::unique_ptr<MainForm> start() {
        state = std::make_unique<AppState>();
        state->work.ProgramDir = home.path();
        auto form = std::make_unique<MainForm>(*state, nullptr);
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }

    QString ini() const { return home.path() + QStringLiteral("/Veltra.ini"); }

    QTemporaryDir home;
    std::unique_ptr<AppState> state;
};

} // namespace

TEST_F(ConfigForms, GeneralSettingsStoreTheFrequencyDisplayModeAtOnce) {
    auto form = start();
    whenModal([](QWidget& dialog) {
        EXPECT_EQ(dialog.objectName(), "ConfigGeneralForm");
        EXPECT_EQ(dialog.windowTitle(), "General settings");
        auto& list = child<QListWidget>(dialog, "FrequencyDisplayModeList");
        EXPECT_EQ(list.currentRow(), 0);
        EXPECT_EQ(list.item(1)->text(), "Channel #");
        clickRow(list, 1);
        QTest::mouseClick(&child<QPushButton>(dialog, "GeneralConfigOK"), Qt::LeftButton);
    });
    chooseMenu(*form, Qt::Key_C, Qt::Key_G);
    EXPECT_EQ(state->settings.FrequencyDisplayMode, 1);
    EXPECT_TRUE(readBytes(ini()).contains("FREQUENCY_DISPLAY_MODE,1\r\n"));

    // A stored mode that is neither entry shows no selection, and OK without one keeps it.
    state->settings.FrequencyDisplayMode = 7;
    whenModal([](QWidget& dialog) {
        EXPECT_EQ(child<QListWidget>(dialog, "FrequencyDisplayModeList").currentRow(), -1);
        QTest::mouseClick(&child<QPushButton>(dialog, "GeneralConfigOK"), Qt::LeftButton);
    });
    chooseMenu(*form, Qt::Key_C, Qt::Key_G);
    EXPECT_EQ(state->settings.FrequencyDisplayMode, 7);
    EXPECT_TRUE(readBytes(ini()).contains("FREQUENCY_DISPLAY_MODE,7\r\n"));
}

TEST_F(ConfigForms, AboutShowsTheVersionAndClosesOnAClickAnywhere) {
    auto form = start();
    for (const char* target : {"AboutPicture", "AboutVersion", ""}) {
        bool shown = false;
        whenModal([&](QWidget& about) {
            shown = true;
            EXPECT_EQ(about.windowTitle(), "About Veltra");
            EXPECT_EQ(child<QLabel>(about, "AboutVersion").text(), "Ver. 02.41");
            EXPECT_FALSE(child<QLabel>(about, "AboutPicture").pixmap().isNull());
            QWidget* clicked = *target ? &child<QWidget>(about, target) : &about;
            QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(5, 5));
        });
        chooseMenu(*form, Qt::Key_H, Qt::Key_A);
        EXPECT_TRUE(shown);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << target;
    }
}

TEST_F(ConfigForms, HelpShowsTheManualBesideTheMainWindowAndEveryLinkInItLeadsSomewhere) {
    auto form = start();
    chooseMenu(*form, Qt::Key_H, Qt::Key_V);
    auto* help = form->findChild<HelpForm*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    auto& browser = child<QTextBrowser>(*help, "HelpText");
    EXPECT_EQ(browser.documentTitle(), "Veltra user manual");
    EXPECT_EQ(child<QPushButton>(*help, "HelpReturn").text(), "&Return");

    const QString manual = browser.toHtml();
    QFile source(QString::fromLatin1(ManualUrl).mid(3));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(source.readAll());
    QStringList missing;
    for (const QRegularExpressionMatch& link :
         QRegularExpression(QStringLiteral("href=\"#([^\"]+)\"")).globalMatch(html)) {
        if (!html.contains(QStringLiteral("id=\"%1\"").arg(link.captured(1))))
            missing << link.captured(1);
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.join(u' ').toStdString();
    EXPECT_TRUE(manual.contains(QStringLiteral("VRD_Connected")));

    QTest::mouseClick(&child<QPushButton>(*help, "HelpReturn"), Qt::LeftButton);
    EXPECT_FALSE(help->isVisible());
}

TEST_F(ConfigForms, RemoteDisplaySettingsAreStoredAndAPortThatCannotOpenIsReported) {
    ASSERT_TRUE(writeBytes(ini(), "LANGUAGE_FILE,English.lng\r\nCONNNECT_TO_REMOTE_DISPLAY,0\r\n"
                                  "COMPORT_TO_REMOTE_DISPLAY,3\r\n"
                                  "BAUDRATE_TO_REMOTE_DISPLAY,19200\r\n"));
    const QString missing = home.path() + QStringLiteral("/no-adapter");
    qputenv("VELTRA_COM4", QFile::encodeName(missing));
    auto form = start();
    QString shown;
    whenModal([&](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Remote display");
        auto& connect = child<QCheckBox>(dialog, "RemoteConnect");
        EXPECT_FALSE(connect.isChecked());
        EXPECT_EQ(child<QLineEdit>(dialog, "ComportText").text(), "3");
        EXPECT_EQ(child<QListWidget>(dialog, "Baudrate").currentRow(), 2);
        auto& port = child<QSpinBox>(dialog, "ComportNum");
        EXPECT_EQ(port.maximum(), 10);
        QTest::keyClick(&port, Qt::Key_Up);
        EXPECT_EQ(child<QLineEdit>(dialog, "ComportText").text(), "4");
        clickRow(child<QListWidget>(dialog, "Baudrate"), 3);
        connect.setChecked(true);
        acceptMessage(&shown);
        QTest::mouseClick(&child<QPushButton>(dialog, "ConfigRemoteDisplayOK"), Qt::LeftButton);
    });
    chooseMenu(*form, Qt::Key_C, Qt::Key_E);
    EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(missing))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("28800,N,8,1"))) << shown.toStdString();
    const QByteArray saved = readBytes(ini());
    EXPECT_TRUE(saved.contains("CONNNECT_TO_REMOTE_DISPLAY,1\r\nCOMPORT_TO_REMOTE_DISPLAY,4\r\n"
                               "BAUDRATE_TO_REMOTE_DISPLAY,28800\r\n"));

    // At the next start the same port is reported again, and the program runs on.
    shown.clear();
    acceptMessage(&shown);
    form = start();
    EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(missing))) << shown.toStdString();
    EXPECT_TRUE(form->isVisible());

    // A baud rate that is none of the entries selects the first.
    state->settings.BaudrateToRemoteDisplay = 38400;
    whenModal([](QWidget& dialog) {
        EXPECT_EQ(child<QListWidget>(dialog, "Baudrate").currentRow(), 0);
        child<QCheckBox>(dialog, "RemoteConnect").setChecked(false);
        QTest::mouseClick(&child<QPushButton>(dialog, "ConfigRemoteDisplayOK"), Qt::LeftButton);
    });
    chooseMenu(*form, Qt::Key_C, Qt::Key_E);
    EXPECT_EQ(state->settings.BaudrateToRemoteDisplay, 9600);
    EXPECT_EQ(state->settings.ConnectToRemoteDisplay, 0);
}

TEST_F(ConfigForms, ThePortOpensAtStartUpWhenTheSettingsSaySoAndAnswersTheBoard) {
    if (PtyPair::socat().isEmpty())
        GTEST_SKIP() << kNoSocat;
    PtyPair pair;
    ASSERT_TRUE(pair.start(home.path()));
    qputenv("VELTRA_COM5", QFile::encodeName(pair.programEnd));
    ASSERT_TRUE(writeBytes(ini(), "LANGUAGE_FILE,English.lng\r\nCONNNECT_TO_REMOTE_DISPLAY,1\r\n"
                                  "COMPORT_TO_REMOTE_DISPLAY,5\r\n"
                                  "BAUDRATE_TO_REMOTE_DISPLAY,9600\r\n"));
    auto form = start();
    QSerialPort board(pair.boardEnd);
    ASSERT_TRUE(board.open(QIODevice::ReadWrite));
    board.write("VRD_Connect\r");
    QByteArray answer;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        answer += board.readAll();
        return answer.size() >= 14;
    }));
    EXPECT_EQ(answer, QByteArray("VRD_Connected\r"));
}

TEST_F(ConfigForms, EachCaptionKeyHasOneControlAndTheLanguageFileReachesIt) {
    ASSERT_TRUE(writeBytes(ini(), "LANGUAGE_FILE,Norsk.lng\r\n"));
    auto form = start();
    QList<QWidget*> windows;
    for (auto [menu, item] : {std::pair{Qt::Key_O, Qt::Key_G}, std::pair{Qt::Key_O, Qt::Key_R},
                              std::pair{Qt::Key_H, Qt::Key_O}}) {
        whenModal([&windows](QWidget& dialog) {
            windows << &dialog;
            dialog.close();
        });
        chooseMenu(*form, menu, item);
    }
    ASSERT_EQ(windows.size(), 3);
    Texts norwegian;
    ASSERT_TRUE(ReadLanguageFile(shipped("Norsk.lng"), norwegian));
    int checked = 0;
    for (const LanguageKey& key : LanguageKeys()) {
        for (QWidget* window : windows) {
            if (window->objectName() != QLatin1String(key.window))
                continue;
            QList<QObject*> objects = window->findChildren<QObject*>();
            objects << window;
            QList<QObject*> carriers;
            for (QObject* object : objects) {
                if (object->property(LanguageKeyProperty).toString() == QLatin1String(key.key))
                    carriers << object;
            }
            ASSERT_EQ(carriers.size(), 1) << key.key;
            const QString expected = norwegian.get(QString::fromLatin1(key.key));
            QObject* carrier = carriers.first();
            const QString shown =
                carrier == window ? window->windowTitle() : carrier->property("text").toString();
            EXPECT_EQ(shown, expected) << key.key;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 7);
}
