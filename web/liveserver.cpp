#include "web/liveserver.h"

#include "web/livepages.h"

#include <QCryptographicHash>
#include <QHttpServerRequest>
#include <QNetworkInterface>
#include <QTcpSocket>

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

} // namespace

LiveServer::LiveServer(const Contest& contest, const Workspace& work, const Texts& texts,
                       const Settings& settings, NowScoring now, QObject* parent)
    : QAbstractHttpServer(parent), contest_(contest), work_(work), texts_(texts),
      settings_(settings), now_(std::move(now)) {}

LiveServer::~LiveServer() = default;

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

const LiveSnapshot& LiveServer::snapshot() {
    if (snapshot_ && checked_.isValid() && checked_.elapsed() < recheckMs_)
        return *snapshot_;
    checked_.start();
    const PilotInRound now = now_ ? now_() : PilotInRound{};
    QByteArray inputs = LiveInputs(contest_, work_, settings_, now);
    if (!snapshot_ || inputs != inputs_) {
        inputs_ = std::move(inputs);
        snapshot_ =
            TakeLiveSnapshot(contest_, work_, texts_, settings_.LiveResultsDropLowest == 1, now);
        made_.clear();
    }
    return *snapshot_;
}

std::optional<LiveServer::Answer> LiveServer::page(const QString& path) {
    const auto found = made_.constFind(path);
    if (found != made_.constEnd())
        return *found;
    const LiveSnapshot& shown = snapshot();
    Answer answer;
    if (path == u"/") {
        answer = {kHtml, ResultsPage(shown), {}};
    } else if (path == u"/startlist") {
        answer = {kHtml, StartListPage(shown), {}};
    } else if (path == u"/api/results.json") {
        answer = {kJson, ResultsJson(shown), {}};
    } else if (path == u"/api/startlist.json") {
        answer = {kJson, StartListJson(shown), {}};
    } else if (const std::optional<int> startNo = startNoOf(path)) {
        std::optional<QByteArray> pilot = PilotPage(shown, *startNo);
        if (!pilot)
            return std::nullopt;
        answer = {kHtml, std::move(*pilot), {}};
    } else {
        return std::nullopt;
    }
    answer.tag = tagOf(answer.body);
    made_.insert(path, answer);
    return answer;
}

bool LiveServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    snapshot(); // drops the pages made when the store has changed since
    const QString path = request.url().path();
    const bool known = path == u"/" || path == u"/startlist" || path == u"/api/results.json" ||
                       path == u"/api/startlist.json" || startNoOf(path).has_value();
    const QHttpServerRequest::Method method = request.method();
    const bool head = method == QHttpServerRequest::Method::Head;
    if (known && method != QHttpServerRequest::Method::Get && !head) {
        send(*socket, 405, kText, "Method Not Allowed\n", {}, true);
    } else if (const std::optional<Answer> answer = known ? page(path) : std::nullopt) {
        const bool unchanged = matches(request.value("If-None-Match"), answer->tag);
        send(*socket, unchanged ? 304 : 200, answer->type, answer->body, answer->tag, !head);
    } else {
        send(*socket, 404, kText, "Not Found\n", {}, !head);
    }
    if (request.value("Connection").toLower() == "close")
        socket->disconnectFromHost();
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
