#include "core/app/startup.h"

#include "core/app/working_folder.h"
#include "core/race/working_race_file.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::TestProgram;

std::vector<std::string> texts(const test::ScriptedDialogs& d) {
    std::vector<std::string> out;
    for (const auto& m : d.messages)
        out.push_back(m.text);
    return out;
}

TEST(StartUp, anEmptyFolderReportsEachMissingFileAndGoesOnWithANewRace) {
    TestProgram t;
    startUp(t.program);
    EXPECT_EQ(texts(t.dialogs), (std::vector<std::string>{
                                    "Erreur: impossible d'ouvrir la base de données Circuits",
                                    "Erreur: impossible d'ouvrir la base de données Transpondeurs",
                                    "Erreur: impossible d'ouvrir le fichier réglages sons",
                                    "Erreur: impossible d'ouvrir le fichier Réglage Affichage"}));
    for (const auto& m : t.dialogs.messages)
        EXPECT_EQ(m.caption, "Erreur");
    EXPECT_EQ(t.folder.read("Private/Course.race"), newRaceFileBytes());
    EXPECT_FALSE(t.folder.exists("PcCrashRace.race")) << "there was no race to keep";
    EXPECT_TRUE(t.program.slots[0].isEmptySlot());
}

TEST(StartUp, theLastRaceBecomesTheCrashCopyAndTheShippedSettingsAreRead) {
    TestProgram t;
    installShippedDefaults(t.folder.path() + "/no-share", t.folder.path(), SpokenLanguage::English);
    t.folder.write("Private/Course.race", "the race of yesterday");
    startUp(t.program);
    EXPECT_TRUE(t.dialogs.messages.empty()) << t.dialogs.messages.front().text;
    EXPECT_EQ(t.folder.read("PcCrashRace.race"), "the race of yesterday");
    EXPECT_EQ(t.program.sounds.language(), SpokenLanguage::English);
    EXPECT_EQ(t.program.display.columnWidths, defaultDisplaySettings().columnWidths);
}

} // namespace
} // namespace racedesk
