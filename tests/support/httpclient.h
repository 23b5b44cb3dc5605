#pragma once

#include <QHostAddress>
#include <QMap>
#include <QTcpSocket>
#include <QTest>

// A client of the live results server on the loopback. The server runs on the same event loop,
// so every wait lets the loop run.
struct HttpReply {
    int status = 0;
    QMap<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;
};

class HttpClient {
  public:
    explicit HttpClient(quint16 port) { socket_.connectToHost(QHostAddress::LocalHost, port); }

    bool connected() {
        return QTest::qWaitFor(
            [this] { return socket_.state() == QAbstractSocket::ConnectedState; }, 3000);
    }
    void send(const QByteArray& raw) { socket_.write(raw); }

    HttpReply request(const QByteArray& method, const QByteArray& path,
                      const QByteArray& headers = {}) {
        send(method + ' ' + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + headers + "\r\n");
        return reply(method == "HEAD");
    }
    HttpReply get(const QByteArray& path, const QByteArray& headers = {}) {
        return request("GET", path, headers);
    }

    // The next answer; status 0 when none came within the time.
    HttpReply reply(bool head = false, int ms = 3000) {
        HttpReply answer;
        if (!waitFor([this] { return buffer_.contains("\r\n\r\n"); }, ms))
            return answer;
        const qsizetype end = buffer_.indexOf("\r\n\r\n");
        const QList<QByteArray> lines = buffer_.left(end).split('\n');
        buffer_.remove(0, end + 4);
        answer.status = lines.first().split(' ').value(1).toInt();
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            answer.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                  lines[i].mid(colon + 1).trimmed());
        }
        const qsizetype length =
            head || answer.status == 304 ? 0 : answer.headers.value("content-length").toLongLong();
        waitFor([this, length] { return buffer_.size() >= length; }, ms);
        answer.body = buffer_.left(length);
        buffer_.remove(0, length);
        return answer;
    }

    bool closedWithin(int ms) {
        return waitFor([this] { return socket_.state() == QAbstractSocket::UnconnectedState; }, ms);
    }

  private:
    template <typename Done> bool waitFor(Done done, int ms) {
        return QTest::qWaitFor(
            [&] {
                buffer_ += socket_.readAll();
                return done();
            },
            ms);
    }

    QTcpSocket socket_;
    QByteArray buffer_;
};
