#include "stream_clients.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

namespace racedesk::bench {

StreamClients::StreamClients(int port, int count) : clients_(std::size_t(count)) {
    const std::string request = "GET /board/events HTTP/1.1\r\nHost: bench\r\n\r\n";
    for (Client& c : clients_) {
        c.fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(static_cast<std::uint16_t>(port));
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(c.fd, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0 ||
            ::send(c.fd, request.data(), request.size(), MSG_NOSIGNAL) != ssize_t(request.size())) {
            ::close(c.fd);
            c.fd = -1;
        }
    }
    reader_ = std::thread([this] { read(); });
}

StreamClients::~StreamClients() {
    stop();
    for (Client& c : clients_)
        if (c.fd >= 0)
            ::close(c.fd);
}

bool StreamClients::allStreaming() const {
    return streaming_.load() == int(clients_.size());
}

void StreamClients::stop() {
    stop_ = true;
    if (reader_.joinable())
        reader_.join();
}

void StreamClients::read() {
    // The browsers are phones in the pits, not on the timing computer: here they only share
    // its cores, and must not take them from the tick.
    const sched_param none{};
    ::pthread_setschedparam(::pthread_self(), SCHED_BATCH, &none);
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 19);
    std::vector<pollfd> fds;
    for (const Client& c : clients_)
        fds.push_back({c.fd, POLLIN, 0});
    char buffer[65536];
    while (!stop_) {
        if (::poll(fds.data(), fds.size(), 50) <= 0)
            continue;
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if ((fds[i].revents & POLLIN) == 0)
                continue;
            const ssize_t n = ::recv(fds[i].fd, buffer, sizeof buffer, 0);
            if (n <= 0) {
                fds[i].fd = -1;
                continue;
            }
            clients_[i].pending.append(buffer, std::size_t(n));
            take(clients_[i]);
        }
    }
}

// Every whole "id: n" line received: the numbers must follow one another.
void StreamClients::take(Client& c) {
    std::size_t at = 0;
    for (;;) {
        const std::size_t id = c.pending.find("\nid: ", at);
        if (id == std::string::npos)
            break;
        const std::size_t end = c.pending.find('\n', id + 5);
        if (end == std::string::npos)
            break;
        const std::uint64_t number = std::strtoull(c.pending.c_str() + id + 5, nullptr, 10);
        if (c.events == 0) {
            c.first = number;
            ++streaming_;
        } else if (number != c.last + 1) {
            c.gaps += number > c.last ? number - c.last - 1 : 1;
        }
        c.last = number;
        ++c.events;
        at = end;
    }
    // Keep only what may begin the next line, so the buffer stays small.
    const std::size_t keep = std::min<std::size_t>(c.pending.size(), 64);
    c.pending.erase(0, std::max(at, c.pending.size() - keep));
}

StreamClients::Figures StreamClients::figures() const {
    Figures f;
    f.clients = int(clients_.size());
    f.fewestEvents = ~std::uint64_t(0);
    f.lowestLast = ~std::uint64_t(0);
    for (const Client& c : clients_) {
        f.fewestEvents = std::min(f.fewestEvents, c.events);
        f.mostEvents = std::max(f.mostEvents, c.events);
        f.gaps += c.gaps;
        f.lowestLast = std::min(f.lowestLast, c.last);
    }
    return f;
}

} // namespace racedesk::bench
