#pragma once
#include <cstdint>

namespace racedesk {

// The decoder's serial port: 9600 baud, 8 data bits, no parity, 1 stop bit, no flow control.
// The implementation reads the port on its own and stamps each byte with the high-resolution
// counter (Clock::counter) at its arrival; read() hands over what has arrived, oldest first.
class SerialPort {
public:
    virtual ~SerialPort() = default;
    // Opens "COMn"; purges both directions and raises DTR. False when it cannot be opened.
    virtual bool open(const char* portName) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Gives the number of bytes written: 0 when the port is closed or the write failed.
    virtual int write(const std::uint8_t* data, int count) = 0;
    // Takes at most maxCount arrived bytes and their arrival stamps; gives their number.
    virtual int read(std::uint8_t* data, std::int64_t* stamps, int maxCount) = 0;
    // Drops everything received and not yet read, and anything not yet sent.
    virtual void purge() = 0;
};

} // namespace racedesk
