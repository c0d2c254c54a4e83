#include "core/reports/csv_export.h"

#include "core/common/cp1252.h"
#include "core/reports/print_file_name.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace racedesk {
namespace {

// A numbered list with every kind of column; core texts are Windows-1252 ("Zoé").
PrintDocument mixedDocument() {
    PrintDocument d;
    d.fileTitle = "Classement Manche2";
    d.category = "Buggy 1/8";
    d.exportColumns = {
        {"Nom", CellKind::Text}, {"Moyenne", CellKind::Number}, {"Meilleur tour", CellKind::Time}};
    d.rows = {{"Durand Zo\xE9", "12.5", "24.010"},
              {"Martin; \"Paulo\"", "7", "1:02:03.456"},
              {"Petit\r\nL\xE9"
               "a",
               "", ""}};
    return d;
}

TEST(CsvExport, writesAMarkedUtf8FileWithHeaderRowQuotingAndTheFrenchConventions) {
    const std::string csv = csvText(mixedDocument());
    EXPECT_EQ(csv, "\xEF\xBB\xBF"
                   "N°;Nom;Moyenne;Meilleur tour;Meilleur tour (ms)\r\n"
                   "1;Durand Zoé;12,5;24.010;24010\r\n"
                   "2;\"Martin; \"\"Paulo\"\"\";7;1:02:03.456;3723456\r\n"
                   "3;\"Petit\r\nLéa\";;;\r\n")
        << "a field is quoted only when it holds the separator, a quote or a line end; a time "
           "stays as shown and its milliseconds follow it";
}

TEST(CsvExport, aListWithoutRowsStillHasItsHeaderAndOneWithoutExportColumnsHasNoTable) {
    PrintDocument d = mixedDocument();
    d.rows.clear();
    d.numberedRows = false;
    EXPECT_EQ(csvText(d), "\xEF\xBB\xBFNom;Moyenne;Meilleur tour;Meilleur tour (ms)\r\n");
    EXPECT_TRUE(exportable(d));
    d.exportColumns.clear();
    EXPECT_FALSE(exportable(d));
}

TEST(CsvExport, aRowShorterThanItsColumnsGetsEmptyFields) {
    PrintDocument d = mixedDocument();
    d.rows = {{"Solo"}};
    EXPECT_EQ(csvText(d).substr(csvText(d).find("\r\n") + 2), "1;Solo;;;\r\n");
}

TEST(CsvExport, aNameASpreadsheetWouldTakeForAFormulaStaysText) {
    PrintDocument d = mixedDocument();
    d.rows = {
        {"=HYPERLINK(\"x\")", "-3", "-"}, {"+33 Club", "", ""}, {"-", "", ""}, {"@A1", "", ""}};
    const std::string csv = csvText(d);
    EXPECT_EQ(csv.substr(csv.find("\r\n") + 2), "1;\"'=HYPERLINK(\"\"x\"\")\";-3;-;\r\n"
                                                "2;'+33 Club;;;\r\n"
                                                "3;-;;;\r\n"
                                                "4;'@A1;;;\r\n")
        << "only a text column is guarded; numbers and a lone dash are left as they are";
}

TEST(CsvExport, theFileIsWrittenWholeAndNamedLikeThePdf) {
    test::TempFolder folder;
    const PrintDocument d = mixedDocument();
    EXPECT_EQ(proposedCsvName(d), "Classement Manche2 - Buggy 1-8.csv");
    const std::string path = folder.file(proposedCsvName(d));
    ASSERT_TRUE(writeCsvFile(path, d));
    EXPECT_EQ(folder.read(proposedCsvName(d)), csvText(d));
    EXPECT_FALSE(writeCsvFile(folder.file("no such folder/list.csv"), d));
}

TEST(CsvExport, aChosenFileThatCannotBeWrittenIsReportedByName) {
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    ASSERT_TRUE(exportCsvFile(dialogs, folder.file("liste.csv"), mixedDocument()));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(folder.read("liste.csv"), csvText(mixedDocument()));

    const std::string gone = folder.file("Résultats/liste.csv");
    EXPECT_FALSE(exportCsvFile(dialogs, gone, mixedDocument()));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Erreur: impossible d'écrire le fichier " + gone);
    EXPECT_EQ(dialogs.messages[0].caption, "Erreur");
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Error);
}

TEST(CsvExport, shownTimesOfBothFormsGiveTheirMilliseconds) {
    EXPECT_EQ(shownTimeValue("59.999"), 59'999);
    EXPECT_EQ(shownTimeValue("0:59.999"), 59'999);
    EXPECT_EQ(shownTimeValue("5:00.500"), 300'500);
    EXPECT_EQ(shownTimeValue("1:00:00.000"), 3'600'000);
    EXPECT_EQ(shownTimeValue("0.000"), 0);
    EXPECT_EQ(shownTimeValue("41T en 1:02:03.456"), 3'723'456) << "the time ending a result";
    EXPECT_EQ(shownTimeValue("596:31:23.647"), 2'147'483'647);
}

TEST(CsvExport, textsThatAreNoTimeGiveNoMilliseconds) {
    for (const char* text : {"",
                             " ",
                             "-",
                             "R",
                             "12",
                             "24.01",
                             "24.0100",
                             "1:5.000",
                             "1:60.000",
                             "1:00:60.000",
                             "a:00.000",
                             "-1.000",
                             "+1.000",
                             "1:-5.000",
                             "1..000",
                             "596:31:23.648",
                             "99999999999.000",
                             "1:00:00:00.000",
                             "41T en",
                             "24.010 "})
        EXPECT_EQ(shownTimeValue(text), std::nullopt) << '"' << text << '"';
}

} // namespace
} // namespace racedesk
