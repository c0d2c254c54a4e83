#include "gui/frequencies_dialog.h"
#include "gui/transponders_dialog.h"

#include "core/databases/transponder_packs.h"
#include "support/test_program.h"

#include "gui/modal_driver.h"
#include "gui_databases/database_dialog_driver.h"

#include <QFont>
#include <QFontMetrics>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace racedesk {
namespace {

using namespace test;

constexpr int kFrequencyList = 3401;
constexpr int kNewFrequency = 3405;
const char* const kFrequencies = "BaseDonnéesFréquences.bd";
const char* const kPacks = "BaseDonnéesTranspondeurs.bd";

TEST(FrequenciesDialog, onlySixCharactersAreAddedAndTheFirstStaysSelected) {
    TestProgram t;
    t.folder.write(kFrequencies, "27.195\r\n40.665\r\n");
    whenDialogWith("3405", [](QWidget& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Base de données Fréquences radio"));
        QFont title = d.font();
        title.setBold(true);
        EXPECT_GT(d.width(), QFontMetrics(title).horizontalAdvance(d.windowTitle()) + 100)
            << "room for the whole caption beside the title bar's buttons";
        addByButtons(d, kFrequencyList, kNewFrequency, "27.19");
        EXPECT_EQ(listedNames(d, kFrequencyList), (QStringList{"27.195", "40.665"}));
        typeInto(d, kNewFrequency, "41.0000");
        EXPECT_EQ(textOf(d, kNewFrequency), "41.000") << "six characters at most";
        addByButtons(d, kFrequencyList, kNewFrequency, "41.000");
        EXPECT_EQ(listedNames(d, kFrequencyList), (QStringList{"27.195", "40.665", "41.000"}));
        EXPECT_EQ(selectedRow(d, kFrequencyList), 0);
        EXPECT_EQ(shownIdentifier(d, kFrequencyList), QStringList{"1"});
        selectRow(d, kFrequencyList, 2);
        EXPECT_EQ(shownIdentifier(d, kFrequencyList), QStringList{"3"});
        typeInto(d, kNewFrequency, "26.995");
        removeByButton(d, kFrequencyList);
        EXPECT_EQ(listedNames(d, kFrequencyList), (QStringList{"27.195", "40.665"}))
            << "removing a frequency adds nothing";
        clickButton(d, "1");
    });
    runFrequenciesDialog(t.program, nullptr);
    EXPECT_EQ(t.folder.read(kFrequencies), "27.195\r\n40.665\r\n");

    whenDialogWith("3405", [](QWidget& d) {
        removeByButton(d, kFrequencyList);
        addByButtons(d, kFrequencyList, kNewFrequency, "72.210");
        clickButton(d, "1");
    });
    runFrequenciesDialog(t.program, nullptr);
    EXPECT_EQ(t.folder.read(kFrequencies), "40.665\r\n72.210\r\n");
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST(FrequenciesDialog, echapLeavesTheFileAndAWriteFailureIsReportedWithoutTheAccent) {
    TestProgram t;
    t.folder.write(kFrequencies, "27.195\n");
    whenDialogWith("3405", [](QWidget& d) {
        addByButtons(d, kFrequencyList, kNewFrequency, "40.665");
        clickButton(d, "2");
    });
    runFrequenciesDialog(t.program, nullptr);
    EXPECT_EQ(t.folder.read(kFrequencies), "27.195\n");

    std::filesystem::create_directory(t.folder.file(std::string(kFrequencies) + ".tmp"));
    whenDialogWith("3405", [](QWidget& d) { clickButton(d, "1"); });
    runFrequenciesDialog(t.program, nullptr);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text,
              "Erreur: impossible d'ouvrir la base de données Frequences");
    EXPECT_EQ(t.folder.read(kFrequencies), "27.195\n");
}

std::string packsFile() {
    TransponderPackTable packs;
    packs[0].name = "Club A";
    packs[0].transponders[0] = "100001";
    packs[3].name = "Loan";
    std::string file;
    for (const TransponderPack& p : packs) {
        file += std::string(p.name.view()) + "\t";
        for (const auto& number : p.transponders)
            file += std::string(number.view()) + "\t";
        file += "\r\n";
    }
    return file;
}

TEST(TranspondersDialog, listsTheTwentyPacksAndOkWritesTheEditedNumbers) {
    TestProgram t;
    t.folder.write(kPacks, packsFile());
    whenDialogWith("3303", [](QWidget& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Base de données Transpondeurs"));
        const QStringList names = listedNames(d, 3301);
        ASSERT_EQ(names.size(), kPackCount);
        EXPECT_EQ(names[0], "Club A");
        EXPECT_EQ(names[3], "Loan");
        EXPECT_EQ(selectedRow(d, 3301), 0);
        EXPECT_EQ(textOf(d, 3302), "Club A");
        EXPECT_EQ(textOf(d, 3303), "100001");
        typeInto(d, 3303, "12a3");
        EXPECT_EQ(textOf(d, 3303), "123");
        selectRow(d, 3301, 3);
        EXPECT_EQ(textOf(d, 3302), "Loan");
        EXPECT_EQ(textOf(d, 3303), "");
        typeInto(d, 3322, "9876543");
        EXPECT_EQ(textOf(d, 3322), "987654");
        clickButton(d, "1");
    });
    runTranspondersDialog(t.program, nullptr);
    TransponderPackTable back;
    ASSERT_TRUE(readTransponderPacks(t.folder.file(kPacks), back));
    EXPECT_EQ(back[0].name.view(), "Club A");
    EXPECT_EQ(back[0].transponders[0].view(), "123");
    EXPECT_EQ(back[3].transponders[19].view(), "987654");
    const std::string file = t.folder.read(kPacks);
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), kPackCount);
}

TEST(TranspondersDialog, echapLeavesTheFileAndAMissingFileGivesTwentyUnnamedPacks) {
    TestProgram t;
    t.folder.write(kPacks, packsFile());
    whenDialogWith("3303", [](QWidget& d) {
        typeInto(d, 3304, "5");
        d.close();
    });
    runTranspondersDialog(t.program, nullptr);
    EXPECT_EQ(t.folder.read(kPacks), packsFile());

    std::remove(t.folder.file(kPacks).c_str());
    whenDialogWith("3303", [](QWidget& d) {
        EXPECT_EQ(listedNames(d, 3301).size(), kPackCount);
        clickButton(d, "1");
    });
    runTranspondersDialog(t.program, nullptr);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text,
              "Erreur: impossible d'ouvrir la base de données Transpondeurs");
    std::string emptyPacks;
    for (int i = 0; i < kPackCount; ++i)
        emptyPacks += std::string(21, '\t') + "\r\n";
    EXPECT_EQ(t.folder.read(kPacks), emptyPacks);
}

} // namespace
} // namespace racedesk
