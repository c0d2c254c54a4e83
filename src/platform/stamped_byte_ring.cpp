#include "platform/stamped_byte_ring.h"

#include <algorithm>

namespace racedesk {

StampedByteRing::StampedByteRing(int capacity)
    : capacity_(std::max(capacity, 1)),
      bytes_(std::make_unique<std::uint8_t[]>(std::size_t(capacity_))),
      stamps_(std::make_unique<std::int64_t[]>(std::size_t(capacity_))) {}

void StampedByteRing::push(const std::uint8_t* data, int count, std::int64_t stamp) {
    const std::lock_guard lock(mutex_);
    for (int i = 0; i < count; ++i) {
        if (count_ == capacity_) {
            head_ = (head_ + 1) % capacity_;
            --count_;
            ++dropped_;
        }
        const auto at = std::size_t((head_ + count_) % capacity_);
        bytes_[at] = data[i];
        stamps_[at] = stamp;
        ++count_;
    }
}

int StampedByteRing::take(std::uint8_t* data, std::int64_t* stamps, int maxCount) {
    const std::lock_guard lock(mutex_);
    const int n = std::clamp(maxCount, 0, count_);
    for (int i = 0; i < n; ++i) {
        const auto at = std::size_t((head_ + i) % capacity_);
        data[i] = bytes_[at];
        stamps[i] = stamps_[at];
    }
    head_ = (head_ + n) % capacity_;
    count_ -= n;
    return n;
}

void StampedByteRing::clear() {
    const std::lock_guard lock(mutex_);
    head_ = 0;
    count_ = 0;
}

int StampedByteRing::size() const {
    const std::lock_guard lock(mutex_);
    return count_;
}

std::int64_t StampedByteRing::dropped() const {
    const std::lock_guard lock(mutex_);
    return dropped_;
}

} // namespace racedesk
