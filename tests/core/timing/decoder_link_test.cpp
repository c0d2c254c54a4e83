#include "core/timing/decoder_link.h"

#include "core/app/tick.h"
#include "core/timing/decoder_protocol.h"
#include "core/timing/link_supervision.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <regex>

namespace racedesk {
namespace {

using test::TestProgram;

const std::vector<std::uint8_t> kIdentify(kIdentifyCommand.begin(), kIdentifyCommand.end());
const std::vector<std::uint8_t> kKeepAlive(kKeepAliveCommand.begin(), kKeepAliveCommand.end());
const std::vector<std::uint8_t> kReset(kClockResetCommand.begin(), kClockResetCommand.end());

int countWrites(const TestProgram& t, const std::vector<std::uint8_t>& command) {
    int n = 0;
    for (const auto& w : t.serial.written)
        n += w.bytes == command ? 1 : 0;
    return n;
}

struct Recognition : ::testing::Test {
    TestProgram t;
    void SetUp() override { t.program.link.portName = "COM3"; }
};

TEST_F(Recognition, silentInterfaceIsKt1AfterAHundredMilliseconds) {
    const std::int64_t start = t.clock.nowMicros();
    EXPECT_EQ(recogniseInterface(t.program), 1);
    EXPECT_EQ(t.program.link.interfaceType.view(), "Tarvolin");
    const std::int64_t waited = (t.clock.nowMicros() - start) / 1000;
    EXPECT_GE(waited, 100);
    EXPECT_LE(waited, 110);
    EXPECT_EQ(t.folder.read("RéglagesInterface2.rg"), "COM3\t1\tTarvolin\r\n");
    EXPECT_EQ(t.serial.opened.back(), "COM3");
    EXPECT_EQ(t.serial.written.front().bytes, kIdentify);
}

TEST_F(Recognition, replyCutOverTwoReadsStillMeansKt2) {
    t.serial.onWrite = [this](const std::vector<std::uint8_t>&) {
        t.serial.arriveAt(t.clock.nowMicros() + 3000, {0xFF, 0xFF, 0xFF});
        t.serial.arriveAt(t.clock.nowMicros() + 9000, {0x01, 0x02, 0x33, 0x44});
    };
    EXPECT_EQ(recogniseInterface(t.program), 1);
    EXPECT_EQ(t.program.link.interfaceType.view(), "TarvolinKT2");
    EXPECT_EQ(t.folder.read("RéglagesInterface2.rg"), "COM3\t1\tTarvolinKT2\r\n");
}

TEST_F(Recognition, portThatDoesNotOpenSavesNotConnectedAsKt1) {
    t.folder.write("RéglagesInterface2.rg", "COM3\t1\tTarvolinKT2\r\n");
    t.serial.canOpen = false;
    startDecoderLink(t.program);
    EXPECT_EQ(t.folder.read("RéglagesInterface2.rg"), "COM3\t0\tTarvolin\r\n");
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Echec à l'ouverture du port COM");
    EXPECT_EQ(t.dialogs.messages[0].caption, "Message");
}

TEST(InterfaceSettings, missingFileIsReportedAndOverlongTokensAreCut) {
    TestProgram t;
    EXPECT_FALSE(loadInterfaceSettings(t.program));
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text,
              "Erreur: impossible d'ouvrir le fichier Interface Port COM");
    EXPECT_EQ(t.dialogs.messages[0].caption, "Erreur");

    t.folder.write("RéglagesInterface2.rg", "COM123456\t1\tTarvolinKT2WithAVeryLongTail\n");
    EXPECT_TRUE(loadInterfaceSettings(t.program));
    EXPECT_EQ(t.program.link.portName.view(), "COM12");
    EXPECT_EQ(t.program.link.interfaceType.view(), "TarvolinKT2With");
}

// A KT2 connected on COM1 under supervision, as after start-up.
struct Supervision : ::testing::Test {
    TestProgram t;
    void SetUp() override {
        t.connectKt2();
        t.folder.write("RéglagesInterface2.rg", "COM1\t1\tTarvolinKT2\r\n");
        t.program.link.reloadPending = true;
        t.runTicks(10);
        ASSERT_TRUE(t.program.link.keepAliveActive);
    }
};

TEST_F(Supervision, keepAliveIsSentEvery400Milliseconds) {
    t.serial.written.clear();
    t.runTicks(2000);
    ASSERT_GE(countWrites(t, kKeepAlive), 4);
    for (std::size_t i = 1; i < t.serial.written.size(); ++i) {
        const std::int64_t gap = t.serial.written[i].atMicros - t.serial.written[i - 1].atMicros;
        EXPECT_GT(gap, 400'000);
        EXPECT_LE(gap, 410'000);
    }
}

TEST_F(Supervision, oneFailedKeepAliveIsForgivenTwoInARowDeclareTheLoss) {
    t.serial.writesFail = true;
    t.runTicks(410);
    EXPECT_EQ(t.program.link.keepAliveMisses, 1);
    t.serial.writesFail = false;
    t.runTicks(410);
    EXPECT_EQ(t.program.link.keepAliveMisses, 0);
    EXPECT_FALSE(t.program.link.lost);

    t.serial.writesFail = true;
    t.runTicks(820);
    EXPECT_TRUE(t.program.link.lost);
    EXPECT_EQ(t.program.link.connected, 0);
    EXPECT_FALSE(t.program.link.keepAliveActive);
    EXPECT_FALSE(t.serial.isOpen());
    EXPECT_EQ(t.folder.read("RéglagesInterface2.rg"), "COM1\t0\tTarvolinKT2\r\n");
}

TEST_F(Supervision, recoveryOutsideARunIsSilentAndResumesKeepAlives) {
    t.serial.writesFail = true;
    t.runTicks(820);
    ASSERT_TRUE(t.program.link.lost);
    t.serial.writesFail = false;
    t.serial.canOpen = false;
    t.runTicks(4600);
    EXPECT_TRUE(t.program.link.lost) << "a port that does not open is retried silently";
    EXPECT_TRUE(t.dialogs.messages.empty());
    t.serial.canOpen = true;
    t.runTicks(4600);
    EXPECT_FALSE(t.program.link.lost);
    EXPECT_EQ(t.program.link.connected, 1);
    EXPECT_TRUE(t.dialogs.messages.empty());
    EXPECT_EQ(t.folder.read("RéglagesInterface2.rg"), "COM1\t1\tTarvolinKT2\r\n");
    t.serial.written.clear();
    t.runTicks(900);
    EXPECT_GE(countWrites(t, kKeepAlive), 2);
}

TEST_F(Supervision, aPortClaimedByTheDriverDetailsIsLeftAloneAndSupervisionResumesWithoutALoss) {
    t.serial.writesFail = true;
    t.runTicks(410);
    ASSERT_EQ(t.program.link.keepAliveMisses, 1);
    t.program.link.claimed = true;
    t.serial.written.clear();
    t.runTicks(5000);
    EXPECT_TRUE(t.serial.written.empty()) << "no keep-alive while the dialog has the port";
    t.serial.writesFail = false;
    t.program.link.claimed = false;
    t.runTicks(2000);
    EXPECT_FALSE(t.program.link.lost);
    EXPECT_GE(countWrites(t, kKeepAlive), 4);
    EXPECT_TRUE(t.dialogs.messages.empty());

    // A link lost before the claim is not recovered behind the dialog's back.
    t.serial.writesFail = true;
    t.runTicks(820);
    ASSERT_TRUE(t.program.link.lost);
    t.serial.writesFail = false;
    t.program.link.claimed = true;
    t.serial.opened.clear();
    t.serial.written.clear();
    t.runTicks(10'000);
    EXPECT_TRUE(t.serial.opened.empty());
    EXPECT_TRUE(t.serial.written.empty());
    t.program.link.claimed = false;
    t.runTicks(4600);
    EXPECT_FALSE(t.program.link.lost);
}

TEST_F(Supervision, failedRecoveryIsReportedOncePerLoss) {
    t.serial.writesFail = true;
    t.runTicks(820);
    t.serial.writesFail = false;
    t.serial.onWrite = nullptr; // the interface stays mute
    t.runTicks(4600 * 3);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Echec à la récupération.");
    EXPECT_EQ(t.dialogs.messages[0].caption, "Erreur");
    EXPECT_GE(countWrites(t, kIdentify), 3) << "every attempt still asks";
    EXPECT_FALSE(t.serial.isOpen());
}

TEST_F(Supervision, lossAndRecoveryDuringARunAreReportedWithTheRunTime) {
    t.loadHeat({"Alice"});
    ASSERT_TRUE(t.startAndRun());
    t.runTicks(3000);
    t.serial.writesFail = true;
    t.runTicks(820);
    ASSERT_TRUE(t.program.link.lost);
    t.serial.writesFail = false;
    t.runTicks(4600);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    const std::string& text = t.dialogs.messages[0].text;
    EXPECT_EQ(t.dialogs.messages[0].caption, "Message");
    // Run times rounded down to tenths: the loss near 3.5 s, the recovery 4.6 s later.
    EXPECT_TRUE(
        std::regex_match(text, std::regex("Perte connexion du décodeur KT2 à 3\\.[0-9]00\\.\n"
                                          "Récupération connexion décodeur KT2 réussie à "
                                          "8\\.[0-9]00\\.")))
        << text;
}

TEST(ClockSynchronisation, kt2ReplyThatTakes12MillisecondsNeedsOneReset) {
    TestProgram t;
    t.connectKt2();
    EXPECT_TRUE(synchroniseClock(t.program));
    EXPECT_EQ(countWrites(t, kReset), 1);
    EXPECT_TRUE(t.program.link.synchronised);
}

TEST(ClockSynchronisation, silentKt2KeepsTheRunAtZeroAndIsAskedAgainOnlyLater) {
    TestProgram t;
    t.connectKt2();
    t.serial.onWrite = nullptr;
    t.loadHeat({"Alice"});
    EXPECT_FALSE(t.startAndRun());
    EXPECT_TRUE(t.program.run.countdown);
    EXPECT_FALSE(t.program.run.running);
    // Two seconds at zero: asked again and again, but never while the last reply may come.
    EXPECT_GE(countWrites(t, kReset), 4);
    std::int64_t last = -1;
    for (const auto& w : t.serial.written) {
        if (w.bytes != kReset)
            continue;
        if (last >= 0) {
            EXPECT_GT(w.atMicros - last, 250'000);
        }
        last = w.atMicros;
    }
}

TEST(IdleReading, bytesThatArriveOutsideARunAreThrownAway) {
    TestProgram t;
    t.connectKt1();
    t.serial.arrive(test::kt1Passing(1001));
    t.runTicks(10);
    EXPECT_EQ(t.serial.pendingBytes(), 0u);
    t.program.link.claimed = true;
    t.serial.arrive(test::kt1Passing(1001));
    t.runTicks(10);
    EXPECT_EQ(t.serial.pendingBytes(), 2u) << "a claimed link is left alone";
}

} // namespace
} // namespace racedesk
