#include "core/finals/closure_report_view.h"
#include "core/finals/finals_composition_form.h"
#include "core/race/classification_sections.h"
#include "core/race/participants_section.h"
#include "core/race/race_header.h"
#include "core/race/section_titles.h"
#include "core/race/working_race_file.h"
#include "gui/closure_report_dialog.h"
#include "gui/export_button_checks.h"
#include "gui/finals_composition_dialog.h"
#include "gui/finals_parameters_dialog.h"
#include "gui/modal_driver.h"
#include "pdf_reader.h"
#include "platform/qt_printing.h"
#include "support/test_program.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace racedesk {
namespace {

using test::clickButton;
using test::whenDialogWith;

template <typename T> T* control(QWidget& dialog, const char* name) {
    T* found = dialog.findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << "no control " << name;
    return found;
}

void typeOver(QWidget& dialog, const char* name, const char* text) {
    auto* edit = control<QLineEdit>(dialog, name);
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromUtf8(text));
}

QString textOf(QWidget& dialog, const char* name) {
    return control<QLineEdit>(dialog, name)->text();
}

// A category of `participants` drivers "Pilote 1" ... whose overall classification is stored
// in that order, at the finals state given.
class FinalsDialogs : public ::testing::Test {
protected:
    void makeRace(int participants, int finalsState) {
        ASSERT_TRUE(createWorkingRaceFile(file()));
        SectionFile f(file());
        RaceHeader header = newRaceHeader();
        header.categories[0].participants = participants;
        header.categories[0].finalsState = finalsState;
        ASSERT_EQ(writeRaceHeader(f, header), WriteStatus::Written);
        auto table = std::make_unique<ParticipantTable>();
        auto overall = std::make_unique<OverallClassification>();
        for (int i = 0; i < participants; ++i) {
            (*table)[std::size_t(i)].name = "Pilote " + std::to_string(i + 1);
            overall->names[std::size_t(i)] = "Pilote " + std::to_string(i + 1);
        }
        ASSERT_EQ(writeParticipants(f, 1, *table), WriteStatus::Written);
        ASSERT_EQ(writeOverallClassification(f, 1, participants, *overall), WriteStatus::Written);
    }
    std::string file() const { return t.program.path(kWorkingRaceFile); }
    RaceHeader header() const {
        RaceHeader h;
        EXPECT_TRUE(readRaceHeader(file(), h));
        return h;
    }

    test::TestProgram t;
};

TEST_F(FinalsDialogs, theStaggeredStartLocksTheEndOfTheRunAndValiderStoresTheChoices) {
    makeRace(8, 1);
    whenDialogWith("4904", [](QWidget& d) {
        EXPECT_TRUE(control<QRadioButton>(d, "4903")->isChecked());
        control<QRadioButton>(d, "4906")->click();
        control<QRadioButton>(d, "4904")->click();
        EXPECT_FALSE(control<QRadioButton>(d, "4906")->isEnabled());
        EXPECT_TRUE(control<QRadioButton>(d, "4907")->isChecked());
        typeOver(d, "4902", "5000");
        EXPECT_EQ(textOf(d, "4902"), "3600");
        EXPECT_EQ(textOf(d, "4901"), "CATEGORIE 1");
        clickButton(d, "1");
    });
    runFinalsParametersDialog(t.program, 1, nullptr);
    SectionFile f(file());
    FinalsParameters stored;
    ASSERT_TRUE(readFinalsParameters(f, 1, stored));
    EXPECT_EQ(stored.start, StartMode::Staggered);
    EXPECT_EQ(stored.endOfTime, EndOfTime::FinishLap);
    EXPECT_EQ(stored.countdownSeconds, 3600);
}

TEST_F(FinalsDialogs, theCompositionShowsItsStructureKeepsItsLimitsAndGeneratesOnlyAValidOne) {
    makeRace(40, 1);
    bool generateWasOff = false;
    whenDialogWith("5008", [&generateWasOff](QWidget& d) {
        EXPECT_EQ(textOf(d, "5002"), "40");
        EXPECT_EQ(textOf(d, "5005"), "0");
        EXPECT_EQ(textOf(d, "5009"), "14");
        EXPECT_EQ(textOf(d, "5022"), "1/8eme de finales");
        EXPECT_EQ(textOf(d, "5023"), "7");
        EXPECT_EQ(textOf(d, "5024"), "3h00min");
        typeOver(d, "5008", "7");
        EXPECT_EQ(textOf(d, "5008"), "5");
        typeOver(d, "5008", "2");
        EXPECT_EQ(textOf(d, "5005"), "6");
        // Four a final: moving up 2 at most into the Final, 4 elsewhere; 40 no longer fit.
        typeOver(d, "5016", "9");
        typeOver(d, "5003", "4");
        EXPECT_EQ(textOf(d, "5016"), "4");
        EXPECT_EQ(textOf(d, "5022"), "Erreur: >1/2048eme f");
        EXPECT_EQ(textOf(d, "5023"), "0");
        generateWasOff = !control<QPushButton>(d, "1")->isEnabled();
        // Typed key by key, "10" passes through 1, which holds every count at 1 or below.
        typeOver(d, "5003", "10");
        EXPECT_EQ(textOf(d, "5008"), "0");
        EXPECT_EQ(textOf(d, "5012"), "1");
        typeOver(d, "5008", "2");
        for (const char* up : {"5012", "5016", "5020"})
            typeOver(d, up, "3");
        EXPECT_TRUE(control<QPushButton>(d, "1")->isEnabled());
        clickButton(d, "1");
    });
    EXPECT_TRUE(runFinalsCompositionDialog(t.program, 1, nullptr));
    EXPECT_TRUE(generateWasOff);
    EXPECT_EQ(header().categories[0].finals, 7);
    SectionFile f(file());
    FinalsComposition stored;
    ASSERT_TRUE(readFinalsComposition(f, 1, 40, stored));
    EXPECT_EQ(stored.movingUp, (std::array<int, 4>{2, 3, 3, 3}));
    EXPECT_EQ(stored.direct[0], 6);
}

TEST_F(FinalsDialogs, onceAFinalHasResultsOnlyDurationsAndRestsCanChange) {
    makeRace(40, 2);
    whenDialogWith("5008", [](QWidget& d) {
        for (const char* frozen : {"5002", "5003", "5008", "5012", "5016", "5020"})
            EXPECT_FALSE(control<QLineEdit>(d, frozen)->isEnabled()) << frozen;
        for (const char* open : {"5004", "5006", "5007", "5019"})
            EXPECT_TRUE(control<QLineEdit>(d, open)->isEnabled()) << open;
        clickButton(d, "2");
    });
    EXPECT_FALSE(runFinalsCompositionDialog(t.program, 1, nullptr));
    EXPECT_EQ(header().categories[0].finals, 0) << "Echap writes nothing";
}

TEST_F(FinalsDialogs, theCalculatorKeepsItsValuesAndTakesUpToTwoHundredParticipants) {
    FinalsCalculatorInputs inputs;
    whenDialogWith("3625", [](QWidget& d) {
        EXPECT_EQ(textOf(d, "3602"), "0");
        EXPECT_EQ(textOf(d, "3622"), "Finale");
        typeOver(d, "3601", "Touring");
        typeOver(d, "3602", "250");
        EXPECT_EQ(textOf(d, "3602"), "200");
        typeOver(d, "3603", "10");
        typeOver(d, "3608", "5");
        typeOver(d, "3612", "3");
        typeOver(d, "3616", "3");
        typeOver(d, "3620", "0"); // 20 more a level from the 1/16 finals: 42 + 8 · 20 reach 200
        for (const char* minutes : {"3604", "3606", "3610", "3614", "3618"})
            typeOver(d, minutes, "10");
        EXPECT_EQ(textOf(d, "3609"), "14");
        EXPECT_EQ(textOf(d, "3623"), "23");
        EXPECT_EQ(textOf(d, "3622"), "1/2048eme de finales");
        clickButton(d, "1");
    });
    runFinalsCalculatorDialog(inputs, nullptr);
    EXPECT_EQ(inputs.category, "Touring");
    whenDialogWith("3625", [](QWidget& d) {
        EXPECT_EQ(textOf(d, "3601"), "Touring");
        EXPECT_EQ(textOf(d, "3602"), "200");
        EXPECT_EQ(textOf(d, "3623"), "23");
        EXPECT_EQ(textOf(d, "3624"), "3h50min");
        clickButton(d, "1");
    });
    runFinalsCalculatorDialog(inputs, nullptr);
}

TEST_F(FinalsDialogs, aLongReportScrollsOnScreenAndPrintsFortyRowsAPage) {
    makeRace(45, 1);
    bool scrolls = false;
    whenDialogWith("5102", [&scrolls](QWidget& d) {
        scrolls = control<QScrollBar>(d, "5102")->isVisible();
        EXPECT_NE(d.findChild<QPushButton*>("5101"), nullptr);
        test::expectExportButton(d);
        clickButton(d, "2");
    });
    runClosureReportDialog(t.program, 1, nullptr);
    EXPECT_TRUE(scrolls);

    ClosureReport report;
    ASSERT_TRUE(openClosureReport(t.program, 1, report));
    const std::string pdf = t.folder.file("closure.pdf");
    ASSERT_TRUE(printToPdf(closureReportPrintout(report), QString::fromStdString(pdf),
                           QString::fromStdString(t.folder.path()), {2027, 3, 3, 9, 5, 0}));
    EXPECT_EQ(test::pdfPageCount(pdf), 2);
    const std::string text = test::pdfText(pdf);
    EXPECT_NE(text.find("Page 1 /2"), std::string::npos) << text;
    EXPECT_NE(text.find("CATEGORIE 1 : Rapport de cloture"), std::string::npos) << text;
    const std::size_t second = text.find('\f');
    EXPECT_LT(text.find("Pilote 40"), second);
    EXPECT_GT(text.find("Pilote 41"), second);
}

} // namespace
} // namespace racedesk
