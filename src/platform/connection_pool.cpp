#include "platform/connection_pool.h"

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

namespace racedesk {
namespace {

thread_local bool spareThread = false;
constexpr int kSpareThreads = 2;
constexpr int kServerNice = 10;

} // namespace

ConnectionPool::ConnectionPool(int limit) : limit_(std::size_t(limit < 1 ? 1 : limit)) {
    for (int i = 0; i < kSpareThreads; ++i)
        threads_.emplace_back([this] { work(spareQueue_, true); });
}

ConnectionPool::~ConnectionPool() {
    shutdown();
}

bool ConnectionPool::overloaded() {
    return spareThread;
}

void ConnectionPool::yieldToTiming() {
    // A batch thread never preempts the tick when it wakes; it still has its fair share.
    const sched_param none{};
    ::pthread_setschedparam(::pthread_self(), SCHED_BATCH, &none);
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kServerNice);
}

void ConnectionPool::enqueue(std::function<void()> fn) {
    {
        const std::lock_guard lock(mutex_);
        if (queue_.size() < idle_) {
            queue_.push_back(std::move(fn));
        } else if (workers_ < limit_ && !shuttingDown_) {
            queue_.push_back(std::move(fn));
            ++workers_;
            threads_.emplace_back([this] { work(queue_, false); });
        } else {
            spareQueue_.push_back(std::move(fn));
        }
    }
    wake_.notify_all();
}

void ConnectionPool::work(std::deque<std::function<void()>>& queue, bool spare) {
    spareThread = spare;
    yieldToTiming();
    for (;;) {
        std::function<void()> fn;
        {
            std::unique_lock lock(mutex_);
            if (!spare)
                ++idle_;
            wake_.wait(lock, [&] { return shuttingDown_ || !queue.empty(); });
            if (!spare)
                --idle_;
            // Queued connections are still answered at shutdown: each closes its socket.
            if (queue.empty())
                return;
            fn = std::move(queue.front());
            queue.pop_front();
        }
        fn();
    }
}

void ConnectionPool::shutdown() {
    std::vector<std::thread> threads;
    {
        const std::lock_guard lock(mutex_);
        shuttingDown_ = true;
        threads.swap(threads_);
    }
    wake_.notify_all();
    for (std::thread& t : threads)
        t.join();
}

} // namespace racedesk
