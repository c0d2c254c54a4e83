#include "core/timing/interface_dialog_rules.h"

#include "core/timing/decoder_protocol.h"
#include "support/recording_canvas.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::TestProgram;
using test::utf8;

std::string shown(Text message) {
    return utf8(tx(message));
}

TEST(InterfacePortList, offersCom1ToCom49) {
    EXPECT_EQ(comPortName(0).view(), "COM1");
    EXPECT_EQ(comPortName(48).view(), "COM49");
    EXPECT_EQ(comPortIndex("COM1"), 0);
    EXPECT_EQ(comPortIndex("COM12"), 11);
    EXPECT_EQ(comPortIndex("COM49"), 48);
    EXPECT_EQ(comPortIndex("COM50"), -1);
    EXPECT_EQ(comPortIndex(""), -1);
}

TEST(InterfaceDialogOpening, showsTheSavedDecoderPortAndState) {
    TestProgram t;
    t.folder.write("RéglagesInterface2.rg", "COM7\t1\tTarvolinKT2\r\n");
    InterfaceDialogState s = openInterfaceDialog(t.program);
    EXPECT_TRUE(s.kt2);
    EXPECT_EQ(s.connected, 1);
    EXPECT_EQ(s.portIndex, 6);
    EXPECT_EQ(shown(s.message), " Interface KT2 prête à fonctionner.\r\n");

    t.folder.write("RéglagesInterface2.rg", "COM2\t1\tTarvolin\r\n");
    s = openInterfaceDialog(t.program);
    EXPECT_FALSE(s.kt2);
    EXPECT_EQ(shown(s.message), " Interface KT1 prête à fonctionner.\r\n");

    t.folder.write("RéglagesInterface2.rg", "COM2\t0\tTarvolinKT2\r\n");
    s = openInterfaceDialog(t.program);
    EXPECT_TRUE(s.kt2);
    EXPECT_EQ(s.connected, 0);
    EXPECT_EQ(shown(s.message), " Port COM non ouvert !\r\n");
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST(InterfaceDialogOpening, missingFileIsReportedAndTheLinkShown) {
    TestProgram t;
    t.connectKt2();
    t.program.link.portName = "COM9";
    const InterfaceDialogState s = openInterfaceDialog(t.program);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text,
              "Erreur: impossible d'ouvrir le fichier interface Port COM");
    EXPECT_EQ(t.dialogs.messages[0].caption, "Erreur");
    EXPECT_TRUE(s.kt2);
    EXPECT_EQ(s.portIndex, 8);
}

struct OpenButton : ::testing::Test {
    TestProgram t;
    InterfaceDialogState state;
    void SetUp() override {
        t.connectKt1(); // the port the tick had, on COM1
        t.folder.write("RéglagesInterface2.rg", "COM1\t1\tTarvolin\r\n");
        state = openInterfaceDialog(t.program);
    }
};

TEST_F(OpenButton, silentDecoderIsKt1OnTheChosenPort) {
    state.kt2 = true; // the director had clicked the KT2 radio
    connectInterface(t.program, state, "COM4");
    EXPECT_EQ(t.serial.opened.back(), "COM4");
    EXPECT_FALSE(state.kt2);
    EXPECT_EQ(state.connected, 1);
    EXPECT_EQ(shown(state.message), " Tentative à l'ouverture du port COM:\r\n Ouverture du port "
                                    "COM OK !\r\n Interface KT1 prête à fonctionner.\r\n");
    EXPECT_EQ(t.folder.read("RéglagesInterface2.rg"), "COM4\t1\tTarvolin\r\n");
}

TEST_F(OpenButton, answeringDecoderIsKt2) {
    t.serial.onWrite = [this](const std::vector<std::uint8_t>& bytes) {
        if (bytes == std::vector<std::uint8_t>(kIdentifyCommand.begin(), kIdentifyCommand.end()))
            t.serial.arriveOnWire(t.clock.nowMicros() + 2000, test::kKt2IdentifyReply);
    };
    connectInterface(t.program, state, "COM12");
    EXPECT_TRUE(state.kt2);
    EXPECT_EQ(state.connected, 1);
    EXPECT_EQ(shown(state.message), " Tentative à l'ouverture du port COM:\r\n Ouverture du port "
                                    "COM OK !\r\n Interface KT2 prête à fonctionner.\r\n");
    EXPECT_EQ(t.folder.read("RéglagesInterface2.rg"), "COM12\t1\tTarvolinKT2\r\n");
    EXPECT_TRUE(t.program.link.isKt2());
}

TEST_F(OpenButton, portThatDoesNotOpenSavesNotConnectedAsKt1) {
    t.folder.write("RéglagesInterface2.rg", "COM1\t1\tTarvolinKT2\r\n");
    t.program.link.interfaceType = "TarvolinKT2";
    state.kt2 = true;
    t.serial.canOpen = false;
    connectInterface(t.program, state, "COM5");
    EXPECT_EQ(t.serial.opened.back(), "COM5");
    EXPECT_EQ(state.connected, 0);
    EXPECT_TRUE(state.kt2); // the radios stay as the director left them
    EXPECT_EQ(shown(state.message),
              " Tentative à l'ouverture du port COM:\r\n Echec à l'ouverture du port COM !\r\n");
    EXPECT_EQ(t.folder.read("RéglagesInterface2.rg"), "COM5\t0\tTarvolin\r\n");
    EXPECT_FALSE(t.serial.isOpen());
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(OpenButton, noPortChosenFailsToOpen) {
    t.serial.canOpen = false;
    connectInterface(t.program, state, "");
    EXPECT_EQ(state.connected, 0);
    EXPECT_EQ(state.message, Text::InterfaceOpenFailed);
    EXPECT_EQ(t.folder.read("RéglagesInterface2.rg"), "COM1\t0\tTarvolin\r\n")
        << "no port name is stored as the default port, never as an empty field";
}

TEST(InterfaceLight, greenWhenConnectedRedWhenNot) {
    test::RecordingCanvas c;
    paintConnectionLight(c, 1);
    paintConnectionLight(c, 0);
    ASSERT_EQ(c.bitmaps.size(), 2u);
    EXPECT_EQ(c.bitmaps[0].file, "images/voyantVert.bmp");
    EXPECT_EQ(c.bitmaps[1].file, "images/voyantRouge.bmp");
    for (const auto& b : c.bitmaps) {
        EXPECT_EQ(b.target.left, 280);
        EXPECT_EQ(b.target.top, 370);
    }
}

} // namespace
} // namespace racedesk
