#include "core/live/live_feed.h"

#include <cstring>
#include <utility>

namespace racedesk {

bool LiveFeed::publish(const Program& p) {
    LiveSnapshot& draft = buffers_[back_];
    captureSnapshot(p, draft);
    if (published_ != 0 && sameSnapshot(draft, lastPublished_))
        return false;
    std::memcpy(&lastPublished_, &draft, sizeof draft);
    {
        const std::lock_guard lock(mutex_);
        std::swap(back_, ready_);
        ++published_;
    }
    changed_.notify_all();
    return true;
}

std::uint64_t LiveFeed::waitAfter(std::uint64_t seen, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, timeout, [&] { return published_ > seen || released_; });
    return published_;
}

const LiveSnapshot& LiveFeed::latest(std::uint64_t& number) {
    const std::lock_guard lock(mutex_);
    if (published_ != taken_) {
        std::swap(front_, ready_);
        taken_ = published_;
    }
    number = taken_;
    return buffers_[front_];
}

void LiveFeed::release() {
    {
        const std::lock_guard lock(mutex_);
        released_ = true;
    }
    changed_.notify_all();
}

void LiveFeed::rearm() {
    const std::lock_guard lock(mutex_);
    released_ = false;
}

} // namespace racedesk
