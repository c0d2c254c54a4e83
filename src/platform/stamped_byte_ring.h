#pragma once
#include <cstdint>
#include <memory>
#include <mutex>

namespace racedesk {

// Bytes received from the decoder, each with the counter value of its arrival, handed from
// the serial reader thread to the tick. The capacity is fixed at construction, so neither
// side allocates once the port runs; when the tick falls that far behind, the oldest bytes
// give way to the newest, which are the ones a run in progress needs.
class StampedByteRing {
public:
    explicit StampedByteRing(int capacity);

    // Stores count bytes that arrived together at 'stamp'.
    void push(const std::uint8_t* data, int count, std::int64_t stamp);
    // Takes at most maxCount bytes, oldest first, with their stamps; gives their number.
    int take(std::uint8_t* data, std::int64_t* stamps, int maxCount);
    void clear();

    int size() const;
    int capacity() const { return capacity_; }
    // Bytes overwritten before they were taken, since construction.
    std::int64_t dropped() const;

private:
    const int capacity_;
    std::unique_ptr<std::uint8_t[]> bytes_;
    std::unique_ptr<std::int64_t[]> stamps_;
    int head_ = 0; // oldest byte
    int count_ = 0;
    std::int64_t dropped_ = 0;
    mutable std::mutex mutex_;
};

} // namespace racedesk
