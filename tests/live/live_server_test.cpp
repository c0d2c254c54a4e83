// The live results server against what a network brings: its own pages and nothing else,
// requests it must refuse, more clients than it takes, and clients that stop reading or
// vanish. Run under the sanitizers too, where a leak or a race fails it.
#include "http_client.h"
#include "platform/live_server.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace racedesk {
namespace {

using namespace std::chrono_literals;
using test::askOnce;
using test::RawClient;
using test::statusOf;

std::string get(const std::string& path) {
    return "GET " + path + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n";
}

std::string manyHeaders(int n) {
    std::string lines;
    for (int i = 0; i < n; ++i)
        lines += "X-H" + std::to_string(i) + ": v\r\n";
    return lines;
}

struct LiveServerTest : ::testing::Test {
    test::TestProgram t;
    std::vector<std::string> asked; // paths the meeting's pages were asked for
    std::mutex askedMutex;
    std::unique_ptr<LiveServer> server;

    void start(LiveServerLimits limits = {}) {
        server = std::make_unique<LiveServer>(
            t.program.live,
            [this](std::string_view path) -> std::optional<WebPage> {
                const std::lock_guard lock(askedMutex);
                asked.emplace_back(path);
                if (path == "/")
                    return WebPage{"text/html; charset=utf-8", "<p>the meeting</p>"};
                return std::nullopt;
            },
            limits);
        ASSERT_TRUE(server->start(0, "127.0.0.1"));
        ASSERT_GT(server->port(), 0);
    }
    // A board of 20 drivers, every text at its longest, changed each time.
    void publishFullBoard(int change) {
        t.program.entryCount = kCarCount;
        for (int i = 0; i < kCarCount; ++i) {
            BoardRow& r = t.program.rows[std::size_t(i)];
            r.name = std::string(39, char('A' + i));
            r.totalTime = std::to_string(change) + std::string(13, '9');
            r.lastLap = r.bestLap = r.gapToLeader = r.gapToPrevious = std::string(14, '1');
        }
        ASSERT_TRUE(t.program.live.publish(t.program));
    }
    // Waits until the server has turned `n` snapshots into events.
    bool waitForUpdates(std::uint64_t n) {
        for (int i = 0; i < 500 && server->updates() < n; ++i)
            std::this_thread::sleep_for(10ms);
        return server->updates() >= n;
    }
    bool waitForStreams(int n) {
        for (int i = 0; i < 1000 && server->openStreams() != n; ++i)
            std::this_thread::sleep_for(10ms);
        return server->openStreams() == n;
    }
};

TEST_F(LiveServerTest, servesItsOwnPagesAndTheMeetingsOnly) {
    start();
    const int port = server->port();
    for (const char* path : {"/board", "/board.css", "/board.js"}) {
        const std::string answer = askOnce(port, get(path));
        EXPECT_EQ(statusOf(answer), 200) << path;
        EXPECT_NE(answer.find("Cache-Control: no-store"), std::string::npos) << path;
    }
    EXPECT_NE(askOnce(port, get("/")).find("<p>the meeting</p>"), std::string::npos);
    // No file of the disk by any name, however it is spelt.
    for (const char* path : {"/etc/passwd", "/../../../../etc/passwd", "/%2e%2e/%2e%2e/etc/passwd",
                             "/board/../../etc/passwd", "/board.css/", "/nothing"}) {
        const std::string answer = askOnce(port, get(path));
        EXPECT_EQ(statusOf(answer), 404) << path;
        EXPECT_EQ(answer.find("root:"), std::string::npos) << path;
    }
    {
        const std::lock_guard lock(askedMutex);
        EXPECT_NE(std::find(asked.begin(), asked.end(), "/nothing"), asked.end())
            << "an unknown path goes to the meeting's pages before it is refused";
    }
    for (const char* method : {"POST", "PUT", "DELETE", "OPTIONS", "PATCH"}) {
        const std::string answer =
            askOnce(port, std::string(method) + " /board HTTP/1.1\r\nHost: x\r\n"
                                                "Content-Length: 0\r\nConnection: close\r\n\r\n");
        EXPECT_EQ(statusOf(answer), 405) << method;
        EXPECT_NE(answer.find("Allow: GET, HEAD"), std::string::npos) << method;
    }
    const std::string head = askOnce(port, "HEAD /board HTTP/1.1\r\nHost: x\r\nConnection: "
                                           "close\r\n\r\n");
    EXPECT_EQ(statusOf(head), 200);
    EXPECT_EQ(head.find("<html"), std::string::npos) << "HEAD answered with a body";
}

TEST_F(LiveServerTest, malformedAndOversizedRequests_areRefusedAndTheServerGoesOn) {
    start(LiveServerLimits{.connections = 16, .timeoutSeconds = 1});
    const int port = server->port();
    const struct {
        std::string request;
        int status; // 0: the connection is closed without an answer
    } cases[] = {
        {"GARBAGE\r\n\r\n", 400},
        {"GET\r\n\r\n", 400},
        {"GET /board\r\n\r\n", 400},
        {"GET /" + std::string(9000, 'a') + " HTTP/1.1\r\nHost: x\r\n\r\n", 414},
        {"GET /board HTTP/1.1\r\nHost: x\r\nX-Big: " + std::string(20000, 'b') + "\r\n\r\n", 400},
        {"GET /board HTTP/1.1\r\n" + std::string(200, 'X') + ": 1\r\n" + manyHeaders(100) + "\r\n",
         431},
        {"GET /board HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n", 413},
        {"GET /board HTTP/1.1\r\nHost: x\r\nContent-Length: 99999999999999999999999\r\n\r\n", 413},
        {"GET /board HTTP/1.1\r\nHost: x\r\nContent-Length: 100000\r\n\r\n" +
             std::string(100000, 'c'),
         413},
        {"GET /board HTTP/1.1\r\nHost: x\r\nContent-Length: -5\r\n\r\n", 400},
        {std::string("GET /bo\0ard HTTP/1.1\r\nHost: x\r\n\r\n", 34), 400},
    };
    for (const auto& c : cases) {
        const std::string answer = askOnce(port, c.request, 3s);
        const std::string shown = c.request.substr(0, 40);
        if (c.status == 0)
            EXPECT_EQ(answer, "") << shown;
        else
            EXPECT_EQ(statusOf(answer), c.status) << shown << "\n" << answer.substr(0, 200);
        // Whatever came before, the next client is served.
        EXPECT_EQ(statusOf(askOnce(port, get("/board"))), 200) << "after: " << shown;
    }

    // A request that never ends its headers is dropped when the read time runs out.
    RawClient slow(port);
    ASSERT_TRUE(slow.send("GET /board HTTP/1.1\r\nHost: x\r\n"));
    const auto began = std::chrono::steady_clock::now();
    slow.receive(10s);
    EXPECT_LT(std::chrono::steady_clock::now() - began, 6s);
}

TEST_F(LiveServerTest, everyStreamGetsEveryUpdate_andStopEndsThemAtOnce) {
    start();
    publishFullBoard(0);
    ASSERT_TRUE(waitForUpdates(1));
    std::vector<std::unique_ptr<RawClient>> clients;
    for (int i = 0; i < 10; ++i) {
        clients.push_back(std::make_unique<RawClient>(server->port()));
        ASSERT_TRUE(clients.back()->send(get("/board/events")));
    }
    ASSERT_TRUE(waitForStreams(10));
    for (int change = 1; change <= 20; ++change) {
        publishFullBoard(change);
        ASSERT_TRUE(waitForUpdates(std::uint64_t(change) + 1));
    }
    for (auto& c : clients) {
        const std::string got = c->receive(3s, "id: 21\n");
        EXPECT_NE(got.find("Content-Type: text/event-stream"), std::string::npos);
        // The latest board at once, then each update in order.
        std::size_t at = 0;
        for (int n = 1; n <= 21; ++n) {
            const std::size_t next = got.find("id: " + std::to_string(n) + "\n");
            ASSERT_NE(next, std::string::npos) << n;
            EXPECT_GE(next, at) << n;
            at = next;
        }
        EXPECT_NE(got.find(std::string(39, 'T')), std::string::npos) << "the 20th driver";
    }
    RawClient late(server->port());
    ASSERT_TRUE(late.send(get("/board/events")));
    const std::string joined = late.receive(3s, "id: 21\n");
    EXPECT_NE(joined.find("id: 21\n"), std::string::npos);
    EXPECT_EQ(joined.find("id: 20\n"), std::string::npos)
        << "a board that joins late starts from the latest, not from the oldest kept";
    const auto began = std::chrono::steady_clock::now();
    server->stop();
    EXPECT_LT(std::chrono::steady_clock::now() - began, 2s);
    EXPECT_EQ(server->openStreams(), 0);
    EXPECT_FALSE(t.program.live.on) << "a stopped server leaves the tick nothing to publish";
}

TEST_F(LiveServerTest, clientsThatStopReadingOrVanish_blockNothing) {
    start(LiveServerLimits{.connections = 64, .timeoutSeconds = 1});
    const int port = server->port();
    publishFullBoard(0);
    ASSERT_TRUE(waitForUpdates(1));
    // Five phones whose pages stopped reading, five that lose the network.
    std::vector<std::unique_ptr<RawClient>> stuck, vanishing;
    for (int i = 0; i < 5; ++i) {
        stuck.push_back(std::make_unique<RawClient>(port, true));
        ASSERT_TRUE(stuck.back()->send(get("/board/events")));
        vanishing.push_back(std::make_unique<RawClient>(port));
        ASSERT_TRUE(vanishing.back()->send(get("/board/events")));
    }
    RawClient reader(port);
    ASSERT_TRUE(reader.send(get("/board/events")));
    ASSERT_TRUE(waitForStreams(11));
    for (auto& v : vanishing)
        v->abort();

    std::string read;
    for (int change = 1; change <= 300; ++change) {
        publishFullBoard(change);
        // Every update is some 6 KB: the stuck clients' buffers are full long before the end.
        read += reader.receive(5ms);
        // Others are answered at once all along.
        if (change % 60 == 0) {
            const auto began = std::chrono::steady_clock::now();
            EXPECT_EQ(statusOf(askOnce(port, get("/board.json"))), 200);
            EXPECT_LT(std::chrono::steady_clock::now() - began, 1s);
        }
    }
    // The last board reaches the reading client, whatever the stuck ones do.
    const FixedText<15> lastTotal{"300" + std::string(13, '9')}; // as the board's field holds it
    const std::string last = "\"total\":\"" + std::string(lastTotal.view()) + "\"";
    for (int i = 0; i < 50 && read.find(last) == std::string::npos; ++i)
        read += reader.receive(100ms);
    EXPECT_NE(read.find(last), std::string::npos) << "the reading client was held up";
    // The stuck streams give up within their write time; the vanished ones at their next write.
    EXPECT_TRUE(waitForStreams(1)) << server->openStreams() << " streams still open";
}

TEST_F(LiveServerTest, connectionsBeyondTheLimit_areAnsweredBusy) {
    start(LiveServerLimits{.connections = 3, .timeoutSeconds = 2});
    publishFullBoard(0);
    ASSERT_TRUE(waitForUpdates(1));
    std::vector<std::unique_ptr<RawClient>> held;
    for (int i = 0; i < 3; ++i) {
        held.push_back(std::make_unique<RawClient>(server->port()));
        ASSERT_TRUE(held.back()->send(get("/board/events")));
    }
    ASSERT_TRUE(waitForStreams(3));
    const std::string busy = askOnce(server->port(), get("/board"), 3s);
    EXPECT_EQ(statusOf(busy), 503) << busy.substr(0, 200);
    EXPECT_NE(busy.find("Retry-After"), std::string::npos);
    // A place freed is a place for the next one.
    held.front()->abort();
    publishFullBoard(1); // the stream finds its client gone when it writes
    ASSERT_TRUE(waitForStreams(2));
    std::string answer;
    for (int i = 0; i < 50 && statusOf(answer) != 200; ++i) {
        std::this_thread::sleep_for(20ms);
        answer = askOnce(server->port(), get("/board"), 3s);
    }
    EXPECT_EQ(statusOf(answer), 200);
}

TEST_F(LiveServerTest, aPortAlreadyTaken_isRefused) {
    start();
    LiveFeed other;
    LiveServer second(other, nullptr);
    EXPECT_FALSE(second.start(server->port(), "127.0.0.1"));
    EXPECT_FALSE(second.running());
    EXPECT_FALSE(other.on);
}

} // namespace
} // namespace racedesk
