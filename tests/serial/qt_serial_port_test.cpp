#include "serial_rig.h"

#include "core/timing/decoder_protocol.h"
#include "kt-sim/control/sim_log.h"
#include "platform/qt_serial_port.h"
#include "platform/system_clock.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <sys/resource.h>
#include <thread>
#include <vector>

namespace racedesk::test {
namespace {

struct Received {
    std::vector<std::uint8_t> bytes;
    std::vector<std::int64_t> stamps;
};

// Reads until 'count' bytes came or 'timeoutMs' passed.
Received readAtLeast(QtSerialPort& port, std::size_t count, int timeoutMs) {
    Received r;
    const std::int64_t end = monotonicNanoseconds() + std::int64_t(timeoutMs) * 1'000'000;
    while (r.bytes.size() < count && monotonicNanoseconds() < end) {
        std::array<std::uint8_t, kMaxRead> bytes{};
        std::array<std::int64_t, kMaxRead> stamps{};
        const int n = port.read(bytes.data(), stamps.data(), kMaxRead);
        r.bytes.insert(r.bytes.end(), bytes.begin(), bytes.begin() + n);
        r.stamps.insert(r.stamps.end(), stamps.begin(), stamps.begin() + n);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return r;
}

int writeCommand(QtSerialPort& port, const std::array<std::uint8_t, 5>& command) {
    return port.write(command.data(), int(command.size()));
}

// Processor time of this whole process so far, in milliseconds.
std::int64_t processorMs() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) {
        return std::int64_t(t.tv_sec) * 1000 + t.tv_usec / 1000;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

const std::vector<std::uint8_t> kIdentifyReplyStart = {0xFF, 0xFF, 0xFF, 0x01, 0x02};

bool startsIdentifyReply(const Received& r) {
    return r.bytes.size() == 7 &&
           std::equal(kIdentifyReplyStart.begin(), kIdentifyReplyStart.end(), r.bytes.begin());
}

TEST(SerialDevicePath, aComPortIsItsLinkInPortsElseOneOfTheSystemsRealPortsElseNowhere) {
    TempFolder folder;
    const std::vector<SystemSerialPort> system = {{"/dev/ttyUSB0", "FT232R USB UART", true},
                                                  {"/dev/ttyS0", "16550A", false}};
    EXPECT_EQ(serialDevicePath(folder.path(), "COM1", system), "/dev/ttyUSB0");
    EXPECT_EQ(serialDevicePath(folder.path(), "COM2", system), "/dev/ttyS0");
    EXPECT_EQ(serialDevicePath(folder.path(), "COM3", system), "") << "no third port";
    EXPECT_EQ(serialDevicePath(folder.path(), "COM1", {}), "")
        << "never a device node that may have nothing behind it";
    EXPECT_EQ(describePort(folder.path(), "COM1", system), "/dev/ttyUSB0 (FT232R USB UART)");
    EXPECT_EQ(describePort(folder.path(), "COM3", system), "");

    folder.write("ports/COM2", "");
    EXPECT_EQ(serialDevicePath(folder.path(), "COM2", system), folder.path() + "/ports/COM2");
    EXPECT_EQ(serialDevicePath(folder.path(), "COM1", system), "/dev/ttyUSB0");
}

TEST(SerialDevicePath, theSystemsPortsListUsbAdaptersFirstAndOnlyPortsThatExist) {
    const std::vector<SystemSerialPort> ports = systemSerialPorts();
    bool pastUsb = false;
    for (const SystemSerialPort& p : ports) {
        EXPECT_TRUE(std::filesystem::exists(p.path)) << p.path;
        EXPECT_FALSE(pastUsb && p.usb) << p.path << " after a built-in port";
        pastUsb = pastUsb || !p.usb;
    }
}

TEST(QtSerialPortOpen, aComNameWithNothingBehindItFailsToOpen) {
    TempFolder folder;
    if (systemSerialPorts().size() >= 9)
        GTEST_SKIP() << "this machine has a ninth serial port";
    QtSerialPort port(folder.path());
    EXPECT_FALSE(port.open("COM9"));
    EXPECT_FALSE(port.isOpen());
}

TEST(SerialDevicePath, namesThatAreNotComPortsLeadNowhere) {
    TempFolder folder;
    EXPECT_EQ(serialDevicePath(folder.path(), "COM0"), "");
    EXPECT_EQ(serialDevicePath(folder.path(), "COM"), "");
    EXPECT_EQ(serialDevicePath(folder.path(), "COM1x"), "");
    EXPECT_EQ(serialDevicePath(folder.path(), "LPT1"), "");
    EXPECT_EQ(serialDevicePath(folder.path(), ""), "");
    EXPECT_EQ(serialDevicePath(folder.path(), nullptr), "");
}

TEST(QtSerialPort, aPortWithNoDeviceDoesNotOpenAndWritesAndReadsNothing) {
    SerialRig rig;
    EXPECT_FALSE(rig.serial.open(SerialRig::kPort));
    EXPECT_FALSE(rig.serial.isOpen());
    EXPECT_EQ(writeCommand(rig.serial, kIdentifyCommand), 0);
    std::array<std::uint8_t, 8> bytes{};
    std::array<std::int64_t, 8> stamps{};
    EXPECT_EQ(rig.serial.read(bytes.data(), stamps.data(), 8), 0);
}

TEST(QtSerialPort, identifyIsAnsweredAndEachByteCarriesTheMomentItArrived) {
    SerialRig rig;
    ASSERT_TRUE(rig.startSim({"--kt2"}));
    ASSERT_TRUE(rig.serial.open(SerialRig::kPort));

    const std::int64_t before = monotonicNanoseconds();
    EXPECT_EQ(writeCommand(rig.serial, kIdentifyCommand), 5);
    const Received r = readAtLeast(rig.serial, 7, 3000);
    const std::int64_t after = monotonicNanoseconds();

    EXPECT_TRUE(startsIdentifyReply(r));
    for (std::size_t i = 0; i < r.stamps.size(); ++i) {
        EXPECT_GE(r.stamps[i], before);
        EXPECT_LE(r.stamps[i], after);
        if (i > 0) {
            EXPECT_GE(r.stamps[i], r.stamps[i - 1]);
        }
    }
}

TEST(QtSerialPort, bytesAreStampedWhenTheyArriveNotWhenTheyAreRead) {
    SerialRig rig;
    ASSERT_TRUE(rig.startSim({"--kt1"}));
    ASSERT_TRUE(rig.serial.open(SerialRig::kPort));

    rig.sim->command("pass 1001");
    holdFor(300);
    rig.sim->command("pass 1002");
    ASSERT_TRUE(rig.sim->waitFor({"send", "passing", "1002"}, 1, 3000));
    holdFor(400);
    const std::int64_t readAt = monotonicNanoseconds();
    const Received r = readAtLeast(rig.serial, 4, 3000);

    ASSERT_EQ(r.bytes, (std::vector<std::uint8_t>{0x03, 0xE9, 0x03, 0xEA}));
    const auto log = rig.sim->log();
    const auto first = ktsim::sentPassings(log, 1001);
    const auto second = ktsim::sentPassings(log, 1002);
    ASSERT_EQ(first.size(), 1U);
    ASSERT_EQ(second.size(), 1U);
    // Arrival follows the sending closely, and the read came much later.
    const std::vector<std::pair<std::int64_t, std::int64_t>> arrivalAndSending = {
        {r.stamps[1], first[0].micros}, {r.stamps[3], second[0].micros}};
    for (const auto& [stamp, sentMicros] : arrivalAndSending) {
        EXPECT_GE(stamp / 1000, sentMicros);
        EXPECT_LT(stamp / 1000 - sentMicros, 150'000);
        EXPECT_LT(stamp, readAt - 200'000'000);
    }
}

TEST(QtSerialPort, aPortClosedAndOpenedAgainWorksEachTime) {
    SerialRig rig;
    ASSERT_TRUE(rig.startSim({"--kt2"}));
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(rig.serial.open(SerialRig::kPort)) << "round " << round;
        EXPECT_TRUE(rig.serial.isOpen());
        EXPECT_EQ(writeCommand(rig.serial, kIdentifyCommand), 5);
        EXPECT_TRUE(startsIdentifyReply(readAtLeast(rig.serial, 7, 3000))) << "round " << round;
        rig.serial.close();
        EXPECT_FALSE(rig.serial.isOpen());
        EXPECT_EQ(writeCommand(rig.serial, kIdentifyCommand), 0);
    }
}

TEST(QtSerialPort, purgeDropsWhatArrivedAndWasNotRead) {
    SerialRig rig;
    ASSERT_TRUE(rig.startSim({"--kt2"}));
    ASSERT_TRUE(rig.serial.open(SerialRig::kPort));
    EXPECT_EQ(writeCommand(rig.serial, kIdentifyCommand), 5);
    ASSERT_TRUE(rig.sim->waitFor({"send", "identify-reply"}, 1, 3000));
    holdFor(100);

    rig.serial.purge();

    EXPECT_TRUE(readAtLeast(rig.serial, 1, 100).bytes.empty());
    EXPECT_EQ(writeCommand(rig.serial, kIdentifyCommand), 5);
    EXPECT_TRUE(startsIdentifyReply(readAtLeast(rig.serial, 7, 3000)));
}

TEST(QtSerialPort, aVanishedDeviceFailsWritesClosesAtOnceAndOpensAgainWhenBack) {
    SerialRig rig;
    ASSERT_TRUE(rig.startSim({"--kt2"}));
    ASSERT_TRUE(rig.serial.open(SerialRig::kPort));
    EXPECT_EQ(writeCommand(rig.serial, kKeepAliveCommand), 5);

    rig.sim->command("vanish");
    ASSERT_TRUE(rig.sim->waitFor({"vanished"}, 1, 3000));
    EXPECT_EQ(writeCommand(rig.serial, kKeepAliveCommand), 0);
    EXPECT_EQ(writeCommand(rig.serial, kKeepAliveCommand), 0);
    const std::int64_t closing = monotonicNanoseconds();
    rig.serial.close();
    EXPECT_LT(monotonicNanoseconds() - closing, 1'000'000'000);
    EXPECT_FALSE(rig.serial.open(SerialRig::kPort));

    rig.sim->command("return");
    ASSERT_TRUE(rig.sim->waitFor({"ready"}, 2, 3000));
    ASSERT_TRUE(rig.serial.open(SerialRig::kPort));
    EXPECT_EQ(writeCommand(rig.serial, kIdentifyCommand), 5);
    EXPECT_TRUE(startsIdentifyReply(readAtLeast(rig.serial, 7, 3000)));
}

TEST(QtSerialPort, aPortWhoseDeviceVanishedClosesItselfRatherThanSpinning) {
    SerialRig rig;
    ASSERT_TRUE(rig.startSim({"--kt1"}));
    ASSERT_TRUE(rig.serial.open(SerialRig::kPort));

    rig.sim->command("vanish");
    ASSERT_TRUE(rig.sim->waitFor({"vanished"}, 1, 3000));
    const std::int64_t end = monotonicNanoseconds() + 3'000'000'000;
    while (rig.serial.isOpen() && monotonicNanoseconds() < end)
        holdFor(5);
    EXPECT_FALSE(rig.serial.isOpen());
    const std::int64_t before = processorMs();
    holdFor(500);
    EXPECT_LT(processorMs() - before, 250) << "the reader thread keeps the processor busy";
}

} // namespace
} // namespace racedesk::test
