// Every exported list, read back by Python's csv module as a spreadsheet user's script would,
// gives the rows of the printed list, with the milliseconds of each time beside it.
#include "core/common/cp1252.h"
#include "core/finals/closure_report_view.h"
#include "core/qualifying/classification_printouts.h"
#include "core/qualifying/classification_states.h"
#include "core/qualifying/composition_fixture.h"
#include "core/qualifying/composition_printout.h"
#include "core/reports/csv_export.h"
#include "core/reports/detailed_results_table.h"
#include "core/reports/participants_printout.h"
#include "core/reports/print_file_name.h"
#include "core/reports/run_results_printout.h"
#include "support/python_csv.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace racedesk {
namespace {

using Rows = test::CsvRows;

// Writes the document's file as the export button does and reads it back with Python.
Rows exportedAndReadBack(const PrintDocument& d) {
    test::TempFolder folder;
    const std::string csv = folder.file(cp1252ToUtf8(proposedCsvName(d)));
    EXPECT_TRUE(writeCsvFile(csv, d));
    return test::readCsvWithPython(csv, ';');
}

// The printed rows as the file should hold their texts: numbered when the list numbers them,
// in UTF-8.
Rows printedRows(const PrintDocument& d) {
    Rows rows;
    for (std::size_t i = 0; i < d.rows.size(); ++i) {
        rows.emplace_back();
        if (d.numberedRows)
            rows.back().push_back(std::to_string(i + 1));
        for (const std::string& text : d.rows[i])
            rows.back().push_back(cp1252ToUtf8(text));
    }
    return rows;
}

// Splits a line read back into the texts of the printed row and the milliseconds fields.
struct Line {
    std::vector<std::string> texts;
    std::vector<std::string> milliseconds;
};
Line splitLine(const PrintDocument& d, const std::vector<std::string>& fields) {
    Line line;
    std::size_t at = 0;
    if (d.numberedRows && at < fields.size())
        line.texts.push_back(fields[at++]);
    for (const ExportColumn& column : d.exportColumns) {
        if (at < fields.size())
            line.texts.push_back(fields[at++]);
        if (column.kind == CellKind::Time && at < fields.size())
            line.milliseconds.push_back(fields[at++]);
    }
    EXPECT_EQ(at, fields.size()) << "no field beyond the columns";
    return line;
}

// Reads the document's export back and checks it against the printed rows; gives the header
// and the milliseconds of each row for the caller's own checks.
struct ReadBack {
    std::vector<std::string> header;
    Rows milliseconds;
};
ReadBack checkedExport(const PrintDocument& d) {
    const Rows fields = exportedAndReadBack(d);
    const Rows printed = printedRows(d);
    EXPECT_EQ(fields.size(), printed.size() + 1) << "a header row, then one line per row";
    ReadBack result;
    if (fields.empty())
        return result;
    result.header = fields[0];
    for (std::size_t i = 1; i < fields.size() && i <= printed.size(); ++i) {
        Line line = splitLine(d, fields[i]);
        EXPECT_EQ(line.texts, printed[i - 1]) << "row " << i;
        result.milliseconds.push_back(std::move(line.milliseconds));
    }
    return result;
}

using Header = std::vector<std::string>;

TEST(CsvReadBack, participantsListNumbersItsRowsAndKeepsAccents) {
    const DriverIdentity drivers[] = {{"Durand Zo\xE9", "L-2002", "Mini Racing; 33"}};
    ParticipantTable table;
    table[0].name = "Durand Zo\xE9";
    table[2].name = "Martin \"Polo\" Paul";
    const ReadBack r = checkedExport(
        participantsPrintout(table, "Buggy 1/8", "Grand Prix", "Circuit des Pins", drivers));
    EXPECT_EQ(r.header, (Header{"N°", "Nom Prénom", "N°Licence", "Club"}));
    EXPECT_EQ(r.milliseconds, (Rows{{}, {}}));
}

TEST(CsvReadBack, roundClassificationGivesItsTimesInMilliseconds) {
    const auto state = test::roundState(
        2, 3, {{"Bob", 12, 300500, 24000}, {"Zo\xE9", 11, 3'601'250, 59'999}}, {8, 7});
    const ReadBack r = checkedExport(roundClassificationPrintout(*state));
    EXPECT_EQ(r.header, (Header{"Place", "Nom Pilote", "Tours", "Temps", "Temps (ms)",
                                "Meilleur tour", "Meilleur tour (ms)", "Points"}));
    EXPECT_EQ(r.milliseconds, (Rows{{"300500", "24000"}, {"3601250", "59999"}}));
}

TEST(CsvReadBack, overallClassificationNamesTheGroupsOfItsColumns) {
    const auto state = test::overallState(
        3, 2,
        {{"Bob", 15, {{9, 2}, {6, 1}}, {12, 301000, 2}, {24000, 1}}, {"Alice", 0, {}, {}, {}}});
    const ReadBack r = checkedExport(overallClassificationPrintout(*state));
    ASSERT_EQ(r.header.size(), 12u);
    EXPECT_EQ(r.header[3], "4 meilleures manches - meill.");
    EXPECT_EQ(r.header[8], "meilleur résultat - Temps");
    EXPECT_EQ(r.header[9], "meilleur résultat - Temps (ms)");
    EXPECT_EQ(r.milliseconds, (Rows{{"301000", "24000"}, {"", ""}}))
        << "a driver who never ran has no time";
}

TEST(CsvReadBack, closureReportGivesTheFinalsTimeOfEachResult) {
    ClosureReport report;
    report.categoryName = "Touring";
    ClosureRow winner;
    winner.name = "Ann";
    winner.rank = 1;
    winner.level = 0;
    winner.place = 1;
    winner.laps = 41;
    winner.totalTime = 3'723'456;
    winner.qualifyingPlace = 2;
    winner.qualifyingPoints = 90;
    ClosureRow qualifier;
    qualifier.name = "Ben";
    qualifier.rank = 2;
    qualifier.qualifyingPlace = 9;
    report.rows = {winner, qualifier};
    const PrintDocument d = closureReportPrintout(report);
    EXPECT_EQ(cp1252ToUtf8(proposedCsvName(d)), "Rapport clôture - Touring.csv");
    const ReadBack r = checkedExport(d);
    EXPECT_EQ(r.header, (Header{"Classt", "Nom pilote", "Remontées - Niveau", "Remontées - Place",
                                "Remontées - Résultat", "Remontées - Résultat (ms)",
                                "Qualifs - Place", "Qualifs - Points"}));
    EXPECT_EQ(r.milliseconds, (Rows{{"3723456"}, {""}}));
}

TEST(CsvReadBack, runResultsGiveBothGroupsOfEveryCar) {
    LoadedRun run;
    run.runTitle = "Buggy 1/8 - Manche2 - S\xE9rie1";
    BoardRows rows;
    rows[0].position = "1";
    rows[0].carNumber = " 7 ";
    rows[0].name = "Bob";
    rows[0].laps = "20";
    rows[0].totalTime = "5:01.100";
    rows[0].bestLap = "14.010";
    rows[0].passings = "21";
    rows[0].ownTimeAtLastLap = "5:01.200";
    rows[0].bestLapFromTable = "13.990";
    const ReadBack r = checkedExport(runResultsPrintout(run, "", rows, 1));
    ASSERT_EQ(r.header.size(), 13u);
    EXPECT_EQ(r.header[1], "N°");
    EXPECT_EQ(r.header[3], "Résultat pris en compte - Tours");
    EXPECT_EQ(r.header[10], "Relevés transpondeurs - Temps (ms)");
    EXPECT_EQ(r.milliseconds, (Rows{{"301100", "14010", "301200", "13990"}}));
}

TEST(CsvReadBack, detailedResultsGiveOneFileForEachTableAndNoneForTheChart) {
    auto results = std::make_unique<DetailedResults>();
    results->carCount = 2;
    DetailedCar& bob = results->cars[0];
    bob.name = "Bob";
    bob.line = 1;
    bob.passings = 3;
    bob.passingTimes[1] = 15'000;
    bob.passingTimes[2] = 30'500;
    bob.passingTimes[3] = 61'000;
    bob.lapTimes[1] = 15'000;
    bob.lapTimes[2] = 15'500;
    bob.lapTimes[3] = 30'500;
    DetailedCar& zoe = results->cars[1];
    zoe.name = "Zo\xE9";
    zoe.line = 4;
    zoe.passings = 1;
    zoe.passingTimes[1] = 16'250;
    zoe.lapTimes[1] = 16'250;
    const char* run = " Buggy 1/8 - Manche2 - S\xE9rie1 ";

    const PrintDocument passings = detailedResultsTable(*results, DetailView::PassingTimes, run);
    EXPECT_EQ(cp1252ToUtf8(proposedCsvName(passings)),
              "temps de passage - Buggy 1-8 - Manche2 - Série1.csv");
    const ReadBack p = checkedExport(passings);
    EXPECT_EQ(p.header, (Header{"Tour", "Ligne1 - Bob", "Ligne1 - Bob (ms)", "Ligne4 - Zoé",
                                "Ligne4 - Zoé (ms)"}));
    EXPECT_EQ(p.milliseconds, (Rows{{"15000", "16250"}, {"30500", ""}, {"61000", ""}}))
        << "a row per lap up to the most passings; a car stops at its last";

    const ReadBack l = checkedExport(detailedResultsTable(*results, DetailView::LapTimes, run));
    EXPECT_EQ(l.milliseconds, (Rows{{"15000", "16250"}, {"15500", ""}, {"30500", ""}}));

    EXPECT_FALSE(exportable(detailedResultsTable(*results, DetailView::Positions, run)));
}

class CsvReadBackComposition : public test::CompositionFixture {};

TEST_F(CsvReadBackComposition, heatsListKeepsTheTranspondersLeadingZeros) {
    makeRace({{"Bob", "012301", "27.145"}, {"Zo\xE9", "012302", ""}, {"Dan", "012303", ""}}, 2, 1);
    const ReadBack r = checkedExport(compositionPrintout(openCompositionDialog(p, 1)));
    EXPECT_EQ(r.header, (Header{"Série", "Ligne", "Nom Pilote", "Transpond.", "Freq1"}));
    EXPECT_EQ(r.milliseconds.size(), 4u) << "two heats of two places";
}

} // namespace
} // namespace racedesk
