#pragma once

#include <QTcpServer>

namespace veltra {

// What one client may ask of the live results server, so that no client, stalled or flooding,
// can hold the program up or take its memory.
struct ServerLimits {
    int connections = 256;        // open at once; one more is answered 503 and closed
    qsizetype requestLine = 2048; // a longer request line is answered 414 and closed
    qsizetype head = 8192;        // a longer request line and headers together: 431
    qsizetype body = 1024;        // only GET and HEAD are served; a longer body: 413
    int idleMs = 15000;           // a connection that sends nothing for this long is closed
    int headMs = 10000;           // a request's line and headers arrive within this time: 408
    qint64 readBuffer = 16384;    // read from a connection at a time, which bounds each event
};

// Accepts the connections of the live results server and looks at what each one sends before
// the HTTP parser does: a request beyond the limits is answered with its status and the
// connection closed, so that the parser only ever sees requests of bounded size.
class GuardedTcpServer final : public QTcpServer {
    Q_OBJECT

  public:
    explicit GuardedTcpServer(const ServerLimits& limits, QObject* parent = nullptr);

    int openConnections() const { return open_; }

  protected:
    void incomingConnection(qintptr descriptor) override;

  private:
    ServerLimits limits_;
    int open_ = 0;
};

} // namespace veltra
