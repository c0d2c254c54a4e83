#pragma once
#include <httplib.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace racedesk {

// The server's connections: each is answered on a thread of its own, made when one is
// needed, up to `limit`; a board's stream holds its thread while the page is open. Beyond the
// limit a connection goes to two spare threads, where `overloaded()` is true, so the server
// answers it "503" at once instead of leaving it to wait unanswered.
class ConnectionPool : public httplib::TaskQueue {
public:
    explicit ConnectionPool(int limit);
    ~ConnectionPool() override;

    void enqueue(std::function<void()> fn) override;
    void shutdown() override;

    // True on the spare threads.
    static bool overloaded();
    // Lowers the calling thread's priority below the program's: on a machine with few cores,
    // answering two hundred browsers at once must not take a core from the tick.
    static void yieldToTiming();

private:
    void work(std::deque<std::function<void()>>& queue, bool spare);

    const std::size_t limit_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> queue_;
    std::deque<std::function<void()>> spareQueue_;
    std::vector<std::thread> threads_;
    std::size_t workers_ = 0; // threads made for connections, the spare ones aside
    std::size_t idle_ = 0;
    bool shuttingDown_ = false;
};

} // namespace racedesk
