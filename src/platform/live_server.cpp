#include "platform/live_server.h"

#include "core/live/live_json.h"
#include "platform/connection_pool.h"

#include <httplib.h>

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
    server->set_keep_alive_timeout(limits_.timeoutSeconds);
    server->set_keep_alive_max_count(100);
    server->set_pre_routing_handler([](const httplib::Request& req, httplib::Response& res) {
        if (ConnectionPool::overloaded()) {
            res.set_header("Retry-After", "5");
            res.set_header("Connection", "close");
            answerError(res, 503, "Busy: too many connections.\n");
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
    listener_ = std::thread([s = server_.get()] { s->listen_after_bind(); });
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

std::uint64_t LiveServer::updates() const {
    const std::lock_guard lock(mutex_);
    return eventNumber_;
}

// Turns each new snapshot into the text every stream sends, once for all of them.
void LiveServer::pump() {
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
        event_ = std::make_shared<const std::string>("id: " + std::to_string(number) +
                                                     "\ndata: " + *json + "\n\n");
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
    seen = eventNumber_;
    return event_;
}

// A board's stream: the latest event at once, then every new one; a comment when nothing
// changed for a while, so a client that went away is found out and its thread freed.
void LiveServer::stream(httplib::Response& res) {
    auto seen = std::make_shared<std::uint64_t>(0);
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
