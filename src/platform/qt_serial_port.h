#pragma once
#include "core/platform/serial_port.h"
#include "platform/stamped_byte_ring.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QObject;
class QSerialPort;
class QThread;

namespace racedesk {

// A serial port the system lists with a device behind it.
struct SystemSerialPort {
    std::string path;        // "/dev/ttyUSB0"
    std::string description; // the driver's or the adapter's own words
    bool usb = false;
};

// The machine's serial ports that really exist: USB adapters first, then the others, each in
// the system's order. A built-in port whose UART does not answer is left out: it would open
// and stay silent, and silence would pass for a KT1.
std::vector<SystemSerialPort> systemSerialPorts();

// Where a port name leads: "COMn" is <working folder>/ports/COMn when that path exists (a
// link to a USB adapter's tty, or to the decoder simulator's pseudo-terminal), otherwise the
// n-th of the system's ports, and nowhere (empty) when there are fewer. Empty for a name
// that is not "COMn".
std::string serialDevicePath(const std::string& workingFolder, const char* portName,
                             const std::vector<SystemSerialPort>& ports);
std::string serialDevicePath(const std::string& workingFolder, const char* portName);
// What a port name stands for, as the interface dialog shows it: the device and its
// description, or empty when the name leads nowhere.
std::string describePort(const std::string& workingFolder, const char* portName,
                         const std::vector<SystemSerialPort>& ports);

// The decoder's serial port on QSerialPort.
//
// The port lives in a reader thread with an event loop of its own, which stamps bytes with
// monotonicNanoseconds() the moment they arrive: a KT1 passing is timed by its arrival, and
// waiting for the 10 ms tick to read it would add up to a tick of error to every lap. The
// stamped bytes wait for the tick in a fixed-size ring, so reading allocates nothing.
//
// Opening, closing, purging and writing are carried out in the reader thread, which owns the
// port, while the caller waits: to the program they are synchronous calls, as its decoder
// waits and its keep-alive loss detection expect. A write waits at most about 100 ms for its
// bytes to go out and gives 0 when they could not be sent, for instance when the device has
// gone (an adapter unplugged, the simulator's terminal closed). Such a port closes itself,
// since it would otherwise keep reporting data that is not there, and isOpen() turns false;
// a single read that finds nothing closes nothing.
//
// Needs a QCoreApplication, since the reader thread runs an event loop.
class QtSerialPort : public SerialPort {
public:
    explicit QtSerialPort(std::string workingFolder);
    ~QtSerialPort() override;
    QtSerialPort(const QtSerialPort&) = delete;
    QtSerialPort& operator=(const QtSerialPort&) = delete;

    bool open(const char* portName) override;
    void close() override;
    bool isOpen() const override;
    int write(const std::uint8_t* data, int count) override;
    int read(std::uint8_t* data, std::int64_t* stamps, int maxCount) override;
    void purge() override;

    static constexpr int kRingCapacity = 64 * 1024;
    static constexpr int kWriteWaitMs = 100;
    // Failed reads in a row, with nothing read between them, that tell a device has gone
    // even when its node is still there and its line has not hung up.
    static constexpr int kFailedReadsWhenGone = 20;

private:
    // Runs f in the reader thread and waits for its result.
    template <typename F> auto inReader(F f);

    // These run in the reader thread only.
    bool openDevice(const std::string& path);
    void closeDevice();
    void purgeDevice();
    int writeDevice(const std::uint8_t* data, int count);
    void drain();
    void onError(int error);
    bool deviceGone();

    std::string workDir_;
    StampedByteRing ring_{kRingCapacity};
    std::array<char, 4096> chunk_{};
    std::unique_ptr<QThread> thread_;
    QObject* home_ = nullptr; // lives in the reader thread and owns the port
    QSerialPort* port_ = nullptr;
    std::atomic<bool> open_{false};
    // Reader thread only: which opening a reported error belongs to, whether its closing is
    // already on the way, the device opened and how many reads have failed since the last
    // one that read something.
    int generation_ = 0;
    bool closePending_ = false;
    std::string devicePath_;
    int failedReadsInARow_ = 0;
};

} // namespace racedesk
