#pragma once
#include "core/live/live_feed.h"
#include "core/live/live_pages.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

namespace racedesk {

struct LiveServerLimits {
    // Connections answered at once, each on a thread of its own; the ones beyond wait for an
    // answer "503" from a small spare pool.
    // A phone opening the board takes one for the page and its files, then one for the stream.
    int connections = 400;
    // A request's body; the request line and each header line are held to 8 KiB by the library.
    std::size_t requestBytes = 4096;
    int timeoutSeconds = 5;    // to read a request, and to write to a client that stopped reading
    int keepAliveSeconds = 10; // a board's stream writes a comment at least this often
    int idleSeconds = 2;       // a connection kept open between requests
    // The request line and all header lines together, and how many header lines.
    std::size_t headerBytes = 8192;
    std::size_t headerLines = 64;
};

// The read-only web server of the live results: the board page with its stream of snapshots,
// and the meeting's pages through `otherPages`. Its threads never touch the program's state:
// they read only the feed and whatever `otherPages` reads.
class LiveServer {
public:
    using OtherPages = std::function<std::optional<WebPage>(std::string_view path)>;

    LiveServer(LiveFeed& feed, OtherPages otherPages, LiveServerLimits limits = {});
    ~LiveServer();
    LiveServer(const LiveServer&) = delete;
    LiveServer& operator=(const LiveServer&) = delete;

    // Listens on `host` at `port` (0: a free port); false when the port cannot be had.
    bool start(int port, const std::string& host = "0.0.0.0");
    void stop();
    bool running() const { return server_ != nullptr; }
    int port() const { return port_; }

    // What the server has done, for the settings dialog, the tests and the bench.
    std::uint64_t updates() const; // snapshots turned into events
    int openStreams() const { return streams_.load(); }

private:
    void pump();
    // The status a request's size asks for, 0 when it is within the limits.
    int oversized(const httplib::Request& req) const;
    void answer(const std::string& path, bool head, httplib::Response& res);
    void stream(httplib::Response& res);
    // The event after `seen`, waiting up to the keep-alive time; null when there was none or
    // the server stops.
    std::shared_ptr<const std::string> nextEvent(std::uint64_t& seen);

    LiveFeed& feed_;
    OtherPages otherPages_;
    LiveServerLimits limits_;
    std::unique_ptr<httplib::Server> server_;
    std::thread listener_;
    std::thread pump_;
    int port_ = 0;

    mutable std::mutex mutex_;
    std::condition_variable eventReady_;
    // The latest events ("id: n\ndata: {...}\n\n"), event n at n % kRecentEvents: a stream that
    // fell a few behind sends each one it missed; one further behind goes to the latest.
    static constexpr std::uint64_t kRecentEvents = 64;
    std::shared_ptr<const std::string> recent_[kRecentEvents];
    std::shared_ptr<const std::string> json_;
    std::uint64_t eventNumber_ = 0;
    bool stopping_ = false;
    std::atomic<int> streams_{0};
};

} // namespace racedesk
