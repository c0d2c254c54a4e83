#include "support/scripted_serial_port.h"

#include "support/fake_clock.h"

#include <algorithm>

namespace racedesk::test {

bool ScriptedSerialPort::open(const char* portName) {
    opened.emplace_back(portName);
    open_ = canOpen;
    if (open_)
        incoming_.clear();
    return open_;
}

int ScriptedSerialPort::write(const std::uint8_t* data, int count) {
    if (!open_ || writesFail)
        return 0;
    std::vector<std::uint8_t> bytes(data, data + count);
    written.push_back({clock_.nowMicros(), bytes});
    if (onWrite)
        onWrite(bytes);
    return count;
}

int ScriptedSerialPort::read(std::uint8_t* data, std::int64_t* stamps, int maxCount) {
    if (!open_)
        return 0;
    int n = 0;
    while (n < maxCount && !incoming_.empty() && incoming_.front().atMicros <= clock_.nowMicros()) {
        data[n] = incoming_.front().value;
        stamps[n] = incoming_.front().atMicros;
        incoming_.pop_front();
        ++n;
    }
    return n;
}

void ScriptedSerialPort::arrive(const std::vector<std::uint8_t>& bytes) {
    arriveAt(clock_.nowMicros(), bytes);
}

void ScriptedSerialPort::arriveAt(std::int64_t atMicros, const std::vector<std::uint8_t>& bytes) {
    for (const std::uint8_t b : bytes)
        incoming_.push_back({atMicros, b});
    std::stable_sort(incoming_.begin(), incoming_.end(),
                     [](const Byte& a, const Byte& b) { return a.atMicros < b.atMicros; });
}

void ScriptedSerialPort::arriveOnWire(std::int64_t atMicros,
                                      const std::vector<std::uint8_t>& bytes) {
    std::int64_t t = atMicros;
    for (const std::uint8_t b : bytes) {
        t += 1042;
        arriveAt(t, {b});
    }
}

} // namespace racedesk::test
