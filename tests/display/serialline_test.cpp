#include "display/remotedisplayport.h"
#include "support/contestfolder.h"
#include "support/ptypair.h"

#include <QFileInfo>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>
#include <unistd.h>

using namespace veltra;

namespace {

class SerialLine : public ::testing::Test {
  protected:
    void SetUp() override {
        if (PtyPair::socat().isEmpty())
            GTEST_SKIP() << kNoSocat;
        ASSERT_TRUE(dir.isValid());
        contest.ContName = QString::fromUtf8("Vårcup");
        contest.Rounds = 1;
        addPilot(contest, "Åse Ødegård").RoundScore[0] = 987.5;
        ASSERT_TRUE(connectPair(pair));
    }

    void TearDown() override { qunsetenv("VELTRA_COM7"); }

    // Opens the program's end as port 7 and the board's end for the test.
    bool connectPair(PtyPair& with) {
        const QString folder = dir.path() + u'/' + QString::number(++pairs);
        if (!QDir().mkpath(folder) || !with.start(folder))
            return false;
        qputenv("VELTRA_COM7", QFile::encodeName(with.programEnd));
        const Status opened = link.OpenComPort(7, 9600);
        EXPECT_TRUE(opened.ok) << opened.message.toStdString();
        board = std::make_unique<QSerialPort>(with.boardEnd);
        return opened.ok && board->open(QIODevice::ReadWrite);
    }

    void send(const QByteArray& bytes) {
        board->write(bytes);
        ASSERT_TRUE(board->waitForBytesWritten(2000));
    }

    // Everything the board receives until `size` bytes have come, then for a further moment,
    // so that anything sent beyond the expected answer shows up too.
    QByteArray receive(qsizetype size) {
        QByteArray got;
        // A short answer shows in the comparison that follows.
        static_cast<void>(QTest::qWaitFor(
            [&] {
                got += board->readAll();
                return got.size() >= size;
            },
            5000));
        QTest::qWait(150);
        return got + board->readAll();
    }

    QTemporaryDir dir;
    int pairs = 0;
    Contest contest;
    Workspace work;
    RemoteDisplayPort link{contest, work};
    PtyPair pair;
    std::unique_ptr<QSerialPort> board;
};

} // namespace

TEST(SerialPorts, PortNumbersNameTheirDevicesAndAPortThatCannotOpenIsReported) {
    qunsetenv("VELTRA_COM3");
#ifdef Q_OS_WIN
    EXPECT_EQ(SerialDeviceForPort(3), QStringLiteral("COM3"));
#else
    EXPECT_EQ(SerialDeviceForPort(3), QStringLiteral("/dev/ttyS2"));
#endif
    EXPECT_EQ(SerialDeviceForPort(0), QString());
    EXPECT_EQ(LineSettingsText(19200.4), QStringLiteral("19200,N,8,1"));

    QTemporaryDir dir;
    Contest contest;
    Workspace work;
    RemoteDisplayPort link(contest, work);
    const QString missing = dir.path() + QStringLiteral("/no-such-device");
    const QString plainFile = dir.path() + QStringLiteral("/file");
    ASSERT_TRUE(writeBytes(plainFile, "not a serial device"));
    // The device behind port 3, the port and baud rate asked for, what the message must name.
    const std::tuple<QString, int, double, QStringList> refused[] = {
        {missing, 3, 9600, {QDir::toNativeSeparators(missing), QStringLiteral("9600,N,8,1")}},
        {plainFile, 3, 9600, {}},
        {plainFile, 0, 9600, {QStringLiteral("no such port")}},
        {plainFile, 3, 0, {QStringLiteral("baud rate")}}};
    for (const auto& [device, port, baud, words] : refused) {
        qputenv("VELTRA_COM3", QFile::encodeName(device));
        const Status opened = link.OpenComPort(port, baud);
        EXPECT_FALSE(opened.ok) << port << ' ' << baud;
        EXPECT_FALSE(link.isOpen());
        for (const QString& word : words)
            EXPECT_TRUE(opened.message.contains(word)) << opened.message.toStdString();
    }
    qputenv("VELTRA_COM3", "/dev/ttyUSB0");
    EXPECT_EQ(SerialDeviceForPort(3), QStringLiteral("/dev/ttyUSB0"));
    qunsetenv("VELTRA_COM3");
}

TEST_F(SerialLine, ADeviceWithoutPermissionIsReportedWithTheRemedy) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "Running as root, for whom file permissions do not apply.";
    const QString device = QFileInfo(pair.programEnd).canonicalFilePath();
    ASSERT_TRUE(QFile::setPermissions(device, QFileDevice::Permissions()));
    const Status opened = link.OpenComPort(7, 9600);
    EXPECT_FALSE(opened.ok);
    EXPECT_TRUE(opened.message.contains(QStringLiteral("access to it is denied")))
        << opened.message.toStdString();
    EXPECT_TRUE(opened.message.contains(QStringLiteral("dialout"))) << opened.message.toStdString();
}

TEST_F(SerialLine, TheBoardIsAnsweredOverARealLineAlsoWhenItsRequestComesInPieces) {
    send("VRD_Connect\r");
    EXPECT_EQ(receive(14), QByteArray("VRD_Connected\r"));

    const QByteArray update = "V\xE5rcup,1\r0,\xC5se \xD8"
                              "deg\xE5rd,987.5, \r";
    // The program keeps running between the pieces: this very test's waits run its events.
    for (const char* piece : {"VRD_", "Upda", "te", "\r"}) {
        send(piece);
        QTest::qWait(100);
    }
    EXPECT_EQ(receive(update.size()), update);
}

TEST_F(SerialLine, ALargeAnswerArrivesWholeAndAPulledCableMidAnswerIsReportedNotHung) {
    contest.PilotCount = 0;
    contest.Rounds = 10;
    for (int p = 0; p < MaxPilots; ++p) {
        addPilot(contest, "").Name = QStringLiteral("Pilot %1 ").arg(p) + QString(40, QChar(0xF8));
        contest.Pilots[p].RoundScore.fill(1000.0);
    }
    qsizetype answerSize = DisplayHeaderLine(contest).size();
    for (int p = 0; p < contest.PilotCount; ++p)
        answerSize += DisplayPilotLine(contest, p).size();
    send("VRD_Update\r");
    const QByteArray whole = receive(answerSize);
    EXPECT_EQ(whole.size(), answerSize);
    EXPECT_TRUE(whole.startsWith("V\xE5rcup,10\r0,Pilot 0 \xF8\xF8"));

    // Long names make the answer too big to vanish into the line's buffers before the pull.
    for (int p = 0; p < contest.PilotCount; ++p)
        contest.Pilots[p].Name += QString(5000, u'x');
    QSignalSpy problems(&link, &RemoteDisplayPort::problem);
    send("VRD_Update\r");
    QByteArray part;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        part += board->readAll();
        return !part.isEmpty();
    }));
    board->close();
    pair.pull();
    ASSERT_TRUE(problems.wait(5000));
    EXPECT_FALSE(link.isOpen());
    EXPECT_TRUE(problems.at(0).at(0).toString().contains(QStringLiteral("port 7")));

    // Plugged in again and reopened, the link answers as before.
    PtyPair again;
    ASSERT_TRUE(connectPair(again));
    send("VRD_Connect\r");
    EXPECT_EQ(receive(14), QByteArray("VRD_Connected\r"));
    EXPECT_EQ(problems.size(), 1);
}
