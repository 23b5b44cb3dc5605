#include "web/liveserver.h"

#include "web/livepages.h"

#include <QCryptographicHash>
#include <QHttpServerRequest>
#include <QNetworkInterface>
#include <QTcpSocket>
#include <utility>

namespace veltra {
namespace {

constexpr char kHtml[] = "text/html; charset=utf-8";
constexpr char kJson[] = "application/json; charset=utf-8";
constexpr char kText[] = "text/plain; charset=utf-8";
constexpr int kLongestStartNo = 5;

// The pages run their own script and style and reach nothing but this server.
constexpr char kPolicy[] =
    "default-src 'none'; style-src 'unsafe-inline'; script-src 'unsafe-inline'; "
    "connect-src 'self'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";

QByteArray statusLine(int status) {
    switch (status) {
    case 200:
        return "HTTP/1.1 200 OK\r\n";
    case 304:
        return "HTTP/1.1 304 Not Modified\r\n";
    case 404:
        return "HTTP/1.1 404 Not Found\r\n";
    default:
        return "HTTP/1.1 405 Method Not Allowed\r\nAllow: GET, HEAD\r\n";
    }
}

QByteArray tagOf(const QByteArray& body) {
    return '"' + QCryptographicHash::hash(body, QCryptographicHash::Sha1).toHex().left(20) + '"';
}

// If-None-Match holds one tag, a list of them (weak ones too), or "*".
bool matches(const QByteArray& ifNoneMatch, const QByteArray& tag) {
    for (QByteArray candidate : ifNoneMatch.split(',')) {
        candidate = candidate.trimmed();
        if (candidate.startsWith("W/"))
            candidate = candidate.mid(2);
        if (candidate == tag || candidate == "*")
            return true;
    }
    return false;
}

// "/pilot/12" gives 12.
std::optional<int> startNoOf(const QString& path) {
    static const QString prefix = QStringLiteral("/pilot/");
    if (!path.startsWith(prefix))
        return std::nullopt;
    const QStringView digits = QStringView(path).mid(prefix.size());
    if (digits.isEmpty() || digits.size() > kLongestStartNo)
        return std::nullopt;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return digits.toInt();
}

void send(QTcpSocket& socket, int status, const QByteArray& type, const QByteArray& body,
          const QByteArray& tag, bool withBody) {
    QByteArray out = statusLine(status);
    if (!tag.isEmpty())
        out += "ETag: " + tag + "\r\nCache-Control: no-cache\r\n";
    if (status != 304) {
        out += "Content-Type: " + type + "\r\nContent-Length: " + QByteArray::number(body.size()) +
               "\r\n";
    }
    if (type.startsWith("application/json"))
        out += "Access-Control-Allow-Origin: *\r\n";
    out += "X-Content-Type-Options: nosniff\r\nReferrer-Policy: no-referrer\r\n"
           "Content-Security-Policy: " +
           QByteArray(kPolicy) + "\r\n\r\n";
    if (withBody && status != 304)
        out += body;
    socket.write(out);
}

bool isPage(const QString& path) {
    return path == u"/" || path == u"/startlist" || path == u"/api/results.json" ||
           path == u"/api/startlist.json" || startNoOf(path).has_value();
}

std::optional<LiveServer::Page> makePage(const LiveSnapshot& shown, const QString& path) {
    LiveServer::Page page;
    if (path == u"/") {
        page = {kHtml, ResultsPage(shown), {}};
    } else if (path == u"/startlist") {
        page = {kHtml, StartListPage(shown), {}};
    } else if (path == u"/api/results.json") {
        page = {kJson, ResultsJson(shown), {}};
    } else if (path == u"/api/startlist.json") {
        page = {kJson, StartListJson(shown), {}};
    } else if (std::optional<QByteArray> pilot = PilotPage(shown, startNoOf(path).value_or(-1))) {
        page = {kHtml, std::move(*pilot), {}};
    } else {
        return std::nullopt;
    }
    page.tag = tagOf(page.body);
    return page;
}

// What the snapshot is taken from, copied on the program's thread.
struct LiveCopy {
    Contest contest;
    Workspace work;
    Texts texts;
    bool dropLowest = false;
    PilotInRound now;
};

} // namespace

// The snapshot the maker thread makes pages from, and the version it belongs to.
struct LiveServer::Maker {
    quint64 version = 0;
    std::optional<LiveSnapshot> snapshot;
};

LiveServer::LiveServer(const Contest& contest, const Workspace& work, const Texts& texts,
                       const Settings& settings, NowScoring now, QObject* parent)
    : QAbstractHttpServer(parent), contest_(contest), work_(work), texts_(texts),
      settings_(settings), now_(std::move(now)), maker_(std::make_shared<Maker>()),
      makerContext_(new QObject) {
    makerContext_->moveToThread(&makerThread_);
    connect(&makerThread_, &QThread::finished, makerContext_, &QObject::deleteLater);
    makerThread_.setObjectName(QStringLiteral("LiveResultsPages"));
    makerThread_.start();
}

LiveServer::~LiveServer() {
    makerThread_.quit();
    makerThread_.wait();
}

Status LiveServer::start(quint16 port, const QHostAddress& address) {
    auto* server = new GuardedTcpServer(limits_, this);
    if (!server->listen(address, port)) {
        const QString why = server->serverError() == QAbstractSocket::AddressInUseError
                                ? texts_.get(QStringLiteral("WEB_PORT_IN_USE"))
                                : server->errorString();
        delete server;
        return Status::failure(texts_.get(QStringLiteral("WEB_PORT_FAILED")).arg(port).arg(why));
    }
    bind(server);
    server_ = server;
    return Status::success();
}

quint16 LiveServer::port() const {
    return server_ ? server_->serverPort() : 0;
}

int LiveServer::openConnections() const {
    return server_ ? server_->openConnections() : 0;
}

void LiveServer::refresh() {
    if (version_ > 0 && checked_.elapsed() < recheckMs_)
        return;
    checked_.start();
    const PilotInRound now = now_ ? now_() : PilotInRound{};
    QByteArray inputs = LiveInputs(contest_, work_, settings_, now);
    if (version_ > 0 && inputs == inputs_)
        return;
    inputs_ = std::move(inputs);
    const quint64 version = ++version_;
    made_.clear();
    asked_.clear();
    auto copy = std::make_shared<const LiveCopy>(
        LiveCopy{contest_, work_, texts_, settings_.LiveResultsDropLowest == 1, now});
    QMetaObject::invokeMethod(
        makerContext_,
        [maker = maker_, copy, version] {
            maker->snapshot = TakeLiveSnapshot(copy->contest, copy->work, copy->texts,
                                               copy->dropLowest, copy->now);
            maker->version = version;
        },
        Qt::QueuedConnection);
    // Pages still awaited are made again from the new snapshot.
    for (const std::deque<Reply>& replies : std::as_const(replies_)) {
        for (const Reply& reply : replies) {
            if (reply.status == 0)
                ask(reply.path);
        }
    }
}

// The server waits for the maker thread to end before it goes, so the answer finds it.
void LiveServer::ask(const QString& path) {
    if (asked_.contains(path))
        return;
    asked_.insert(path);
    QMetaObject::invokeMethod(
        makerContext_,
        [this, maker = maker_, path] {
            const std::optional<Page> page =
                maker->snapshot ? makePage(*maker->snapshot, path) : std::nullopt;
            QMetaObject::invokeMethod(
                this, [this, version = maker->version, path, page] { made(version, path, page); },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void LiveServer::made(quint64 version, const QString& path, const std::optional<Page>& page) {
    if (version != version_)
        return;
    asked_.remove(path);
    if (page)
        made_.insert(path, *page);
    for (auto it = replies_.begin(); it != replies_.end(); ++it) {
        for (Reply& reply : it.value()) {
            if (reply.status == 0 && reply.path == path)
                answer(reply, page);
        }
        flush(it.key());
    }
}

void LiveServer::answer(Reply& reply, const std::optional<Page>& page) {
    if (!page) {
        reply.status = 404;
        return;
    }
    reply.page = *page;
    reply.status = matches(reply.ifNoneMatch, page->tag) ? 304 : 200;
}

void LiveServer::flush(QTcpSocket* socket) {
    std::deque<Reply>& replies = replies_[socket];
    while (!replies.empty() && replies.front().status != 0) {
        const Reply& reply = replies.front();
        if (reply.status == 200 || reply.status == 304)
            send(*socket, reply.status, reply.page.type, reply.page.body, reply.page.tag,
                 !reply.head);
        else
            send(*socket, reply.status, kText,
                 reply.status == 404 ? "Not Found\n" : "Method Not Allowed\n", {}, !reply.head);
        if (reply.close)
            socket->disconnectFromHost();
        replies.pop_front();
    }
}

bool LiveServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    refresh();
    const QString path = request.url().path();
    const QHttpServerRequest::Method method = request.method();
    Reply reply{path,
                method == QHttpServerRequest::Method::Head,
                request.value("Connection").toLower() == "close",
                request.value("If-None-Match"),
                0,
                {}};
    if (!isPage(path))
        reply.status = 404;
    else if (method != QHttpServerRequest::Method::Get && !reply.head)
        reply.status = 405;
    else if (const auto found = made_.constFind(path); found != made_.constEnd())
        answer(reply, *found);
    else
        ask(path);
    if (!replies_.contains(socket))
        connect(socket, &QObject::destroyed, this, [this, socket] { replies_.remove(socket); });
    replies_[socket].push_back(std::move(reply));
    flush(socket);
    return true;
}

void LiveServer::missingHandler(const QHttpServerRequest&, QTcpSocket* socket) {
    send(*socket, 404, kText, "Not Found\n", {}, true);
}

QStringList LiveAddresses(quint16 port) {
    QStringList addresses;
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            addresses << QStringLiteral("http://%1:%2/").arg(address.toString()).arg(port);
    }
    return addresses;
}

} // namespace veltra
