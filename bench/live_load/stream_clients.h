#pragma once
#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace racedesk::bench {

// Browsers holding the live board: each a connection to the board's stream, all read by one
// thread that notes the number of every event each receives.
class StreamClients {
public:
    StreamClients(int port, int count);
    ~StreamClients();

    // Connected and answered: every client has had its first event.
    bool allStreaming() const;
    void stop();

    struct Figures {
        int clients = 0;
        std::uint64_t fewestEvents = 0;
        std::uint64_t mostEvents = 0;
        std::uint64_t gaps = 0;       // event numbers skipped, over all clients
        std::uint64_t lowestLast = 0; // the last event number of the client furthest behind
    };
    Figures figures() const;

private:
    struct Client {
        int fd = -1;
        std::string pending;
        std::uint64_t first = 0, last = 0, events = 0, gaps = 0;
    };
    void read();
    void take(Client& c);

    std::vector<Client> clients_;
    std::atomic<bool> stop_{false};
    std::atomic<int> streaming_{0};
    std::thread reader_;
};

} // namespace racedesk::bench
