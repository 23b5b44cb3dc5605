#include "core/language.h"
#include "support/httpclient.h"
#include "support/ptypair.h"
#include "support/windowfixtures.h"
#include "ui/helpform.h"
#include "ui/qrcode.h"

#include <QCheckBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSpinBox>
#include <QTcpServer>
#include <QTextBrowser>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

class ConfigForms : public MainWindowTest {
  protected:
    void TearDown() override {
        for (const char* port : {"VELTRA_COM4", "VELTRA_COM5"})
            qunsetenv(port);
    }
};

} // namespace

TEST_F(ConfigForms, GeneralSettingsStoreTheFrequencyDisplayModeAtOnce) {
    auto form = start();
    whenModal([](QWidget& dialog) {
        EXPECT_EQ(dialog.objectName(), "ConfigGeneralForm");
        auto& list = control<QListWidget>(dialog, "FrequencyDisplayModeList");
        EXPECT_EQ(list.currentRow(), 0);
        clickRow(list, 1);
        click(dialog, "GeneralConfigOK");
    });
    chooseMenu(*form, Qt::Key_C, {Qt::Key_G});
    EXPECT_EQ(state->settings.FrequencyDisplayMode, 1);
    EXPECT_TRUE(readBytes(ini()).contains("FREQUENCY_DISPLAY_MODE,1\r\n"));
}

TEST_F(ConfigForms, AboutClosesOnAClickAnywhereAndHelpShowsTheManualBesideTheMainWindow) {
    auto form = start();
    bool shown = false;
    whenModal([&](QWidget& about) {
        shown = true;
        EXPECT_EQ(control<QLabel>(about, "AboutVersion").text(), "Ver. 02.41");
        EXPECT_FALSE(control<QLabel>(about, "AboutPicture").pixmap().isNull());
        QTest::mouseClick(&control<QWidget>(about, "AboutPicture"), Qt::LeftButton, {},
                          QPoint(5, 5));
    });
    chooseMenu(*form, Qt::Key_H, {Qt::Key_A});
    EXPECT_TRUE(shown);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    chooseMenu(*form, Qt::Key_H, {Qt::Key_V});
    auto* help = form->findChild<HelpForm*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    auto& browser = control<QTextBrowser>(*help, "HelpText");
    EXPECT_EQ(browser.documentTitle(), "Veltra user manual");
    EXPECT_TRUE(browser.toHtml().contains(QStringLiteral("VRD_Connected")));
    click(*help, "HelpReturn");
    EXPECT_FALSE(help->isVisible());

    // With the Norwegian language file the manual is the Norwegian one.
    ASSERT_TRUE(ReadLanguageFile(shippedFile("Norsk.lng"), state->texts));
    chooseMenu(*form, Qt::Key_H, {Qt::Key_V});
    EXPECT_EQ(browser.documentTitle(), QString::fromUtf8("Veltra brukerhåndbok"));
    click(*help, "HelpContents");
    EXPECT_EQ(browser.documentTitle(), QString::fromUtf8("Veltra brukerhåndbok"));

    // Every link within each manual leads somewhere, each contents list names every chapter in
    // order, and a translation has every section and picture of the English manual.
    const auto captures = [](const QString& html, const QString& pattern) {
        QStringList found;
        for (const QRegularExpressionMatch& match : QRegularExpression(pattern).globalMatch(html))
            found << match.captured(1);
        return found;
    };
    QStringList englishAnchors;
    for (const char* page : {"index.html", "norsk.html"}) {
        QFile source(QStringLiteral(VELTRA_SOURCE_DIR "/resources/manual/") + QLatin1String(page));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << page;
        const QString html = QString::fromUtf8(source.readAll());
        QStringList missing;
        for (const QString& target : captures(html, QStringLiteral("href=\"#([^\"]+)\""))) {
            if (!html.contains(QStringLiteral("id=\"%1\"").arg(target)))
                missing << target;
        }
        EXPECT_TRUE(missing.isEmpty()) << page << ' ' << missing.join(u' ').toStdString();
        const QString contents = html.section(QStringLiteral("</ol>"), 0, 0);
        EXPECT_EQ(captures(contents, QStringLiteral("href=\"#([^\"]+)\"")),
                  captures(html, QStringLiteral("<h2 id=\"([^\"]+)\"")))
            << page;
        const QStringList anchors = captures(html, QStringLiteral("(?:id|src)=\"([^\"]+)\""));
        if (englishAnchors.isEmpty())
            englishAnchors = anchors;
        else
            EXPECT_EQ(anchors, englishAnchors) << page;
    }
}

TEST_F(ConfigForms, RemoteDisplaySettingsAreStoredAndAPortThatCannotOpenIsReported) {
    ASSERT_TRUE(writeBytes(ini(), "LANGUAGE_FILE,English.lng\r\nCONNNECT_TO_REMOTE_DISPLAY,0\r\n"
                                  "COMPORT_TO_REMOTE_DISPLAY,3\r\n"
                                  "BAUDRATE_TO_REMOTE_DISPLAY,19200\r\n"));
    const QString missing = path("no-adapter");
    qputenv("VELTRA_COM4", QFile::encodeName(missing));
    auto form = start();
    QString shown;
    whenModal([&](QWidget& dialog) {
        auto& connect = control<QCheckBox>(dialog, "RemoteConnect");
        EXPECT_FALSE(connect.isChecked());
        EXPECT_EQ(boxText(dialog, "ComportText"), "3");
        EXPECT_EQ(control<QListWidget>(dialog, "Baudrate").currentRow(), 2);
        QTest::keyClick(&control<QSpinBox>(dialog, "ComportNum"), Qt::Key_Up);
        EXPECT_EQ(boxText(dialog, "ComportText"), "4");
        clickRow(control<QListWidget>(dialog, "Baudrate"), 3);
        connect.setChecked(true);
        answerMessage(&shown);
        click(dialog, "ConfigRemoteDisplayOK");
    });
    chooseMenu(*form, Qt::Key_C, {Qt::Key_E});
    EXPECT_TRUE(shown.startsWith(u"Veltra:")) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(missing))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("28800,N,8,1"))) << shown.toStdString();
    EXPECT_TRUE(readBytes(ini()).contains("CONNNECT_TO_REMOTE_DISPLAY,1\r\n"
                                          "COMPORT_TO_REMOTE_DISPLAY,4\r\n"
                                          "BAUDRATE_TO_REMOTE_DISPLAY,28800\r\n"));

    // At the next start the same port is reported again, and the program runs on.
    shown.clear();
    answerMessage(&shown);
    form = start();
    EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(missing))) << shown.toStdString();
    EXPECT_TRUE(form->isVisible());
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

// Ticking the box serves the results at once and shows where; a port another program holds is
// told, and the program runs on without them.
TEST_F(ConfigForms, LiveResultsAreServedWhenSwitchedOnAndAPortInUseIsTold) {
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::Any));
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const int port = probe.serverPort();
    probe.close();

    auto form = start();
    auto& address = control<QLabel>(*form, "LiveResultsAddress");
    EXPECT_FALSE(address.isVisible());
    whenModal([port](QWidget& dialog) {
        EXPECT_EQ(dialog.objectName(), "ConfigLiveResultsForm");
        EXPECT_FALSE(control<QWidget>(dialog, "LiveResultsAddressLabel").isVisible());
        choose(dialog, "LiveResultsEnabled");
        control<QSpinBox>(dialog, "LiveResultsPort").setValue(port);
        click(dialog, "LiveResultsOK");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(control<QWidget>(dialog, "LiveResultsAddressLabel").isVisible());
        const auto& list = control<QListWidget>(dialog, "LiveResultsAddresses");
        for (const QString& shown : lines(list))
            EXPECT_TRUE(shown.endsWith(QStringLiteral(":%1/").arg(port))) << shown.toStdString();
        EXPECT_EQ(control<QLabel>(dialog, "LiveResultsQrCode").isVisible(), list.count() > 0);
        click(dialog, "LiveResultsOK");
    });
    chooseMenu(*form, Qt::Key_C, {Qt::Key_R});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(readBytes(ini()).contains(
        QStringLiteral("LIVE_RESULTS,1\r\nLIVE_RESULTS_PORT,%1\r\n").arg(port).toLatin1()));
    EXPECT_TRUE(address.isVisible());
    EXPECT_TRUE(address.text().contains(QStringLiteral("Live results:")));
    HttpClient phone(static_cast<quint16>(port));
    ASSERT_TRUE(phone.connected());
    EXPECT_EQ(phone.get("/").status, 200);

    QString told;
    whenModal([&told, &taken](QWidget& dialog) {
        control<QSpinBox>(dialog, "LiveResultsPort").setValue(taken.serverPort());
        answerMessage(&told);
        click(dialog, "LiveResultsOK");
    });
    chooseMenu(*form, Qt::Key_C, {Qt::Key_R});
    EXPECT_TRUE(told.contains(QString::number(taken.serverPort()))) << told.toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(address.isVisible());
    EXPECT_TRUE(phone.closedWithin(2000));
}

// A code a phone camera reads: modules 17 + 4 x version wide, the three finder patterns in the
// corners, white all round.
TEST(QrCode, AnAddressGivesASquareCodeWithFinderPatternsInsideAQuietZone) {
    const int size = 3;
    const QImage image = QrCodeImage(QStringLiteral("http://192.168.100.200:8080/"), size);
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.width(), image.height());
    const int modules = image.width() / size - 8;
    EXPECT_EQ((modules - 17) % 4, 0);
    const auto dark = [&](int x, int y) {
        return image.pixelColor((x + 4) * size + 1, (y + 4) * size + 1) == Qt::black;
    };
    for (const auto& [x, y] : {std::pair{0, 0}, {modules - 7, 0}, {0, modules - 7}}) {
        EXPECT_TRUE(dark(x, y) && dark(x + 6, y + 6) && dark(x + 3, y + 3));
        EXPECT_FALSE(dark(x + 1, y + 1) || dark(x + 5, y + 5));
    }
    for (int p = 0; p < image.width(); p += size)
        EXPECT_TRUE(image.pixelColor(p, 1) == Qt::white && image.pixelColor(1, p) == Qt::white);
}
