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
#include <optional>

namespace veltra {

// The live results on the field's network, on the program's own event loop. Read-only by
// construction: a few routes, GET and HEAD only, nothing served from disk.
//
//   /                     the results          /api/results.json     the results for programs
//   /startlist            the start list       /api/startlist.json   the start list for programs
//   /pilot/<start no.>    one pilot's rounds and how their points come about
//
// Every answer is made from a snapshot of the store (the one results step's copy), never from
// the store itself. Whether the store changed is looked at when a request comes, at most every
// recheck interval; each page is made once per snapshot and tagged with a digest of its bytes,
// which a page's If-None-Match compares to get a 304 instead.
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

  protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

  private:
    struct Answer {
        QByteArray type;
        QByteArray body;
        QByteArray tag; // the ETag, quoted
    };

    const LiveSnapshot& snapshot();
    std::optional<Answer> page(const QString& path);

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
    std::optional<LiveSnapshot> snapshot_;
    QHash<QString, Answer> made_; // the pages made from the snapshot
};

// The addresses a phone on the same network types to reach port `port`: every IPv4 address of
// the machine but the loopback, as "http://192.168.1.20:8080/".
QStringList LiveAddresses(quint16 port);

} // namespace veltra
