#include "gui/clubs_dialog.h"
#include "gui/drivers_dialog.h"

#include "support/test_program.h"

#include "gui/modal_driver.h"
#include "gui_databases/database_dialog_driver.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using namespace test;

constexpr int kClubList = 3101;
constexpr int kDriverList = 3201;
const char* const kClubs = "BaseDonnéesClubs.bd";
const char* const kDrivers = "BaseDonnéesPilotes.bd";
const char* const kCountries = "BaseDonnéesPays.bd";

std::string clubLine(const std::string& name, const std::string& country) {
    return name + "\t\t\t\t\t\t" + country + "\t\t\t\r\n";
}

std::string driverLine(const std::string& name, const std::string& transponder,
                       const std::string& club) {
    return name + "\t\t\t\t\t\t\t\t\t\t" + transponder + "\t" + club + "\t\t\r\n";
}

struct DatabaseDialogs : ::testing::Test {
    TestProgram t;
    void SetUp() override {
        t.folder.write(kCountries, cp("Belgique\r\nFrance\r\nCôte d'Ivoire\r\n"));
        t.folder.write(kClubs, clubLine("RC Val", "France") + clubLine("Aero", "Atlantis"));
    }
};

TEST_F(DatabaseDialogs, clubsCountryListComesFromTheCountriesFileAndAChoiceIsCopied) {
    whenDialogWith("3105", [](QWidget& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Base de données Clubs"));
        auto* countries = d.findChild<QComboBox*>("3112");
        ASSERT_NE(countries, nullptr);
        ASSERT_EQ(countries->count(), 3);
        EXPECT_EQ(countries->itemText(2), QString::fromUtf8("Côte d'Ivoire"));
        EXPECT_EQ(chosen(d, 3112), "France");
        selectRow(d, kClubList, 1);
        EXPECT_EQ(chosen(d, 3112), "") << "a country not in the list leaves it empty";
        typeInto(d, 3107, "AERO");
        selectRow(d, kClubList, 0);
        choose(d, 3112, QString::fromUtf8("Côte d'Ivoire"));
        clickButton(d, "1");
    });
    runClubsDialog(t.program, nullptr);
    EXPECT_EQ(t.folder.read(kClubs),
              clubLine("RC Val", cp("Côte d'Ivoire")) + "Aero\tAERO\t\t\t\t\tAtlantis\t\t\t\r\n")
        << "a country shown as no choice stays in the record";
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(DatabaseDialogs, clubsEchapLeavesTheFileAndAddingAndRemovingGoThroughTheButtons) {
    const std::string file = t.folder.read(kClubs);
    whenDialogWith("3105", [](QWidget& d) {
        addByButtons(d, kClubList, 3105, "Mini Z");
        EXPECT_EQ(listedNames(d, kClubList), (QStringList{"Aero", "Mini Z", "RC Val"}));
        EXPECT_EQ(textOf(d, 3106), "Mini Z");
        typeInto(d, 3114, "mz@example.org");
        clickButton(d, "2");
    });
    runClubsDialog(t.program, nullptr);
    EXPECT_EQ(t.folder.read(kClubs), file);

    whenDialogWith("3105", [](QWidget& d) {
        addByButtons(d, kClubList, 3105, "Mini Z");
        typeInto(d, 3114, "mz@example.org");
        selectRow(d, kClubList, 0);
        removeByButton(d, kClubList);
        EXPECT_EQ(listedNames(d, kClubList), (QStringList{"Mini Z", "RC Val"}));
        clickButton(d, "1");
    });
    runClubsDialog(t.program, nullptr);
    EXPECT_EQ(t.folder.read(kClubs),
              "Mini Z\t\t\t\t\t\t\t\tmz@example.org\t\r\n" + clubLine("RC Val", "France"));
}

TEST_F(DatabaseDialogs, missingCountriesAndClubsFilesAreReportedAndTheDialogOpensAllTheSame) {
    std::remove(t.folder.file(kCountries).c_str());
    std::remove(t.folder.file(kClubs).c_str());
    whenDialogWith("3105", [](QWidget& d) {
        EXPECT_TRUE(listedNames(d, kClubList).isEmpty());
        EXPECT_EQ(d.findChild<QComboBox*>("3112")->count(), 0);
        clickButton(d, "2");
    });
    runClubsDialog(t.program, nullptr);
    ASSERT_EQ(t.dialogs.messages.size(), 2u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Erreur: impossible d'ouvrir la base de données Clubs");
    EXPECT_EQ(t.dialogs.messages[1].text, "Erreur: impossible d'ouvrir la base de données Pays");
}

TEST_F(DatabaseDialogs, driversTransponderIsCopiedOnlyAtSixDigitsAndLostClubsAreDropped) {
    t.folder.write(kDrivers,
                   driverLine("Alice", "111111", "RC Val") + driverLine("Bob", "222222", "Gone"));
    whenDialogWith("3205", [](QWidget& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Base de données Pilotes"));
        auto* clubs = d.findChild<QComboBox*>("2317");
        ASSERT_NE(clubs, nullptr);
        EXPECT_EQ(clubs->count(), 2);
        EXPECT_EQ(chosen(d, 2317), "RC Val");
        typeInto(d, 3216, "12345");
        typeInto(d, 3216, "1234567");
        EXPECT_EQ(textOf(d, 3216), "123456") << "six digits at most";
        typeInto(d, 3216, "98a7");
        EXPECT_EQ(textOf(d, 3216), "987") << "digits only";

        selectRow(d, kDriverList, 1);
        EXPECT_EQ(chosen(d, 2317), "") << "Bob's club is not in the clubs file";
        typeInto(d, 3216, "33333");
        choose(d, 3211, "Belgique");
        selectRow(d, kDriverList, 0);
        EXPECT_EQ(textOf(d, 3216), "123456") << "the last whole number typed";
        clickButton(d, "1");
    });
    runDriversDialog(t.program, nullptr);
    EXPECT_EQ(t.folder.read(kDrivers), driverLine("Alice", "123456", "RC Val") +
                                           "Bob\t\t\t\t\tBelgique\t\t\t\t\t222222\t\t\t\r\n");
}

TEST_F(DatabaseDialogs, driversRefuseNamesOfTheRaceFileAndCaseDuplicates) {
    t.folder.write(kDrivers, driverLine("Alice", "", ""));
    const std::string file = t.folder.read(kDrivers);
    whenDialogWith("3205", [](QWidget& d) {
        for (const char* refused : {"(NA)", "PisteCourse", "Catégorie 1", "ALICE"}) {
            addByButtons(d, kDriverList, 3205, QString::fromUtf8(refused));
            EXPECT_EQ(listedNames(d, kDriverList), QStringList{"Alice"}) << refused;
        }
        addByButtons(d, kDriverList, 3205, "alicia");
        EXPECT_EQ(listedNames(d, kDriverList), (QStringList{"Alice", "alicia"}));
        EXPECT_EQ(selectedRow(d, kDriverList), 1);
        clickButton(d, "2");
    });
    runDriversDialog(t.program, nullptr);
    EXPECT_EQ(t.folder.read(kDrivers), file);
    EXPECT_TRUE(t.dialogs.messages.empty()) << "refusals are silent";
}

TEST_F(DatabaseDialogs, driversWithoutAFileKeepNothingTypedBeforeANameIsAdded) {
    whenDialogWith("3205", [](QWidget& d) {
        typeInto(d, 3207, "Lost street");
        choose(d, 2317, "RC Val");
        addByButtons(d, kDriverList, 3205, "Zed");
        EXPECT_EQ(textOf(d, 3207), "");
        EXPECT_EQ(chosen(d, 2317), "");
        clickButton(d, "1");
    });
    runDriversDialog(t.program, nullptr);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Erreur: impossible d'ouvrir la base de données Pilotes");
    EXPECT_EQ(t.folder.read(kDrivers), driverLine("Zed", "", ""));
}

} // namespace
} // namespace racedesk
