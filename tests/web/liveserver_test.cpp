#include "support/httpclient.h"
#include "web/liveserver.h"
#include "webcontest.h"

#include <QTcpServer>
#include <memory>
#include <vector>

using namespace veltra;

namespace {

class LiveServing : public WebContest {
  protected:
    void SetUp() override {
        WebContest::SetUp();
        server =
            std::make_unique<LiveServer>(contest, work, texts, settings, [this] { return now; });
        server->setRecheckInterval(20);
    }

    quint16 start(const ServerLimits& limits = {}) {
        server->setLimits(limits);
        const Status started = server->start(0, QHostAddress::LocalHost);
        EXPECT_TRUE(started) << started.message.toStdString();
        return server->port();
    }

    PilotInRound now;
    std::unique_ptr<LiveServer> server;
};

} // namespace

TEST_F(LiveServing, EveryRouteAnswersGetAndHeadAndATagThatStillMatchesGets304) {
    HttpClient client(start());
    ASSERT_TRUE(client.connected());
    for (const char* path :
         {"/", "/startlist", "/pilot/1", "/api/results.json", "/api/startlist.json", "/?from=qr"}) {
        SCOPED_TRACE(path);
        const HttpReply got = client.get(path);
        EXPECT_EQ(got.status, 200);
        EXPECT_FALSE(got.body.isEmpty());
        EXPECT_EQ(got.headers.value("content-length").toInt(), got.body.size());
        const QByteArray tag = got.headers.value("etag");
        EXPECT_TRUE(tag.startsWith('"') && tag.endsWith('"'));
        EXPECT_TRUE(got.headers.value("content-type")
                        .startsWith(QByteArray(path).startsWith("/api/") ? "application/json"
                                                                         : "text/html"));

        const HttpReply head = client.request("HEAD", path);
        EXPECT_EQ(head.status, 200);
        EXPECT_EQ(head.headers.value("content-length").toInt(), got.body.size());
        EXPECT_EQ(head.headers.value("etag"), tag);

        const HttpReply same = client.get(path, "If-None-Match: W/\"x\", " + tag + "\r\n");
        EXPECT_EQ(same.status, 304);
        EXPECT_TRUE(same.body.isEmpty());
    }
    EXPECT_TRUE(client.get("/").body.contains("<title>Cup - Results</title>"));

    // Answers leave in the order of the requests, also when a later page was made first.
    HttpClient pipelined(server->port());
    ASSERT_TRUE(pipelined.connected());
    contest.Pilots[3].Name = QStringLiteral("Dora"); // a new snapshot
    QTest::qWait(30);
    EXPECT_EQ(client.get("/startlist").status, 200); // made; Dora's page is not
    pipelined.send("GET /pilot/4 HTTP/1.1\r\nHost: x\r\n\r\nGET /startlist HTTP/1.1\r\nHost: "
                   "x\r\n\r\n");
    EXPECT_TRUE(pipelined.reply().body.contains("<h2>Dora</h2>"));
    EXPECT_TRUE(pipelined.reply().body.contains("<title>Cup - Start list</title>"));
}

// Each request on a connection of its own with the status it gets; what the request guard
// refuses also has its connection closed.
TEST_F(LiveServing, ServesNothingElseAndRefusesWhatIsMalformedOrTooBig) {
    ASSERT_TRUE(writeBytes(path("Veltra.ini"), "LANGUAGE_FILE,English.lng\r\n"));
    const quint16 port = start();
    const QByteArray host = " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    QByteArray headers;
    for (int i = 0; i < 100; ++i)
        headers += "X-Filler-" + QByteArray::number(i) + ": " + QByteArray(100, 'v') + "\r\n";
    std::vector<std::pair<QByteArray, int>> requests = {
        {"POST /api/results.json HTTP/1.1\r\nHost: x\r\nContent-Length: 3\r\n\r\nx=1", 405},
        {"DELETE /" + host, 405},
        {"PUT /startlist HTTP/1.1\r\nContent-Length: 100000\r\n\r\n", 413},
        {"POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n", 413},
        {"GARBAGE\r\n\r\n", 400},
        {"GET / HTTP/1.1\r\nno colon here\r\n\r\n", 400},
        {"GET /" + QByteArray(3000, 'a') + host, 414},
        {"GET / HTTP/1.1\r\n" + headers + "\r\n", 431}};
    for (const char* path : {"/../Veltra.ini", "/%2e%2e/Veltra.ini", "/Veltra.ini", "/pilot/77",
                             "/pilot/1x", "/pilot/123456", "/api/", "/startlist/"})
        requests.push_back({"GET " + QByteArray(path) + host, 404});
    for (const auto& [raw, status] : requests) {
        HttpClient client(port);
        ASSERT_TRUE(client.connected());
        client.send(raw);
        EXPECT_EQ(client.reply().status, status) << raw.left(40).toStdString();
        if (status != 404 && status != 405) {
            EXPECT_TRUE(client.closedWithin(2000)) << status;
        }
    }
}

TEST_F(LiveServing, StalledAndSurplusConnectionsAreClosedAndOthersAreServedAgain) {
    ServerLimits limits;
    limits.connections = 3;
    limits.idleMs = 400;
    limits.headMs = 200;
    const quint16 port = start(limits);
    std::vector<std::unique_ptr<HttpClient>> holders;
    for (int i = 0; i < limits.connections; ++i) {
        holders.push_back(std::make_unique<HttpClient>(port));
        ASSERT_TRUE(holders.back()->connected());
    }
    holders.front()->send("GET / HT"); // and nothing more
    ASSERT_TRUE(QTest::qWaitFor([&] { return server->openConnections() == 3; }, 2000));

    HttpClient surplus(port);
    ASSERT_TRUE(surplus.connected());
    EXPECT_EQ(surplus.get("/").status, 503);
    EXPECT_TRUE(surplus.closedWithin(2000));

    EXPECT_EQ(holders.front()->reply(false, 2000).status, 408);
    for (const auto& holder : holders)
        EXPECT_TRUE(holder->closedWithin(2000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return server->openConnections() == 0; }, 2000));
    HttpClient later(port);
    ASSERT_TRUE(later.connected());
    EXPECT_EQ(later.get("/").status, 200);
}

TEST_F(LiveServing, AStoredRoundAndTheNextPilotShowWithoutBeingAsked) {
    HttpClient client(start());
    ASSERT_TRUE(client.connected());
    const HttpReply before = client.get("/api/results.json");
    const QByteArray list = client.get("/api/startlist.json").headers.value("etag");
    EXPECT_TRUE(before.body.startsWith("{\"contest\""));
    EXPECT_TRUE(before.body.contains("{\"club\":\"\",\"name\":\"B\",\"normalisedTotal\":1000,"));

    // D flies round 4 better than anyone: 10 x 6 x 4 judges less the two dropped marks.
    RoundMarks marks;
    for (int judge = 0; judge < 4; ++judge)
        marks.setMark(0, judge, 10);
    contest.Pilots[3].RoundScore[3] = 120.0;
    ASSERT_TRUE(SaveScores(contest, work, 3, 4, marks));
    QTest::qWait(50);
    const HttpReply after =
        client.get("/api/results.json", "If-None-Match: " + before.headers.value("etag") + "\r\n");
    EXPECT_EQ(after.status, 200);
    EXPECT_TRUE(after.body.contains("\"roundsCounted\":4"));
    // The start list did not change, so its tag still holds.
    EXPECT_EQ(client.get("/api/startlist.json", "If-None-Match: " + list + "\r\n").status, 304);

    now = {0, 1};
    QTest::qWait(50);
    const HttpReply flying = client.get("/api/startlist.json", "If-None-Match: " + list + "\r\n");
    EXPECT_EQ(flying.status, 200);
    EXPECT_TRUE(flying.body.contains("\"now\":{\"name\":\"A\",\"round\":1,\"startNo\":1}"));
}

TEST_F(LiveServing, APortInUseIsNamedAndTheServerStaysOff) {
    QTcpServer other;
    ASSERT_TRUE(other.listen(QHostAddress::LocalHost));
    const Status started = server->start(other.serverPort(), QHostAddress::LocalHost);
    EXPECT_FALSE(started);
    EXPECT_TRUE(started.message.contains(QString::number(other.serverPort())));
    EXPECT_TRUE(started.message.contains(QStringLiteral("another program uses it")));
    EXPECT_EQ(server->port(), 0);
}
