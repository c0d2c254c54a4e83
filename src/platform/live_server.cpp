#include "platform/live_server.h"

#include "core/live/live_json.h"
#include "platform/connection_pool.h"

#include <httplib.h>

#include <sys/socket.h>
#include <sys/time.h>

#include <algorithm>
#include <charconv>
#include <csignal>

namespace racedesk {
namespace {

constexpr std::chrono::milliseconds kPumpWait{500};

void answerError(httplib::Response& res, int status, const char* text) {
    res.status = status;
    res.set_content(text, "text/plain; charset=utf-8");
}

} // namespace

LiveServer::LiveServer(LiveFeed& feed, OtherPages otherPages, LiveServerLimits limits)
    : feed_(feed), otherPages_(std::move(otherPages)), limits_(limits) {}

LiveServer::~LiveServer() {
    stop();
}

bool LiveServer::start(int port, const std::string& host) {
    stop();
    // A client that goes away while it is answered must not end the program: the library
    // writes without MSG_NOSIGNAL, so the write fails with EPIPE instead of a signal.
    std::signal(SIGPIPE, SIG_IGN);
    auto server = std::make_unique<httplib::Server>();
    const int connections = limits_.connections;
    server->new_task_queue = [connections] { return new ConnectionPool(connections); };
    server->set_payload_max_length(limits_.requestBytes);
    server->set_read_timeout(limits_.timeoutSeconds, 0);
    server->set_write_timeout(limits_.timeoutSeconds, 0);
    server->set_keep_alive_timeout(limits_.idleSeconds);
    server->set_keep_alive_max_count(100);
    // Only SO_REUSEADDR: the library's default adds SO_REUSEPORT, with which a second program
    // would share the port instead of being refused it. The send time-out passes to every
    // accepted connection, so a client that stops reading cannot hold a thread in send().
    const timeval sendTimeout{limits_.timeoutSeconds, 0};
    server->set_socket_options([sendTimeout](socket_t sock) {
        const int yes = 1;
        ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        ::setsockopt(sock, SOL_SOCKET, SO_SNDTIMEO, &sendTimeout, sizeof sendTimeout);
    });
    server->set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
        if (ConnectionPool::overloaded()) {
            res.set_header("Retry-After", "5");
            res.set_header("Connection", "close");
            answerError(res, 503, "Busy: too many connections.\n");
            return httplib::Server::HandlerResponse::Handled;
        }
        if (const int status = oversized(req)) {
            // What follows the headers was not read: the connection cannot go on.
            res.set_header("Connection", "close");
            answerError(res, status, "Request too large.\n");
            return httplib::Server::HandlerResponse::Handled;
        }
        if (req.method != "GET" && req.method != "HEAD") {
            res.set_header("Allow", "GET, HEAD");
            answerError(res, 405, "Only GET and HEAD are answered.\n");
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    server->set_error_handler([](const httplib::Request&, httplib::Response& res) {
        if (res.body.empty())
            res.set_content("Error " + std::to_string(res.status) + ".\n",
                            "text/plain; charset=utf-8");
    });
    server->Get(R"(/.*)", [this](const httplib::Request& req, httplib::Response& res) {
        answer(req.path, req.method == "HEAD", res);
    });
    const bool any = port == 0;
    port_ = any ? server->bind_to_any_port(host) : (server->bind_to_port(host, port) ? port : -1);
    if (port_ <= 0) {
        port_ = 0;
        return false;
    }
    {
        const std::lock_guard lock(mutex_);
        stopping_ = false;
    }
    feed_.rearm();
    feed_.on = true;
    server_ = std::move(server);
    pump_ = std::thread([this] { pump(); });
    listener_ = std::thread([s = server_.get()] {
        ConnectionPool::yieldToTiming();
        s->listen_after_bind();
    });
    // The library's stop() does nothing until its loop runs: a stop right after the start
    // would otherwise leave the listener waiting for ever.
    while (!server_->is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return true;
}

void LiveServer::stop() {
    if (!server_)
        return;
    feed_.on = false;
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    eventReady_.notify_all();
    feed_.release();
    server_->stop();
    listener_.join();
    pump_.join();
    server_.reset();
    port_ = 0;
}

int LiveServer::oversized(const httplib::Request& req) const {
    std::size_t bytes = req.method.size() + req.target.size() + req.version.size();
    for (const auto& [name, value] : req.headers)
        bytes += name.size() + value.size() + 4;
    if (bytes > limits_.headerBytes || req.headers.size() > limits_.headerLines)
        return 431;
    if (req.has_header("Transfer-Encoding"))
        return 413;
    const std::string length = req.get_header_value("Content-Length");
    if (length.empty())
        return 0;
    std::size_t n = 0;
    const char* end = length.data() + length.size();
    const auto [stop, error] = std::from_chars(length.data(), end, n);
    if (error == std::errc::result_out_of_range)
        return 413;
    if (error != std::errc{} || stop != end)
        return 400;
    return n > limits_.requestBytes ? 413 : 0;
}

std::uint64_t LiveServer::updates() const {
    const std::lock_guard lock(mutex_);
    return eventNumber_;
}

// Turns each new snapshot into the text every stream sends, once for all of them.
void LiveServer::pump() {
    ConnectionPool::yieldToTiming();
    std::uint64_t seen = 0;
    for (;;) {
        {
            const std::lock_guard lock(mutex_);
            if (stopping_)
                return;
        }
        if (feed_.waitAfter(seen, kPumpWait) == seen)
            continue;
        const LiveSnapshot& snapshot = feed_.latest(seen);
        const std::lock_guard lock(mutex_);
        const std::uint64_t number = ++eventNumber_;
        auto json = std::make_shared<const std::string>(snapshotJson(snapshot, number));
        recent_[number % kRecentEvents] = std::make_shared<const std::string>(
            "id: " + std::to_string(number) + "\ndata: " + *json + "\n\n");
        json_ = std::move(json);
        eventReady_.notify_all();
    }
}

void LiveServer::answer(const std::string& path, bool head, httplib::Response& res) {
    res.set_header("Cache-Control", "no-store");
    if (path == kBoardEventsPath) {
        if (!head)
            stream(res);
        else
            res.set_content("", "text/event-stream");
        return;
    }
    if (path == kBoardJsonPath) {
        std::shared_ptr<const std::string> json;
        {
            const std::lock_guard lock(mutex_);
            json = json_;
        }
        res.set_content(json ? *json : std::string("{}"), "application/json");
        return;
    }
    std::optional<WebPage> page = liveBoardPage(path);
    if (!page && otherPages_)
        page = otherPages_(path);
    if (page) {
        res.set_content(std::move(page->body), page->contentType);
        return;
    }
    if (path == "/") {
        res.set_redirect(std::string(kBoardPath));
        return;
    }
    answerError(res, 404, "Not found.\n");
}

std::shared_ptr<const std::string> LiveServer::nextEvent(std::uint64_t& seen) {
    std::unique_lock lock(mutex_);
    eventReady_.wait_for(lock, std::chrono::seconds(limits_.keepAliveSeconds),
                         [&] { return stopping_ || eventNumber_ > seen; });
    if (stopping_ || eventNumber_ <= seen)
        return nullptr;
    seen = std::max(seen + 1, eventNumber_ - std::min(eventNumber_, kRecentEvents - 1));
    return recent_[seen % kRecentEvents];
}

// A board's stream: the latest event at once, then every new one; a comment when nothing
// changed for a while, so a client that went away is found out and its thread freed.
void LiveServer::stream(httplib::Response& res) {
    auto seen = std::make_shared<std::uint64_t>(0);
    {
        // A new board starts from the latest event, not from the oldest one still kept.
        const std::lock_guard lock(mutex_);
        *seen = eventNumber_ > 0 ? eventNumber_ - 1 : 0;
    }
    ++streams_;
    res.set_chunked_content_provider(
        "text/event-stream",
        [this, seen](std::size_t, httplib::DataSink& sink) {
            const std::shared_ptr<const std::string> event = nextEvent(*seen);
            {
                const std::lock_guard lock(mutex_);
                if (stopping_) {
                    sink.done();
                    return true;
                }
            }
            static const std::string kKeepAlive = ": still here\n\n";
            const std::string& text = event ? *event : kKeepAlive;
            return sink.write(text.data(), text.size());
        },
        [this](bool) { --streams_; });
}

} // namespace racedesk
