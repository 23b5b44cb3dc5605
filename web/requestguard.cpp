#include "web/requestguard.h"

#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>

namespace veltra {
namespace {

QByteArray refusal(int status, const char* reason) {
    const QByteArray body = QByteArray(reason) + '\n';
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason +
           "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: " +
           QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

// Follows one connection's requests byte by byte: where a request line and its headers end,
// how long they are, and how much body follows them, which it skips.
class RequestGuard final : public QObject {
  public:
    RequestGuard(QTcpSocket& socket, const ServerLimits& limits)
        : QObject(&socket), socket_(socket), limits_(limits) {
        idle_.setSingleShot(true);
        head_.setSingleShot(true);
        connect(&idle_, &QTimer::timeout, this, [this] { socket_.abort(); });
        connect(&head_, &QTimer::timeout, this, [this] { refuse(408, "Request Timeout"); });
        connect(&socket_, &QTcpSocket::readyRead, this, &RequestGuard::look);
        connect(&socket_, &QTcpSocket::bytesWritten, this, [this] { idle_.start(limits_.idleMs); });
        idle_.start(limits_.idleMs);
    }

  private:
    void look() {
        idle_.start(limits_.idleMs);
        if (refused_) {
            socket_.readAll();
            return;
        }
        const QByteArray arrived = socket_.peek(socket_.bytesAvailable());
        for (qsizetype i = 0; i < arrived.size() && !refused_;) {
            if (bodyLeft_ > 0) {
                const qsizetype skipped = std::min<qint64>(bodyLeft_, arrived.size() - i);
                bodyLeft_ -= skipped;
                i += skipped;
                continue;
            }
            if (!inHead_) {
                inHead_ = true;
                head_.start(limits_.headMs);
            }
            const char c = arrived.at(i++);
            if (++headLength_ > limits_.head) {
                refuse(431, "Request Header Fields Too Large");
            } else if (c == '\n') {
                endLine();
            } else if (line_.size() < limits_.head) {
                line_.append(c);
                if (firstLine_ && line_.size() > limits_.requestLine)
                    refuse(414, "URI Too Long");
            }
        }
    }

    void endLine() {
        if (line_.endsWith('\r'))
            line_.chop(1);
        const QByteArray line = std::exchange(line_, QByteArray());
        if (firstLine_) {
            static const QRegularExpression requestLine(
                QStringLiteral("^[A-Za-z]+ [\\x21-\\x7e]+ HTTP/1\\.[01]$"));
            if (line.isEmpty()) // a blank line between requests is allowed
                return;
            if (!requestLine.match(QString::fromLatin1(line)).hasMatch())
                return refuse(400, "Bad Request");
            firstLine_ = false;
        } else if (line.isEmpty()) {
            endHead();
        } else {
            header(line);
        }
    }

    void header(const QByteArray& line) {
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            return refuse(400, "Bad Request");
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "transfer-encoding") {
            chunked_ = true;
        } else if (name == "content-length") {
            bool number = false;
            contentLength_ = value.toLongLong(&number);
            if (!number || contentLength_ < 0)
                refuse(400, "Bad Request");
        }
    }

    void endHead() {
        head_.stop();
        if (chunked_ || contentLength_ > limits_.body)
            return refuse(413, "Payload Too Large");
        bodyLeft_ = contentLength_;
        inHead_ = false;
        firstLine_ = true;
        chunked_ = false;
        contentLength_ = 0;
        headLength_ = 0;
    }

    // The parser never sees what was refused: it is read away before the parser's turn.
    void refuse(int status, const char* reason) {
        refused_ = true;
        head_.stop();
        socket_.readAll();
        if (socket_.state() == QAbstractSocket::ConnectedState) {
            socket_.write(refusal(status, reason));
            socket_.disconnectFromHost();
        }
    }

    QTcpSocket& socket_;
    const ServerLimits& limits_;
    QTimer idle_;
    QTimer head_;
    QByteArray line_;
    bool inHead_ = false;
    bool firstLine_ = true;
    bool chunked_ = false;
    bool refused_ = false;
    qint64 contentLength_ = 0;
    qint64 bodyLeft_ = 0;
    qsizetype headLength_ = 0;
};

} // namespace

GuardedTcpServer::GuardedTcpServer(const ServerLimits& limits, QObject* parent)
    : QTcpServer(parent), limits_(limits) {}

// The guard connects to the socket before the HTTP server does, so it sees every byte first.
void GuardedTcpServer::incomingConnection(qintptr descriptor) {
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    if (open_ >= limits_.connections) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(limits_.idleMs, socket, &QTcpSocket::abort);
        socket->write(refusal(503, "Service Unavailable"));
        socket->disconnectFromHost();
        return;
    }
    ++open_;
    connect(socket, &QObject::destroyed, this, [this] { --open_; });
    socket->setReadBufferSize(limits_.readBuffer);
    new RequestGuard(*socket, limits_);
    addPendingConnection(socket);
}

} // namespace veltra
