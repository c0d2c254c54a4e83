#include "core/qualifying/classification_printouts.h"
#include "core/qualifying/classification_race.h"
#include "core/qualifying/overall_classification.h"
#include "core/reports/csv_export.h"
#include "gui/gui_program.h"
#include "platform/qt_printing.h"
#include "printing/pdf_reader.h"
#include "support/python_csv.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace racedesk {
namespace {

using test::GuiProgram;

constexpr LocalDateTime kMarch3rd905{2027, 3, 3, 9, 5, 0};

// The classifications of a race printed to PDF from the working folder, which holds the logo.
class ClassificationPdf : public ::testing::Test {
protected:
    std::string file() const { return g.program.path(kWorkingRaceFile); }

    std::string print(const PrintDocument& document) {
        const std::string pdf = g.folder.file("classification.pdf");
        EXPECT_TRUE(printToPdf(document, QString::fromStdString(pdf),
                               QString::fromStdString(g.folder.path()), kMarch3rd905));
        EXPECT_EQ(test::pdfPageCount(pdf), 1);
        return test::pdfText(pdf);
    }

    // The line of the text that holds `name`, with its runs of spaces made single.
    static std::string lineOf(const std::string& text, const std::string& name) {
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            if (line.find(name) == std::string::npos)
                continue;
            std::istringstream words(line);
            std::string joined;
            for (std::string word; words >> word;)
                joined += (joined.empty() ? "" : " ") + word;
            return joined;
        }
        return {};
    }

    // Each row of the list exported and read back by Python's csv module: its name and its
    // texts as one line, without the milliseconds a spreadsheet gets beside each time.
    std::vector<std::pair<std::string, std::string>> exported(const PrintDocument& document) {
        const std::string csv = g.folder.file("classification.csv");
        EXPECT_TRUE(writeCsvFile(csv, document));
        const test::CsvRows rows = test::readCsvWithPython(csv, ';');
        std::vector<std::pair<std::string, std::string>> lines;
        for (std::size_t r = 1; r < rows.size(); ++r) {
            std::string line;
            for (std::size_t c = 0; c < rows[r].size() && c < rows[0].size(); ++c) {
                const bool milliseconds = rows[0][c].ends_with(" (ms)");
                if (!milliseconds && !rows[r][c].empty())
                    line += (line.empty() ? "" : " ") + rows[r][c];
            }
            lines.emplace_back(rows[r].at(1), line);
        }
        return lines;
    }

    GuiProgram g;
};

TEST_F(ClassificationPdf, theRoundPrintsItsDriversInOrderWithTheirPoints) {
    test::makeClassificationRace(file(), {"Alice", "Bob", "Chloe", "Dan"}, 4, 1, 1);
    test::storeHeat(
        file(), 1, 1,
        {{"Alice", 12, 300500, 24100}, {"Bob", 12, 300500, 24000}, {"Chloe", 13, 310000, 23000}},
        4);
    auto state = std::make_unique<RoundClassificationState>();
    ASSERT_TRUE(openRoundClassification(g.program, 1, 1, *state));
    const std::string text = print(roundClassificationPrintout(*state));

    for (const char* expected : {"CATEGORIE : Buggy 1/8", "Qualifications : Classement Manche1",
                                 "Course : Grand Prix - Circuit des Pins",
                                 "Classement aux tours et au temps - Edité le 03/03/2027 à 9:05",
                                 "Place", "Nom Pilote", "Meilleur tour", "Points", "Page 1 /1"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    EXPECT_EQ(lineOf(text, "Chloe"), "1 Chloe 13 5:10.000 23.000 9");
    EXPECT_EQ(lineOf(text, "Bob"), "2 Bob 12 5:00.500 24.000 7");
    EXPECT_EQ(lineOf(text, "Alice"), "3 Alice 12 5:00.500 24.100 7");
    EXPECT_EQ(text.find("Dan"), std::string::npos) << "the list stops at the first empty place";
}

TEST_F(ClassificationPdf, theOverallPrintsTheOrderTheTotalsAndTheRoundsTheyComeFrom) {
    test::makeClassificationRace(file(), {"Alice", "Bob", "Chloe"}, 3, 2, 1);
    test::storeRound(file(), 1, {{"Alice", 8, 12, 300000, 25000}, {"Bob", 6, 11, 290000, 24500}},
                     3);
    test::storeRound(file(), 2, {{"Bob", 9, 12, 301000, 24000}, {"Alice", 6, 12, 302000, 26000}},
                     3);
    auto state = std::make_unique<OverallClassificationState>();
    ASSERT_TRUE(openOverallClassification(g.program, 1, *state));
    setBestRounds(state->standing, 2);
    const std::string text = print(overallClassificationPrintout(*state));

    for (const char* expected :
         {"Qualifications : Classement Global",
          "SOMME POINTS des 2 meilleures Manches - Edité le 03/03/2027 à 9:05",
          "4 meilleures manches", "meilleur résultat", "Meilleur tour"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    EXPECT_EQ(lineOf(text, "Bob"), "1 Bob 15 9 (2) 6 (1) 12 5:01.000 24.000");
    EXPECT_EQ(lineOf(text, "Alice"), "2 Alice 14 8 (1) 6 (2) 12 5:00.000 25.000");
    EXPECT_EQ(lineOf(text, "Chloe"), "3 Chloe 0");
}

TEST_F(ClassificationPdf, theExportedListsHoldTheLinesThePdfPrints) {
    test::makeClassificationRace(file(), {"Alice", "Bob", "Chlo\xE9", "Dan"}, 4, 2, 1);
    test::storeHeat(file(), 1, 1,
                    {{"Alice", 12, 300000, 25000},
                     {"Bob", 11, 290000, 24500},
                     {"Chlo\xE9", 13, 610'000, 23000}},
                    4);
    test::storeRound(file(), 1,
                     {{"Alice", 8, 12, 300000, 25000},
                      {"Bob", 6, 11, 290000, 24500},
                      {"Chlo\xE9", 5, 13, 610'000, 23000}},
                     4);
    test::storeRound(file(), 2, {{"Bob", 9, 12, 301000, 24000}, {"Alice", 6, 12, 302000, 26000}},
                     4);
    auto round = std::make_unique<RoundClassificationState>();
    ASSERT_TRUE(openRoundClassification(g.program, 1, 1, *round));
    auto overall = std::make_unique<OverallClassificationState>();
    ASSERT_TRUE(openOverallClassification(g.program, 1, *overall));
    for (const PrintDocument& document :
         {roundClassificationPrintout(*round), overallClassificationPrintout(*overall)}) {
        const std::string text = print(document);
        const auto lines = exported(document);
        ASSERT_FALSE(lines.empty()) << document.secondTitle;
        ASSERT_EQ(lines.size(), document.rows.size());
        for (const auto& [name, line] : lines)
            EXPECT_EQ(lineOf(text, name), line) << document.secondTitle;
    }
}

} // namespace
} // namespace racedesk
