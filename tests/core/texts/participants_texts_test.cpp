#include "core/common/cp1252.h"
#include "core/race/participants_texts.h"

#include "text_table_checks.h"

#include <gtest/gtest.h>

#include <string>

namespace racedesk {
namespace {

TEST(ParticipantsTexts, everyTextIsDefinedAndSurvivesTheCodePage) {
    test::expectCompleteTable<ParticipantsText>();
}

TEST(ParticipantsTexts, theBuildSpeaksItsLanguage) {
    const auto text = [](ParticipantsText id) { return std::string(textUtf8(id)); };
    if (test::kEnglish) {
        EXPECT_EQ(text(ParticipantsText::TrackCaption), "Track");
        EXPECT_EQ(text(ParticipantsText::ListCaption), "List of drivers");
        EXPECT_EQ(text(ParticipantsText::DetailsCaption), "Driver's details");
        EXPECT_EQ(text(ParticipantsText::DetailsErrInterfaceFile),
                  "Error: Interface file not found");
        EXPECT_EQ(text(ParticipantsText::DetailsErrParticipantsNotWritten),
                  "Error: Title of participants list not found");
    } else {
        EXPECT_EQ(text(ParticipantsText::TrackCaption), "Piste");
        EXPECT_EQ(text(ParticipantsText::ListCaption), "Liste des pilotes");
        EXPECT_EQ(text(ParticipantsText::DetailsCaption), "Détails pilote");
        EXPECT_EQ(text(ParticipantsText::DetailsErrInterfaceFile),
                  "Erreur: impossible d'ouvrir le fichier Interface Port COM");
        EXPECT_EQ(text(ParticipantsText::DetailsErrParticipantsNotFound),
                  "Erreur: liste de participants non trouvée");
        EXPECT_EQ(text(ParticipantsText::DetailsErrParticipantsNotWritten),
                  "Erreur: liste des participants non trouvée");
    }
}

} // namespace
} // namespace racedesk
