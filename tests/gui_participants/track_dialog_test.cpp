#include "core/databases/circuits.h"
#include "core/databases/clubs.h"
#include "core/race/section_file.h"
#include "core/race/track_section.h"
#include "core/race/tree_codes.h"
#include "core/race/tree_commands.h"
#include "gui/modal_driver.h"
#include "participants_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace racedesk {
namespace {

using test::clickButton;
using test::control;
using test::whenDialogWith;

// Two clubs and two circuits in the databases, which the window has read.
class TrackDialogWindow : public test::ParticipantsWindow {
protected:
    void SetUp() override {
        ParticipantsWindow::SetUp();
        ClubTable clubs;
        clubs[0].name = "RC Club Val";
        clubs[1].name = "Mini Racing 44";
        ASSERT_TRUE(writeClubs(g.program.path(kClubsFile), clubs));
        CircuitTable circuits;
        circuits[0].name = "Pins";
        circuits[0].length = "312";
        circuits[0].town = "Nantes";
        circuits[0].protectionTime = "5";
        circuits[1].name = "Lac";
        circuits[1].protectionTime = "0";
        ASSERT_TRUE(writeCircuits(g.program.path(kCircuitsFile), circuits));
        ASSERT_TRUE(readCircuits(g.program.path(kCircuitsFile), g.program.circuits));
        select(kTrackItem);
    }

    std::string trackSection() {
        SectionFile race(file());
        const auto body = race.body("PisteCourse");
        return body ? std::string(body->substr(0, body->find("\r\n"))) : std::string("(none)");
    }
};

TEST_F(TrackDialogWindow, validateWritesTheTrackAndTheWindowTakesItBack) {
    whenDialogWith("4101", [](QWidget& d) {
        auto* name = control<QLineEdit>(d, 4101);
        name->setText("PisteCourse");
        EXPECT_EQ(name->text(), ""); // taken for a section title: emptied as typed
        name->setText("Grand Prix");
        control<QComboBox>(d, 4102)->setCurrentIndex(1);
        control<QComboBox>(d, 4103)->setCurrentIndex(0);
        EXPECT_EQ(control<QLineEdit>(d, 4104)->text(), "Pins");
        EXPECT_EQ(control<QLineEdit>(d, 4105)->text(), "312");
        EXPECT_EQ(control<QLineEdit>(d, 4108)->text(), "Nantes");
        auto* protection = control<QLineEdit>(d, 4109);
        EXPECT_EQ(protection->text(), "5");
        control<QComboBox>(d, 4103)->setCurrentIndex(1);
        EXPECT_EQ(protection->text(), "2"); // the circuit's 0 goes through the floor
        protection->setFocus();
        protection->selectAll();
        QTest::keyClicks(protection, "1");
        QTest::keyClick(protection, Qt::Key_Return);
        EXPECT_EQ(protection->text(), "2");
        protection->selectAll();
        QTest::keyClicks(protection, "15");
        EXPECT_EQ(protection->text(), "15");
        clickButton(d, "1");
    });
    runCommand(kCmdTrack);
    EXPECT_EQ(trackSection(), "Grand Prix\tMini Racing 44\tLac\t15\t");
    EXPECT_EQ(g.program.track.raceName, std::string_view("Grand Prix"));
    EXPECT_EQ(g.program.track.circuit, std::string_view("Lac"));
    EXPECT_EQ(g.program.track.protectionSeconds, 15);
    EXPECT_EQ(g.program.run.circuitIndex, 1);
    EXPECT_TRUE(g.dialogs.messages.empty());
}

TEST_F(TrackDialogWindow, cancelWritesNothingAndAStoredTrackComesBackSelected) {
    {
        TrackSettings stored;
        stored.raceName = "Coupe";
        stored.club = "RC Club Val";
        stored.circuit = "Pins";
        stored.protectionSeconds = 9;
        SectionFile race(file());
        ASSERT_EQ(writeTrack(race, stored), WriteStatus::Written);
    }
    whenDialogWith("4101", [](QWidget& d) {
        EXPECT_EQ(control<QLineEdit>(d, 4101)->text(), "Coupe");
        EXPECT_EQ(control<QComboBox>(d, 4102)->currentText(), "RC Club Val");
        EXPECT_EQ(control<QComboBox>(d, 4103)->currentText(), "Pins");
        EXPECT_EQ(control<QLineEdit>(d, 4104)->text(), "Pins");
        EXPECT_EQ(control<QLineEdit>(d, 4109)->text(), "9");
        control<QLineEdit>(d, 4101)->setText("Autre nom");
        clickButton(d, "2");
    });
    runCommand(kCmdTrack);
    EXPECT_EQ(trackSection(), "Coupe\tRC Club Val\tPins\t9\t");
    EXPECT_EQ(g.program.track.raceName, std::string_view("Coupe"));
    EXPECT_EQ(g.program.run.circuitIndex, 0);
}

} // namespace
} // namespace racedesk
