#include "gui/sounds_dialog.h"

#include "support/test_program.h"

#include "gui/modal_driver.h"

#include <QCheckBox>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::clickButton;
using test::TestProgram;
using test::whenDialogWith;

const char* const kAllOnInFrench = "SONLANGUEFrancais\r\nSONDECOMPTEoui\r\nSONDEPARToui\r\n"
                                   "SONPASSAGEoui\r\nSONMEILLEURTOURoui\r\nSONHORLOGEoui\r\n"
                                   "SONFINCOURSEoui\r\nSONFINVOITUREoui\r\n";

const char* const kBoxes[] = {"3703", "3704", "3705", "3706", "3707", "3708", "3709"};

template <typename T> T* control(QWidget& dialog, const char* name) {
    return dialog.findChild<T*>(QString::fromUtf8(name));
}

TEST(SoundsDialog, okWritesTheToggledKeysAndTheLanguage) {
    TestProgram t;
    t.folder.write("RéglagesSons.rg", kAllOnInFrench);
    whenDialogWith("3705", [](QWidget& d) {
        ASSERT_TRUE(control<QRadioButton>(d, "3702")->isChecked());
        EXPECT_FALSE(control<QRadioButton>(d, "3701")->isChecked());
        for (const char* box : kBoxes)
            EXPECT_TRUE(control<QCheckBox>(d, box)->isChecked()) << box;
        control<QCheckBox>(d, "3705")->click();
        control<QCheckBox>(d, "3709")->click();
        control<QRadioButton>(d, "3701")->click();
        clickButton(d, "1");
    });
    runSoundsDialog(t.program, nullptr);
    EXPECT_EQ(t.folder.read("RéglagesSons.rg"),
              "SONLANGUEAnglais\r\nSONDECOMPTEoui\r\nSONDEPARToui\r\nSONPASSAGEnon\r\n"
              "SONMEILLEURTOURoui\r\nSONHORLOGEoui\r\nSONFINCOURSEoui\r\nSONFINVOITUREnon\r\n");
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST(SoundsDialog, echapAndClosingWriteNothing) {
    TestProgram t;
    t.folder.write("RéglagesSons.rg", kAllOnInFrench);
    whenDialogWith("3705", [](QWidget& d) {
        control<QCheckBox>(d, "3705")->click();
        control<QRadioButton>(d, "3701")->click();
        clickButton(d, "2");
    });
    runSoundsDialog(t.program, nullptr);
    EXPECT_EQ(t.folder.read("RéglagesSons.rg"), kAllOnInFrench);

    whenDialogWith("3705", [](QWidget& d) {
        control<QCheckBox>(d, "3703")->click();
        d.close();
    });
    runSoundsDialog(t.program, nullptr);
    EXPECT_EQ(t.folder.read("RéglagesSons.rg"), kAllOnInFrench);
}

TEST(SoundsDialog, missingFileIsReportedAndEverySoundShowsOff) {
    TestProgram t;
    whenDialogWith("3705", [](QWidget& d) {
        EXPECT_TRUE(control<QRadioButton>(d, "3702")->isChecked());
        for (const char* box : kBoxes)
            EXPECT_FALSE(control<QCheckBox>(d, box)->isChecked()) << box;
        clickButton(d, "2");
    });
    runSoundsDialog(t.program, nullptr);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Erreur: impossible d'ouvrir le fichier réglages sons");
    EXPECT_FALSE(t.folder.exists("RéglagesSons.rg"));
}

TEST(SoundsDialog, okAfterAMissingFileWritesEveryKeyAsTheDialogShowedIt) {
    TestProgram t;
    whenDialogWith("3705", [](QWidget& d) {
        control<QCheckBox>(d, "3704")->click();
        clickButton(d, "1");
    });
    runSoundsDialog(t.program, nullptr);
    EXPECT_EQ(t.folder.read("RéglagesSons.rg"),
              "SONLANGUEFrancais\r\nSONDECOMPTEnon\r\nSONDEPARToui\r\nSONPASSAGEnon\r\n"
              "SONMEILLEURTOURnon\r\nSONHORLOGEnon\r\nSONFINCOURSEnon\r\nSONFINVOITUREnon\r\n");
    SoundSettings back;
    ASSERT_TRUE(readSoundSettings(t.program.path(kSoundSettingsFile), back));
    EXPECT_TRUE(back.isOn(SoundKey::StartSignal));
    EXPECT_FALSE(back.isOn(SoundKey::EndPerCar));
    EXPECT_EQ(back.language(), SpokenLanguage::French);
}

TEST(SoundsDialog, okThatCannotWriteIsReported) {
    TestProgram t;
    t.program.workDir = t.folder.file("gone");
    whenDialogWith("3705", [](QWidget& d) { clickButton(d, "1"); });
    runSoundsDialog(t.program, nullptr);
    ASSERT_EQ(t.dialogs.messages.size(), 2u);
    EXPECT_EQ(t.dialogs.messages[1].text, "Erreur: impossible d'ouvrir le fichier Réglage Sons");
    EXPECT_EQ(t.dialogs.messages[1].caption, "Erreur");
}

} // namespace
} // namespace racedesk
