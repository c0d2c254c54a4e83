#include "platform/qt_printing.h"

#include "core/common/cp1252.h"
#include "core/reports/participants_printout.h"
#include "pdf_reader.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace racedesk {
namespace {

using test::pdfOrientation;
using test::pdfPageCount;
using test::pdfText;
using test::TempFolder;

constexpr LocalDateTime kMarch3rd905{2027, 3, 3, 9, 5, 0};

const DriverIdentity kDrivers[] = {
    {"Martin Paul", "L-1001", "RC Club Lyon"},
    {"Durand Zo\xE9", "L-2002", "Mini Racing 33"},
    {"Lefebvre Hugo", "L-3003", "Les Bolides"},
};

struct PdfPrinting : ::testing::Test {
    TempFolder folder;
    std::string pdf = folder.file("out/list.pdf");

    void SetUp() override {
        std::filesystem::create_directories(folder.file("out"));
        std::filesystem::create_directories(folder.file("images"));
        std::filesystem::copy_file(std::string(RACEDESK_IMAGES_DIR) + "/logo.bmp",
                                   folder.file("images/logo.bmp"));
    }

    bool print(const PrintDocument& document) {
        return printToPdf(document, QString::fromStdString(pdf),
                          QString::fromStdString(folder.path()), kMarch3rd905);
    }
};

ParticipantTable participants(const std::vector<std::string>& utf8Names) {
    ParticipantTable table;
    for (std::size_t i = 0; i < utf8Names.size(); ++i)
        table[i].name = utf8ToCp1252(utf8Names[i]);
    return table;
}

PrintDocument listOf(const ParticipantTable& table) {
    return participantsPrintout(table, "Buggy 1/8", "Grand Prix", "Circuit des Pins", kDrivers);
}

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST_F(PdfPrinting, theParticipantsListShowsItsTitlesDriversDateAndPageNumber) {
    ASSERT_TRUE(print(listOf(participants({"Durand Zoé", "Lefebvre Hugo", "Martin Paul"}))));
    ASSERT_EQ(pdfPageCount(pdf), 1);
    EXPECT_EQ(pdfOrientation(pdf), "portrait");
    const std::string text = pdfText(pdf);
    for (const char* expected :
         {"CATEGORIE : Buggy 1/8", "Liste des participants (3 inscrits)",
          "Course : Grand Prix - Circuit des Pins", "Nom Prénom", "N°Licence", "Club", "Durand Zoé",
          "Lefebvre Hugo", "Martin Paul", "L-2002", "Mini Racing 33", "Edité le 03/03/2027 à 9:05",
          "Page 1 /1"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

TEST_F(PdfPrinting, fortyOneDriversPrintOnTwoPagesTheLastOneAlone) {
    std::vector<std::string> names;
    for (int i = 0; i < 41; ++i)
        names.push_back("Pilote " + std::to_string(100 + i));
    ASSERT_TRUE(print(listOf(participants(names))));
    ASSERT_EQ(pdfPageCount(pdf), 2);
    const std::string text = pdfText(pdf);
    const auto secondPage = text.find('\f');
    ASSERT_NE(secondPage, std::string::npos);
    const std::string first = text.substr(0, secondPage);
    const std::string second = text.substr(secondPage);
    EXPECT_NE(first.find("Page 1 /2"), std::string::npos);
    EXPECT_NE(first.find("Pilote 139"), std::string::npos);
    EXPECT_NE(second.find("Page 2 /2"), std::string::npos);
    EXPECT_NE(second.find("Pilote 140"), std::string::npos);
    EXPECT_EQ(count(second, "Pilote "), 1);
    // The frame comes again on the second page.
    EXPECT_NE(second.find("CATEGORIE : Buggy 1/8"), std::string::npos);
    EXPECT_NE(second.find("Edité le 03/03/2027 à 9:05"), std::string::npos);
}

TEST_F(PdfPrinting, aMissingLogoDoesNotStopTheJob) {
    std::filesystem::remove(folder.file("images/logo.bmp"));
    ASSERT_TRUE(print(listOf(participants({"Martin Paul"}))));
    EXPECT_NE(pdfText(pdf).find("Martin Paul"), std::string::npos);
}

TEST_F(PdfPrinting, aCategoryWithoutParticipantsPrintsNothing) {
    EXPECT_FALSE(print(listOf(ParticipantTable{})));
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(PdfPrinting, aLandscapeDocumentPrintsOnALandscapePage) {
    PrintDocument document;
    document.layout = landscapeLayout();
    document.jobName = "RESULTATS SERIE : Printing...";
    document.firstTitle = "CATEGORIE : Touring";
    document.rows = {{"only row"}};
    document.columns = {{"Pilote", 286, Align::Left}};
    ASSERT_TRUE(print(document));
    EXPECT_EQ(pdfOrientation(pdf), "landscape");
    EXPECT_NE(pdfText(pdf).find("CATEGORIE : Touring"), std::string::npos);
}

} // namespace
} // namespace racedesk
