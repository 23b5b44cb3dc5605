// The live results under load at full capacity (101 pilots, 10 rounds, 11 judges, 51
// maneuvers, every mark stored): 200 phones on the loopback each ask for a page every 2 s for a
// minute, with the tag of what they have, while the director types marks into the score grid
// and stores a round every 10 s. Prints the response times the phones see, and the score grid's
// key-to-grid time with and without the phones.
#include "bench/fullcontest.h"
#include "bench/keylatency.h"
#include "scoring/scorefiles.h"
#include "ui/scoresform.h"
#include "web/livepages.h"
#include "web/liveserver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTableWidget>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

using namespace veltra;

namespace {

constexpr int kPhones = 200;
constexpr int kPollMs = 2000;
constexpr int kLoadMs = 60000;
constexpr int kQuietMs = 15000;
constexpr int kKeyGapMs = 40;
constexpr int kStoreEveryMs = 10000;

double percentile(std::vector<double> values, double share) {
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<size_t>(share * values.size()))];
}

// The phones, on a thread of their own so that they do not share the program's event loop.
class Phones final : public QObject {
  public:
    explicit Phones(quint16 port) : port_(port) {}

    void run() {
        clock_.start();
        for (int i = 0; i < kPhones; ++i) {
            auto phone = std::make_unique<Phone>();
            phone->path = i % 10 < 6   ? QByteArray("/")
                          : i % 10 < 8 ? QByteArray("/startlist")
                          : i % 10 < 9 ? QByteArray("/api/results.json")
                                       : "/pilot/" + QByteArray::number(1 + i % MaxPilots);
            phone->due = static_cast<qint64>(i) * kPollMs / kPhones * 1000000;
            phone->socket.connectToHost(QHostAddress::LocalHost, port_);
            Phone* p = phone.get();
            connect(&phone->socket, &QTcpSocket::readyRead, this, [this, p] { read(*p); });
            phones_.push_back(std::move(phone));
        }
        connect(&tick_, &QTimer::timeout, this, &Phones::tick);
        tick_.start(2);
    }

    std::vector<double> millis;
    int fresh = 0;
    int unchanged = 0;
    int failed = 0;

  private:
    struct Phone {
        QTcpSocket socket;
        QByteArray path;
        QByteArray tag;
        QByteArray buffer;
        qint64 due = 0;
        qint64 sent = -1;
    };

    void tick() {
        const qint64 now = clock_.nsecsElapsed();
        if (now > qint64(kLoadMs) * 1000000) {
            tick_.stop();
            phones_.clear();
            thread()->quit();
            return;
        }
        for (auto& phone : phones_) {
            if (phone->sent >= 0 || now < phone->due)
                continue;
            if (phone->socket.state() == QAbstractSocket::UnconnectedState) {
                ++failed;
                phone->socket.connectToHost(QHostAddress::LocalHost, port_);
            }
            if (phone->socket.state() != QAbstractSocket::ConnectedState)
                continue;
            QByteArray request = "GET " + phone->path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n";
            if (!phone->tag.isEmpty())
                request += "If-None-Match: " + phone->tag + "\r\n";
            phone->socket.write(request + "\r\n");
            phone->sent = now;
            phone->due += qint64(kPollMs) * 1000000;
        }
    }

    void read(Phone& phone) {
        phone.buffer += phone.socket.readAll();
        const qsizetype end = phone.buffer.indexOf("\r\n\r\n");
        if (end < 0 || phone.sent < 0)
            return;
        const QByteArray head = phone.buffer.left(end).toLower();
        qsizetype length = 0;
        const qsizetype field = head.indexOf("content-length:");
        if (field >= 0)
            length =
                head.mid(field + 15, head.indexOf('\r', field) - field - 15).trimmed().toLongLong();
        if (phone.buffer.size() < end + 4 + length)
            return;
        const qsizetype tag = head.indexOf("etag:");
        if (tag >= 0)
            phone.tag =
                phone.buffer.mid(tag + 5, phone.buffer.indexOf('\r', tag) - tag - 5).trimmed();
        head.startsWith("http/1.1 304")   ? ++unchanged
        : head.startsWith("http/1.1 200") ? ++fresh
                                          : ++failed;
        millis.push_back(static_cast<double>(clock_.nsecsElapsed() - phone.sent) / 1e6);
        phone.buffer.remove(0, end + 4 + length);
        phone.sent = -1;
    }

    quint16 port_;
    QElapsedTimer clock_;
    QTimer tick_{this};
    std::vector<std::unique_ptr<Phone>> phones_;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    AppState state;
    state.work.ContestDir = dir.path() + u'/';
    state.work.ContestFile = QStringLiteral("Full.cnt");
    state.work.ProgramDir = dir.path();
    state.contest = FullContest();
    WriteFullContest(state.contest, state.work);

    // Each page made once, as after a stored round.
    const auto millis = [](const std::function<void()>& work) {
        QElapsedTimer timer;
        timer.start();
        work();
        return static_cast<double>(timer.nsecsElapsed()) / 1e6;
    };
    std::optional<LiveSnapshot> shown;
    std::printf("Making the pages once, full capacity:\n");
    std::printf("  snapshot (the results step)    %8.2f ms\n", millis([&] {
                    shown = TakeLiveSnapshot(state.contest, state.work, state.texts, false, {});
                }));
    std::printf("  results page                   %8.2f ms\n",
                millis([&] { ResultsPage(*shown); }));
    std::printf("  start list page                %8.2f ms\n",
                millis([&] { StartListPage(*shown); }));
    std::printf("  a pilot's page, 10 rounds      %8.2f ms\n",
                millis([&] { PilotPage(*shown, 1); }));
    std::printf("  results JSON                   %8.2f ms\n",
                millis([&] { ResultsJson(*shown); }));
    std::printf("  what the pages are made from   %8.2f ms\n",
                millis([&] { LiveInputs(state.contest, state.work, state.settings, {}); }));
    std::fflush(stdout);

    ScoresForm form(state);
    form.resize(1200, 900);
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    auto* grid = form.findChild<QTableWidget*>(QStringLiteral("ResultGrid"));

    LiveServer server(state.contest, state.work, state.texts, state.settings, [&] {
        return PilotInRound{state.work.EditPilotIndex, state.work.CurrentRound};
    });
    if (const Status started = server.start(0, QHostAddress::LocalHost); !started) {
        std::printf("%s\n", started.message.toUtf8().constData());
        return 1;
    }

    // One key at a time, a pause between keys as a scorer types, each timed to the painted grid.
    int stored = 0;
    const auto type = [&](int ms, bool storing) {
        std::vector<double> micros;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            micros.push_back(MeasureKeyLatency(*grid, 1, true).median);
            if (storing && clock.elapsed() >= (stored + 1) * qint64(kStoreEveryMs)) {
                const int pilot = stored++ % MaxPilots;
                SaveScores(state.contest, state.work, pilot, 1, FullContestMarks(pilot, 1));
            }
            // The program's own event loop, which answers the phones at once; QTest::qWait
            // would look at them only every 10 ms.
            QEventLoop pause;
            QTimer::singleShot(kKeyGapMs, &pause, &QEventLoop::quit);
            pause.exec();
        }
        return micros;
    };
    const std::vector<double> quiet = type(kQuietMs, false);

    QThread thread;
    Phones phones(server.port());
    phones.moveToThread(&thread);
    QObject::connect(&thread, &QThread::started, &phones, &Phones::run);
    thread.start();
    const std::vector<double> loaded = type(kLoadMs, true);
    thread.wait();

    std::printf("Live results, %d phones each asking every %d ms for %d s, full capacity:\n",
                kPhones, kPollMs, kLoadMs / 1000);
    std::printf("  answers %zu (%d new pages, %d unchanged, %d failed), %d rounds stored\n",
                phones.millis.size(), phones.fresh, phones.unchanged, phones.failed, stored);
    std::printf(
        "  response time                  median %8.2f ms   p99 %8.2f ms   worst %8.2f ms\n",
        percentile(phones.millis, 0.5), percentile(phones.millis, 0.99),
        percentile(phones.millis, 1.0));
    std::printf("Score grid, a key every %d ms, key press to painted grid:\n", kKeyGapMs);
    for (const auto& [what, micros] :
         {std::pair{"without the phones", &quiet}, {"with the phones", &loaded}}) {
        std::printf("  %-30s median %8.1f us   p99 %8.1f us   (%zu keys)\n", what,
                    percentile(*micros, 0.5), percentile(*micros, 0.99), micros->size());
    }
    std::printf("  median with / without          %8.2f\n",
                percentile(loaded, 0.5) / percentile(quiet, 0.5));
    return 0;
}
