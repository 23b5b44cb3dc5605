#pragma once

#include "core/contest.h"
#include "core/settings.h"
#include "core/status.h"
#include "core/texts.h"
#include "web/livesnapshot.h"
#include "web/requestguard.h"

#include <QAbstractHttpServer>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QSet>
#include <QThread>
#include <deque>
#include <memory>
#include <optional>

namespace veltra {

// The live results on the field's network. Read-only by construction: a few routes, GET and
// HEAD only, nothing served from disk.
//
//   /                     the results          /api/results.json     the results for programs
//   /startlist            the start list       /api/startlist.json   the start list for programs
//   /pilot/<start no.>    one pilot's rounds and how their points come about
//
// Requests are taken on the program's event loop, which only compares what the pages are made
// from with the store (at most every recheck interval) and copies it when it changed. The
// snapshot and the pages are made from that copy on a thread of their own, each page once per
// snapshot, tagged with a digest of its bytes that a page's If-None-Match compares to get a 304;
// so making pages never holds up the windows. A connection's answers leave in the order of its
// requests.
class LiveServer final : public QAbstractHttpServer {
    Q_OBJECT

  public:
    LiveServer(const Contest& contest, const Workspace& work, const Texts& texts,
               const Settings& settings, NowScoring now, QObject* parent = nullptr);
    ~LiveServer() override;

    // Takes effect for the connections accepted after it.
    void setLimits(const ServerLimits& limits) { limits_ = limits; }
    void setRecheckInterval(int ms) { recheckMs_ = ms; }

    // Listens on `port` of `address`, every interface unless told. A port that cannot be had
    // fails with a message naming it and why.
    Status start(quint16 port, const QHostAddress& address = QHostAddress::Any);
    quint16 port() const;
    int openConnections() const;

    // A page as it is sent: its type, its bytes and its ETag, quoted.
    struct Page {
        QByteArray type;
        QByteArray body;
        QByteArray tag;
    };

  protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

  private:
    struct Reply {
        QString path;
        bool head = false;
        bool close = false;
        QByteArray ifNoneMatch;
        int status = 0; // 0 while the page is being made
        Page page;
    };

    void refresh();
    void ask(const QString& path);
    void made(quint64 version, const QString& path, const std::optional<Page>& page);
    void answer(Reply& reply, const std::optional<Page>& page);
    void flush(QTcpSocket* socket);

    const Contest& contest_;
    const Workspace& work_;
    const Texts& texts_;
    const Settings& settings_;
    NowScoring now_;
    ServerLimits limits_;
    int recheckMs_ = 250;
    GuardedTcpServer* server_ = nullptr;

    QElapsedTimer checked_;
    QByteArray inputs_;
    quint64 version_ = 0;
    QHash<QString, Page> made_;                     // the pages of this version
    QSet<QString> asked_;                           // the pages being made for it
    QHash<QTcpSocket*, std::deque<Reply>> replies_; // each connection's answers, in order
    struct Maker;
    std::shared_ptr<Maker> maker_; // used on the maker thread only
    QThread makerThread_;
    QObject* makerContext_ = nullptr; // lives on the maker thread
};

// The addresses a phone on the same network types to reach port `port`: every IPv4 address of
// the machine but the loopback, as "http://192.168.1.20:8080/".
QStringList LiveAddresses(quint16 port);

} // namespace veltra
