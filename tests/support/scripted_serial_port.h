#pragma once
#include "core/platform/serial_port.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace racedesk::test {

class FakeClock;

// A serial port whose incoming bytes the test scripts, each byte arriving at a moment of the
// fake clock. Everything written is recorded with its moment.
class ScriptedSerialPort : public SerialPort {
public:
    explicit ScriptedSerialPort(FakeClock& clock) : clock_(clock) {}

    bool open(const char* portName) override;
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    int write(const std::uint8_t* data, int count) override;
    int read(std::uint8_t* data, std::int64_t* stamps, int maxCount) override;
    void purge() override { incoming_.clear(); }

    // Bytes that arrive at the clock's present moment (or 'atMicros').
    void arrive(const std::vector<std::uint8_t>& bytes);
    void arriveAt(std::int64_t atMicros, const std::vector<std::uint8_t>& bytes);
    // Bytes spread over the wire at 9600 baud from 'atMicros' on (about 1042 us a byte).
    void arriveOnWire(std::int64_t atMicros, const std::vector<std::uint8_t>& bytes);
    std::size_t pendingBytes() const { return incoming_.size(); }

    struct Written {
        std::int64_t atMicros;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Written> written;
    std::vector<std::string> opened;

    bool canOpen = true;
    bool writesFail = false;
    // Called for each write, so a test can script the interface's replies.
    std::function<void(const std::vector<std::uint8_t>&)> onWrite;

private:
    struct Byte {
        std::int64_t atMicros;
        std::uint8_t value;
    };
    FakeClock& clock_;
    std::deque<Byte> incoming_;
    bool open_ = false;
};

} // namespace racedesk::test
