#include "serial_rig.h"

#include "core/timing/run_engine.h"
#include "kt-sim/control/sim_log.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace racedesk::test {
namespace {

// Offsets after each keep-alive from 0 to 420 ms, every other one within a few hundred
// microseconds of the program's next keep-alive (410 ms after the last, on the 10 ms tick),
// where a passing and a keep-alive meet in the port.
std::string collidingOffsets() {
    std::string list;
    for (int i = 0; i < 43; ++i) {
        char near[16];
        std::snprintf(near, sizeof near, "%d.%03d", 409 + i % 20 / 10, i % 10 * 100 + i % 3 * 33);
        list += std::to_string(i * 10) + "," + near + ",";
    }
    list.pop_back();
    return list;
}

TEST(DecoderLinkOnSerialPort, passingsMeetingTheKeepAlivesOnTheWireLoseNeitherTheLinkNorALap) {
    SerialRig rig;
    ASSERT_TRUE(rig.startSim({"--kt2", "--cars", "6", "--after-keepalive-ms", collidingOffsets()}));
    rig.startLink();
    ASSERT_EQ(rig.program.link.interfaceType.view(), kTypeKt2);
    rig.program.run.durationMinutes = 10;
    ASSERT_TRUE(rig.startRun({1001, 1002, 1003, 1004, 1005, 1006}));

    bool everLost = false;
    int mostMisses = 0;
    rig.tickUntil(62'000, [&] {
        everLost = everLost || rig.program.link.lost || !rig.serial.isOpen();
        mostMisses = std::max(mostMisses, rig.program.link.keepAliveMisses);
        return false;
    });
    rig.sim->command("silent");
    ASSERT_TRUE(rig.sim->waitFor({"cmd", "silent"}, 1, 2000));
    rig.tickFor(600);
    stopRun(rig.program);

    EXPECT_FALSE(everLost) << "the port stayed open and the link was never declared lost";
    EXPECT_EQ(mostMisses, 0) << "every keep-alive went out";
    EXPECT_TRUE(rig.dialogs.messages.empty());
    const auto log = rig.sim->log();
    EXPECT_EQ(ktsim::entriesOf(log, {"recv", "identify"}).size(), 1U) << "no recovery attempt";
    EXPECT_TRUE(ktsim::entriesOf(log, {"fail"}).empty());
    EXPECT_GE(ktsim::timesOf(log, {"recv", "keepalive"}).size(), 140U);
    for (int car = 0; car < 6; ++car) {
        const CarSlot& slot = rig.program.slots[std::size_t(car)];
        const auto sent = ktsim::sentPassings(log, 1001 + car);
        SCOPED_TRACE(slot.transponder.c_str());
        ASSERT_GE(sent.size(), 20U);
        ASSERT_EQ(slot.laps, int(sent.size())) << "every passing sent was timed";
        for (std::size_t n = 1; n <= sent.size(); ++n)
            EXPECT_EQ(slot.cumulativeTimes[n], sent[n - 1].clockMs) << "lap " << n;
    }
}

TEST(DecoderLinkOnSerialPort, aDecoderUnpluggedDuringARunIsLostReportedAndItsLapsGoOnOnceBack) {
    SerialRig rig;
    ASSERT_TRUE(rig.startSim({"--kt2", "--cars", "2", "--transponders", "1001,1002", "--lap-ms",
                              "700", "--jitter-ms", "100"}));
    rig.startLink();
    rig.program.run.durationMinutes = 10;
    ASSERT_TRUE(rig.startRun({1001, 1002}));
    rig.tickFor(1500);

    rig.sim->command("vanish");
    ASSERT_TRUE(rig.tickUntil(3000, [&] { return rig.program.link.lost; }));
    EXPECT_FALSE(rig.serial.isOpen());
    const int lapsWhenLost = rig.program.slots[0].laps;
    rig.sim->command("return");
    ASSERT_TRUE(rig.sim->waitFor({"ready"}, 2, 3000));
    // Attempts come every 4.5 s; on a loaded machine the first may miss its 100 ms wait.
    ASSERT_TRUE(rig.tickUntil(3 * 4500 + 2000, [&] { return rig.program.link.connected == 1; }));
    ASSERT_FALSE(rig.dialogs.messages.empty());
    const std::string report = rig.dialogs.messages.back().text;
    EXPECT_EQ(report.rfind("Perte connexion du décodeur KT2 à ", 0), 0U) << report;
    EXPECT_NE(report.find("Récupération connexion décodeur KT2 réussie"), std::string::npos)
        << report;

    rig.tickFor(2500);
    EXPECT_GE(rig.program.slots[0].laps, lapsWhenLost + 2) << "passings timed again once back";
    EXPECT_TRUE(rig.program.run.running);
}

} // namespace
} // namespace racedesk::test
