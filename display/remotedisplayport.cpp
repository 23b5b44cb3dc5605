#include "display/remotedisplayport.h"

#include "core/format.h"

#include <QDir>
#include <QMetaObject>
#include <QtGlobal>
#include <limits>

namespace veltra {
namespace {

QString openFailure(int portNumber, const QString& device, const QString& lineSettings,
                    const QString& why) {
    QString message =
        QStringLiteral("The serial port of the remote display could not be opened.\n\nPort %1")
            .arg(portNumber);
    if (!device.isEmpty())
        message += QStringLiteral(": ") + QDir::toNativeSeparators(device);
    return message + QStringLiteral(", ") + lineSettings + QStringLiteral("\n") + why;
}

// What went wrong, in words, followed by the system's own text.
QString failureText(QSerialPort::SerialPortError error, const QString& systemText) {
    const char* what = "The port failed";
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        what = "The device does not exist";
        break;
    case QSerialPort::PermissionError:
        what = "The device is in use or access to it is denied";
        break;
    case QSerialPort::UnsupportedOperationError:
        what = "The device is not a serial port";
        break;
    case QSerialPort::ReadError:
        what = "Reading from the port failed";
        break;
    case QSerialPort::WriteError:
        what = "Writing to the port failed";
        break;
    case QSerialPort::ResourceError:
        what = "The device has gone";
        break;
    default:
        break;
    }
    return QString::fromLatin1(what) + QStringLiteral(" (") + systemText + QStringLiteral(").");
}

// Where the user can make the port work.
QString hintFor(QSerialPort::SerialPortError error, int portNumber) {
    if (error == QSerialPort::DeviceNotFoundError) {
        return QStringLiteral("\n\nThe environment variable VELTRA_COM%1 names the device of "
                              "port %1, for example /dev/ttyUSB0.")
            .arg(portNumber);
    }
    if (error == QSerialPort::PermissionError)
        return QStringLiteral("\n\nOn Linux, members of the group \"dialout\" may use serial "
                              "ports.");
    return QString();
}

} // namespace

QString SerialDeviceForPort(int portNumber) {
    const QByteArray variable = "VELTRA_COM" + QByteArray::number(portNumber);
    const QString named = qEnvironmentVariable(variable.constData());
    if (!named.isEmpty())
        return named;
    if (portNumber < 1)
        return QString();
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(portNumber);
#else
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
#endif
}

QString LineSettingsText(double baudRate) {
    return FormatNumber(baudRate, u"0") + QStringLiteral(",N,8,1");
}

RemoteDisplayPort::RemoteDisplayPort(const Contest& contest, const Workspace& work, QObject* parent)
    : QObject(parent), protocol_(contest, work) {
    connect(&port_, &QSerialPort::readyRead, this, &RemoteDisplayPort::RemoteDisplayPort_OnComm);
    connect(&port_, &QSerialPort::errorOccurred, this, &RemoteDisplayPort::lineFailed);
}

Status RemoteDisplayPort::OpenComPort(int portNumber, double baudRate) {
    if (port_.isOpen())
        port_.close();
    protocol_.Reset();
    portNumber_ = portNumber;
    const QString lineSettings = LineSettingsText(baudRate);
    const QString device = SerialDeviceForPort(portNumber);
    device_ = device;
    if (device.isEmpty()) {
        return Status::failure(openFailure(portNumber, device, lineSettings,
                                           QStringLiteral("There is no such port.")) +
                               hintFor(QSerialPort::DeviceNotFoundError, portNumber));
    }
    const double baud = FormatNumber(baudRate, u"0").toDouble();
    if (baud < 1 || baud > std::numeric_limits<qint32>::max()) {
        return Status::failure(openFailure(portNumber, device, lineSettings,
                                           QStringLiteral("The baud rate is not usable.")));
    }
    // The receive threshold and the one-character reads of the line live on in DisplayProtocol,
    // which starts reading at ten waiting characters; the output limit is kOutputBufferSize.
    port_.setPortName(device);
    port_.setBaudRate(static_cast<qint32>(baud));
    port_.setParity(QSerialPort::NoParity);
    port_.setDataBits(QSerialPort::Data8);
    port_.setStopBits(QSerialPort::OneStop);
    if (!port_.open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError error = port_.error();
        return Status::failure(
            openFailure(portNumber, device, lineSettings, failureText(error, port_.errorString())) +
            hintFor(error, portNumber));
    }
    return Status::success();
}

void RemoteDisplayPort::RemoteDisplayPort_OnComm() {
    const DisplayAnswer answer = protocol_.Receive(port_.readAll());
    // The whole answer goes out or none of it: the board counts the lines it receives.
    if (port_.bytesToWrite() <= kOutputBufferSize) {
        for (const QByteArray& line : answer.lines) {
            if (!port_.isOpen())
                break;
            port_.write(line);
        }
    }
    if (!answer.message.isEmpty())
        report(answer.message);
}

void RemoteDisplayPort::lineFailed(QSerialPort::SerialPortError error) {
    // Failures to open are the opener's to report; a timeout is no failure of the line.
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError || !port_.isOpen())
        return;
    const QString why = failureText(error, port_.errorString());
    port_.close();
    protocol_.Reset();
    report(QStringLiteral("The link to the remote display on port %1 (%2) was lost.\n%3\n\nThe "
                          "port is closed. Confirming Configure, ExternalDisplay with the box "
                          "ticked opens it again.")
               .arg(portNumber_)
               .arg(QDir::toNativeSeparators(device_), why));
}

void RemoteDisplayPort::report(const QString& message) {
    QMetaObject::invokeMethod(
        this, [this, message] { emit problem(message); }, Qt::QueuedConnection);
}

} // namespace veltra
