#pragma once
#include "core/live/live_snapshot.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace racedesk {

// Hands the board from the tick to the live results server. Three buffers: the tick fills
// its own, and publishing only swaps it with the ready one under the lock, so the tick never
// waits on the server nor allocates; the server swaps the ready one with its own to read it.
// One writer (the tick's thread) and one reader (the server's pump).
class LiveFeed {
public:
    // Writer: the board as it stands now becomes the latest snapshot, when it differs from the
    // last one published. True when it did.
    bool publish(const Program& p);

    // Reader: waits up to `timeout` for a snapshot numbered after `seen`, or for `release`.
    // Gives the latest number.
    std::uint64_t waitAfter(std::uint64_t seen, std::chrono::milliseconds timeout);
    // Reader: the latest snapshot, which stays the reader's until its next call.
    const LiveSnapshot& latest(std::uint64_t& number);
    // Ends every wait at once (the server stops).
    void release();
    // Waits return again after a release (the server starts anew).
    void rearm();

    // Set while the server runs: the tick publishes only then.
    bool on = false;

private:
    LiveSnapshot buffers_[3]{};
    LiveSnapshot lastPublished_{}; // the writer's own copy, to publish only what changed
    int back_ = 0, ready_ = 1, front_ = 2;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::uint64_t published_ = 0; // number of the ready snapshot
    std::uint64_t taken_ = 0;     // number of the reader's snapshot
    bool released_ = false;
};

} // namespace racedesk
