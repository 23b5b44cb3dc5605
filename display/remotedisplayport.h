#pragma once

#include "core/contest.h"
#include "core/status.h"
#include "display/displayprotocol.h"

#include <QObject>
#include <QSerialPort>
#include <QString>

namespace veltra {

// The serial device of port number `portNumber`: the device named by the environment variable
// VELTRA_COM<n> when it is set (a USB adapter, a pseudo-terminal, any serial device), otherwise
// COM<n> on Windows and /dev/ttyS<n-1> elsewhere. Empty when the port has no device.
QString SerialDeviceForPort(int portNumber);

// The line settings text of a baud rate, as "9600,N,8,1".
QString LineSettingsText(double baudRate);

// More than this many characters of earlier answers still unsent means the board is not taking
// them; further requests then go unanswered until the line has drained.
inline constexpr qint64 kOutputBufferSize = 5000;

// The serial line to the results display board: answers each request of the board, on the
// program's one thread, from the receive event of the port.
class RemoteDisplayPort final : public QObject {
    Q_OBJECT

  public:
    RemoteDisplayPort(const Contest& contest, const Workspace& work, QObject* parent = nullptr);

    // Closes the port if it is open, then opens port `portNumber` with `baudRate`, no parity,
    // 8 data bits and 1 stop bit, no handshaking. A failure names the port, its device and why.
    Status OpenComPort(int portNumber, double baudRate);

    bool isOpen() const { return port_.isOpen(); }
    QString deviceName() const { return device_; }

  signals:
    // Something the user should read: the link was lost, or the results file could not be
    // re-read for the board. Delivered from the event loop, never from inside the port's events.
    void problem(const QString& message);

  private:
    void RemoteDisplayPort_OnComm();
    void lineFailed(QSerialPort::SerialPortError error);
    void report(const QString& message);

    QSerialPort port_;
    DisplayProtocol protocol_;
    int portNumber_ = 0;
    QString device_;
};

} // namespace veltra
