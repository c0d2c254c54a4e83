#include "core/databases/frequencies.h"
#include "core/race/participants_section.h"
#include "core/race/section_file.h"
#include "core/race/tree_codes.h"
#include "core/timing/interface_settings.h"
#include "gui/modal_driver.h"
#include "participants_window.h"
#include "support/test_program.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace racedesk {
namespace {

using test::clickButton;
using test::control;
using test::whenDialogWith;

// Category 1 with two participants, a KT1 decoder on COM1, and a heat on the board that runs
// them both.
class DriverDetailsWindow : public test::ParticipantsWindow {
protected:
    void SetUp() override {
        ParticipantsWindow::SetUp();
        ParticipantTable list;
        list[0].name = "Anne";
        list[0].transponder = "000111";
        list[1].name = "Bruno";
        list[1].transponder = "000222";
        {
            SectionFile race(file());
            ASSERT_EQ(writeParticipants(race, 1, list), WriteStatus::Written);
        }
        RaceHeader header = fileHeader();
        header.categories[0].participants = 2;
        useHeader(header);
        FrequencyTable frequencies;
        frequencies[0].frequency = "27.095";
        frequencies[1].frequency = "27.145";
        ASSERT_TRUE(writeFrequencies(g.program.path(kFrequenciesFile), frequencies));
        InterfaceSettings settings;
        settings.portName = "COM1";
        settings.connected = 1;
        settings.type = kTypeKt1;
        ASSERT_TRUE(writeInterfaceSettings(g.program.path(kInterfaceSettingsFile), settings));
        g.serial.open("COM1");
        item(kCategoryItem)->setExpanded(true); // opening a category empties the board
        item(kParticipantsItem)->setExpanded(true);
        g.loadHeat({"Bruno", "Anne"});
    }

    ParticipantTable fileList() {
        SectionFile race(file());
        ParticipantTable list;
        EXPECT_TRUE(readParticipants(race, 1, list));
        return list;
    }
};

// Waits, the dialog's own timer running, until the field shows `text`.
bool waitForText(QLineEdit* field, const QString& text) {
    for (int i = 0; i < 100 && field->text() != text; ++i)
        QTest::qWait(10);
    return field->text() == text;
}

TEST_F(DriverDetailsWindow, aScannedTransponderIsTakenAndWrittenOnOk) {
    whenDialogWith("4302", [this](QWidget& d) {
        EXPECT_EQ(control<QLineEdit>(d, 4301)->text(), "Bruno");
        auto* transponder = control<QLineEdit>(d, 4302);
        EXPECT_EQ(transponder->text(), "000222");
        EXPECT_TRUE(g.program.link.claimed);
        g.serial.arrive(test::kt1Passing(999)); // before the scan: never taken
        QTest::qWait(30);
        clickButton(d, "4303");
        EXPECT_EQ(control<QLabel>(d, 4304)->text(), "On");
        EXPECT_TRUE(transponder->isReadOnly());
        g.serial.arrive(test::kt1Passing(4321));
        EXPECT_TRUE(waitForText(transponder, "004321"));
        clickButton(d, "4303");
        EXPECT_EQ(control<QLabel>(d, 4304)->text(), "Off");
        EXPECT_FALSE(transponder->isReadOnly());
        control<QComboBox>(d, 4306)->setCurrentIndex(1);
        clickButton(d, "1");
    });
    select(kFirstParticipantItem + 1);

    const ParticipantTable list = fileList();
    EXPECT_EQ(list[1].transponder, std::string_view("004321"));
    EXPECT_EQ(list[1].frequencies[1], std::string_view("27.145"));
    EXPECT_EQ(list[0].transponder, std::string_view("000111"));
    EXPECT_EQ(g.program.slots[0].transponder, std::string_view("004321"));
    EXPECT_EQ(g.program.slots[1].transponder, std::string_view("000111"));
    EXPECT_FALSE(g.program.link.claimed);
    EXPECT_TRUE(g.dialogs.messages.empty());
}

TEST_F(DriverDetailsWindow, aFiveDigitTransponderIsNotTakenOnOk) {
    whenDialogWith("4302", [](QWidget& d) {
        EXPECT_EQ(control<QLineEdit>(d, 4301)->text(), "Anne");
        EXPECT_EQ(control<QComboBox>(d, 4305)->currentIndex(), -1);
        auto* transponder = control<QLineEdit>(d, 4302);
        transponder->clear();
        QTest::keyClicks(transponder, "12345");
        clickButton(d, "1");
    });
    select(kFirstParticipantItem);
    EXPECT_EQ(fileList()[0].transponder, std::string_view("000111"));
    EXPECT_EQ(g.program.slots[1].transponder, std::string_view("000111"));
    EXPECT_TRUE(g.dialogs.messages.empty());
}

TEST_F(DriverDetailsWindow, closingTheWindowWritesNothing) {
    whenDialogWith("4302", [](QWidget& d) {
        auto* transponder = control<QLineEdit>(d, 4302);
        transponder->clear();
        QTest::keyClicks(transponder, "1234567");
        EXPECT_EQ(transponder->text(), "123456");
        static_cast<QDialog&>(d).reject();
    });
    select(kFirstParticipantItem);
    EXPECT_EQ(fileList()[0].transponder, std::string_view("000111"));
    EXPECT_EQ(g.program.slots[1].transponder, std::string_view("000111"));
    EXPECT_FALSE(g.program.link.claimed);
}

} // namespace
} // namespace racedesk
