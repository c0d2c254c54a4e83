#include "core/reports/participants_printout.h"

#include "core/common/cp1252.h"
#include "core/reports/print_frame.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace racedesk {
namespace {

using test::RecordingCanvas;

// Core texts are Windows-1252: "Durand Zoé".
const DriverIdentity kDrivers[] = {
    {"Martin Paul", "L-1001", "RC Club Lyon"},
    {"Durand Zo\xE9", "L-2002", "Mini Racing 33"},
    {"Martin Paul", "L-9999", "Second Club"},
};

ParticipantTable participants(const std::vector<std::string>& utf8Names) {
    ParticipantTable table;
    for (std::size_t i = 0; i < utf8Names.size(); ++i)
        table[i].name = utf8ToCp1252(utf8Names[i]);
    return table;
}

PrintDocument printout(const ParticipantTable& table) {
    return participantsPrintout(table, "Buggy 1/8", "Grand Prix", "Circuit des Pins", kDrivers);
}

TEST(ParticipantsPrintout, titlesNameTheCategoryTheCountAndTheRace) {
    const PrintDocument d = printout(participants({"Durand Zoé", "Martin Paul", "Petit Léa"}));
    EXPECT_EQ(d.jobName, "LISTE PILOTES : Printing...");
    EXPECT_EQ(d.firstTitle, "CATEGORIE : Buggy 1/8");
    EXPECT_EQ(d.secondTitle, "Liste des participants (3 inscrits)");
    EXPECT_EQ(d.raceLine, "Course : Grand Prix - Circuit des Pins");
    EXPECT_EQ(d.layout.orientation, Orientation::Portrait);
    EXPECT_TRUE(d.dated);
    EXPECT_TRUE(d.datePrefix.empty());
    EXPECT_TRUE(d.numberedRows);
    EXPECT_EQ(d.rowsPerPage, 40);
}

TEST(ParticipantsPrintout, eachRowTakesLicenceAndClubOfTheFirstDriverOfThatName) {
    const PrintDocument d = printout(participants({"Martin Paul", "Petit Léa"}));
    ASSERT_EQ(d.rows.size(), 2u);
    EXPECT_EQ(d.rows[0], (PrintRow{"Martin Paul", "L-1001", "RC Club Lyon"}));
    // A participant that the database no longer knows keeps its name alone.
    EXPECT_EQ(d.rows[1], (PrintRow{utf8ToCp1252("Petit Léa"), "", ""}));
}

TEST(ParticipantsPrintout, namesAreComparedWhole) {
    const PrintDocument d = printout(participants({"Martin Pau", "martin paul"}));
    ASSERT_EQ(d.rows.size(), 2u);
    EXPECT_EQ(d.rows[0][1], "");
    EXPECT_EQ(d.rows[1][1], "");
}

TEST(ParticipantsPrintout, freePlacesAreSkipped) {
    ParticipantTable table = participants({"Durand Zoé"});
    table[150].name = "Martin Paul";
    const PrintDocument d = printout(table);
    ASSERT_EQ(d.rows.size(), 2u);
    EXPECT_EQ(d.rows[1][0], "Martin Paul");
    EXPECT_EQ(d.secondTitle, "Liste des participants (2 inscrits)");
}

TEST(ParticipantsPrintout, aCategoryWithoutParticipantsHasNothingToPrint) {
    const PrintDocument d = printout(ParticipantTable{});
    EXPECT_EQ(pageCount(d), 0);
    RecordingCanvas canvas;
    drawPage(canvas, d, 0, {2027, 3, 3, 9, 5, 0});
    EXPECT_TRUE(canvas.texts.empty());
}

TEST(ParticipantsPrintout, thePageShowsHeadersAndRowsInTheirColumns) {
    const PrintDocument d = printout(participants({"Durand Zoé", "Martin Paul"}));
    RecordingCanvas c;
    drawPage(c, d, 0, {2027, 3, 3, 9, 5, 0});
    struct Expected {
        std::string utf8;
        int x, y;
    };
    const Expected expected[] = {
        {"Nom Prénom", 150, 265},  {"N°Licence", 550, 265},   {"Club", 650, 265},
        {"Durand Zoé", 150, 310},  {"L-2002", 550, 310},      {"Mini Racing 33", 650, 310},
        {"Martin Paul", 150, 340}, {"L-1001", 550, 340},      {"RC Club Lyon", 650, 340},
        {"2", 135, 340},           {"Page 1 /1", 1000, 1550}, {"CATEGORIE : Buggy 1/8", 350, 70}};
    for (const Expected& e : expected) {
        const auto* t = c.find(utf8ToCp1252(e.utf8));
        ASSERT_NE(t, nullptr) << e.utf8;
        EXPECT_EQ(t->x, e.x) << e.utf8;
        EXPECT_EQ(t->y, e.y) << e.utf8;
    }
    // The licence and club columns are ruled off from the header band down, between the
    // columns' texts.
    std::vector<int> rules;
    for (const auto& line : c.lines) {
        if (line.pen == kBlack && line.from.y == 250) {
            rules.push_back(line.from.x);
            EXPECT_EQ(line.to.y, 366);
        }
    }
    ASSERT_EQ(rules.size(), 2u);
    std::sort(rules.begin(), rules.end());
    EXPECT_GT(rules[0], 150);
    EXPECT_LT(rules[0], 550);
    EXPECT_GT(rules[1], 550);
    EXPECT_LT(rules[1], 650);
}

TEST(ParticipantsPrintout, fortyFiveDriversTakeTwoPagesNumberedOnFromThe41st) {
    std::vector<std::string> names;
    for (int i = 0; i < 45; ++i)
        names.push_back("Driver " + std::to_string(100 + i));
    const PrintDocument d = printout(participants(names));
    EXPECT_EQ(d.secondTitle, "Liste des participants (45 inscrits)");
    ASSERT_EQ(pageCount(d), 2);
    RecordingCanvas c;
    drawPage(c, d, 1, {2027, 3, 3, 9, 5, 0});
    EXPECT_NE(c.find("Page 2 /2"), nullptr);
    ASSERT_NE(c.find("Driver 140"), nullptr);
    EXPECT_EQ(c.find("Driver 140")->y, 310);
    ASSERT_NE(c.find("41"), nullptr);
    EXPECT_EQ(c.find("41")->y, 310);
    EXPECT_EQ(c.find("Driver 139"), nullptr);
}

} // namespace
} // namespace racedesk
