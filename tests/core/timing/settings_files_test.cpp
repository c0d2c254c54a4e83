#include "core/timing/interface_settings.h"
#include "core/timing/sound_settings.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::TempFolder;

TEST(SoundSettingsFile, eightKeysOnePerLineReadBackAsWritten) {
    TempFolder folder;
    SoundSettings s = defaultSoundSettings(SpokenLanguage::English);
    s.set(SoundKey::BestLap, false);
    ASSERT_TRUE(writeSoundSettings(folder.file("s.rg"), s));
    EXPECT_EQ(folder.read("s.rg"),
              "SONLANGUEAnglais\r\nSONDECOMPTEoui\r\nSONDEPARToui\r\nSONPASSAGEoui\r\n"
              "SONMEILLEURTOURnon\r\nSONHORLOGEoui\r\nSONFINCOURSEoui\r\nSONFINVOITUREoui\r\n");
    SoundSettings back;
    ASSERT_TRUE(readSoundSettings(folder.file("s.rg"), back));
    EXPECT_EQ(back.language(), SpokenLanguage::English);
    EXPECT_FALSE(back.isOn(SoundKey::BestLap));
    EXPECT_TRUE(back.isOn(SoundKey::EndPerCar));
}

TEST(SoundSettingsFile, unknownOrMissingKeysAreOff) {
    TempFolder folder;
    folder.write("s.rg", "SONLANGUEItalien\nSONDECOMPTEOUI\nSONDEPARToui\n");
    SoundSettings s = defaultSoundSettings(SpokenLanguage::French);
    ASSERT_TRUE(readSoundSettings(folder.file("s.rg"), s));
    EXPECT_EQ(s.language(), SpokenLanguage::None);
    EXPECT_FALSE(s.isOn(SoundKey::Countdown)) << "keys are compared whole, case included";
    EXPECT_TRUE(s.isOn(SoundKey::StartSignal));
    EXPECT_FALSE(s.isOn(SoundKey::Passing));
    EXPECT_FALSE(readSoundSettings(folder.file("none.rg"), s));
    EXPECT_FALSE(s.isOn(SoundKey::StartSignal));
}

TEST(InterfaceSettingsFile, oneLineOfPortConnectedAndType) {
    TempFolder folder;
    InterfaceSettings s;
    s.portName = "COM12";
    s.connected = 1;
    s.type = "TarvolinKT2";
    ASSERT_TRUE(writeInterfaceSettings(folder.file("i.rg"), s));
    EXPECT_EQ(folder.read("i.rg"), "COM12\t1\tTarvolinKT2\r\n");
    InterfaceSettings back;
    ASSERT_TRUE(readInterfaceSettings(folder.file("i.rg"), back));
    EXPECT_EQ(back.portName.view(), "COM12");
    EXPECT_EQ(back.connected, 1);
    EXPECT_EQ(back.type.view(), "TarvolinKT2");
}

TEST(InterfaceSettingsFile, unwritableFileIsAFailure) {
    TempFolder folder;
    EXPECT_FALSE(writeInterfaceSettings(folder.file("missing/dir/i.rg"), InterfaceSettings{}));
}

TEST(SoundSettingsFile, aDamagedKeyStaysInItsPlaceAndNeverMovesTheOthersUp) {
    TempFolder folder;
    folder.write("s.rg", std::string("SONLANGUEAnglais\r\n") + '\0' +
                             "SONDECOMPTEoui\r\nSONDEPARTnon\r\nSONPASSAGEoui\r\n"
                             "SONMEILLEURTOURoui\r\nSONHORLOGEoui\r\nSONFINCOURSEoui\r\n"
                             "SONFINVOITUREnon\r\n");
    SoundSettings s;
    ASSERT_TRUE(readSoundSettings(folder.file("s.rg"), s));
    ASSERT_TRUE(writeSoundSettings(folder.file("s.rg"), s));
    ASSERT_TRUE(readSoundSettings(folder.file("s.rg"), s));
    EXPECT_EQ(s.language(), SpokenLanguage::English);
    EXPECT_FALSE(s.isOn(SoundKey::Countdown)) << "the damaged key alone is lost";
    EXPECT_FALSE(s.isOn(SoundKey::StartSignal));
    EXPECT_TRUE(s.isOn(SoundKey::Passing));
    EXPECT_TRUE(s.isOn(SoundKey::EndSignal));
    EXPECT_FALSE(s.isOn(SoundKey::EndPerCar));
}

TEST(InterfaceSettingsFile, anEmptyOrMissingPortNameIsTheDefaultPortNeverTheNextField) {
    TempFolder folder;
    folder.write("i.rg", "\t0\tTarvolin\r\n");
    InterfaceSettings s;
    ASSERT_TRUE(readInterfaceSettings(folder.file("i.rg"), s));
    EXPECT_EQ(s.portName.view(), "COM1");
    EXPECT_EQ(s.connected, 0);
    EXPECT_EQ(s.type.view(), "Tarvolin");

    // What start-up writes after a missing file: a link that never had a port name.
    InterfaceSettings none;
    none.type = "Tarvolin";
    ASSERT_TRUE(writeInterfaceSettings(folder.file("i.rg"), none));
    EXPECT_EQ(folder.read("i.rg"), "COM1\t0\tTarvolin\r\n");
}

} // namespace
} // namespace racedesk
