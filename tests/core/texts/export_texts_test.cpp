#include "core/reports/csv_export.h"
#include "core/reports/export_texts.h"
#include "core/reports/print_file_name.h"

#include "text_table_checks.h"

#include <gtest/gtest.h>

#include <string>

namespace racedesk {
namespace {

using test::kEnglish;

TEST(ExportTexts, everyTextIsDefinedAndSurvivesTheCodePage) {
    test::expectCompleteTable<ExportText>();
}

// A spreadsheet in the build's language splits the fields and reads the decimals.
TEST(ExportTexts, theFileFollowsTheSpreadsheetConventionsOfTheBuildsLanguage) {
    PrintDocument d;
    d.fileTitle = "List";
    d.exportColumns = {
        {"Name", CellKind::Text}, {"Average", CellKind::Number}, {"Best", CellKind::Time}};
    d.rows = {{"Smith, Jo", "12.5", "1:02.345"}};
    if (kEnglish)
        EXPECT_EQ(csvText(d), "\xEF\xBB\xBFNo.,Name,Average,Best,Best (ms)\r\n"
                              "1,\"Smith, Jo\",12.5,1:02.345,62345\r\n");
    else
        EXPECT_EQ(csvText(d), "\xEF\xBB\xBFN°;Name;Average;Best;Best (ms)\r\n"
                              "1;Smith, Jo;12,5;1:02.345;62345\r\n");
    EXPECT_EQ(proposedCsvName(d), "List.csv");
}

} // namespace
} // namespace racedesk
