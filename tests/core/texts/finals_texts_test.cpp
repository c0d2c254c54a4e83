#include "core/finals/closure_report.h"
#include "core/finals/closure_report_view.h"
#include "core/finals/finals_structure.h"
#include "core/finals/finals_texts.h"

#include "text_table_checks.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <utility>
#include <vector>

namespace racedesk {
namespace {

using test::kEnglish;
using test::shown;

TEST(FinalsTexts, everyTextIsDefinedAndSurvivesTheCodePage) {
    test::expectCompleteTable<FinalsText>();
}

TEST(FinalsTexts, theDialogsAndTheBoardSpeakTheBuildsLanguage) {
    FinalsComposition c = defaultFinalsComposition(40);
    const FinalsStructure s = finalsStructure(c);
    if (kEnglish) {
        EXPECT_EQ(shown(FinalsText::ParametersCaption), "Finals run options");
        EXPECT_EQ(shown(FinalsText::CompositionCaption), "Finals arrangement");
        EXPECT_EQ(firstLevelText(s), "1/8th finals");
        EXPECT_EQ(firstLevelText(FinalsStructure{}), "Error: >1/2048th f");
        EXPECT_EQ(shown(FinalsText::RunKindFinal), "Finals : 1/%d%c");
    } else {
        EXPECT_EQ(shown(FinalsText::ParametersCaption), "Options de course remontées");
        EXPECT_EQ(shown(FinalsText::CompositionCaption), "Répartition remontées");
        EXPECT_EQ(firstLevelText(s), "1/8eme de finales");
        EXPECT_EQ(firstLevelText(FinalsStructure{}), "Erreur: >1/2048eme f");
        EXPECT_EQ(shown(FinalsText::RunKindFinal), "Remontées : 1/%d%c");
    }
}

// The conversions of a format, in order: "sdc" for "%s ... %d%c".
std::string conversionsOf(const std::string& format) {
    std::string kinds;
    for (std::size_t at = format.find('%'); at != std::string::npos;
         at = format.find('%', at + 1)) {
        std::size_t end = at + 1;
        while (end < format.size() && (std::isdigit(static_cast<unsigned char>(format[end])) != 0))
            ++end;
        if (end < format.size())
            kinds += format[end];
        at = end;
    }
    return kinds;
}

TEST(FinalsTexts, everyFormatTakesTheValuesTheProgramGivesIt) {
    const std::pair<FinalsText, const char*> formats[] = {
        {FinalsText::FirstLevelHalfOrQuarter, "d"},
        {FinalsText::FirstLevelDeep, "d"},
        {FinalsText::RunTitleFinale, "s"},
        {FinalsText::RunTitleFinal, "sdc"},
        {FinalsText::RunKindFinale, ""},
        {FinalsText::RunKindFinal, "dc"},
        {FinalsText::ReportRaceTitle, "ss"},
        {FinalsText::ReportPrintRaceTitle, "ss"},
        {FinalsText::ReportTitle, "s"},
        {FinalsText::ResultUnderAnHour, "dddd"},
        {FinalsText::ResultHours, "ddddd"},
        {FinalsText::LevelA, "d"},
        {FinalsText::LevelB, "d"}};
    for (const auto& [id, kinds] : formats)
        EXPECT_EQ(conversionsOf(tx(id)), kinds) << textUtf8(id);
}

TEST(FinalsTexts, theClosureReportReadsInTheBuildsLanguage) {
    ClosureReport report;
    report.categoryName = "Touring";
    report.track.raceName = "Coupe";
    report.track.circuit = "Anneau";
    ClosureRow row;
    row.name = "Ann";
    row.rank = 1;
    row.level = 0;
    row.place = 1;
    row.laps = 41;
    row.totalTime = 3'723'456;
    report.rows = {row};
    const PrintDocument d = closureReportPrintout(report);
    std::vector<std::string> headers;
    for (const PrintColumn& c : d.columns)
        headers.push_back(c.header);
    for (const PageText& t : d.pageTexts)
        headers.push_back(cp1252ToUtf8(t.text));
    ASSERT_EQ(d.rows.size(), 1u);
    if (kEnglish) {
        EXPECT_EQ(d.firstTitle, " Race : Coupe - Anneau ");
        EXPECT_EQ(d.secondTitle, " Touring : Closure report ");
        EXPECT_EQ(headers, (std::vector<std::string>{"Class.", "Driver", "", "", "", "", "",
                                                     "Finals", "Qualifying", "Level", "Place",
                                                     "Result", "Place", "Points"}));
        EXPECT_EQ(d.rows[0][4], "41L in 1:02:03.456");
    } else {
        EXPECT_EQ(d.firstTitle, " Course : Coupe - Anneau ");
        EXPECT_EQ(d.secondTitle, " Touring : Rapport de cloture ");
        EXPECT_EQ(cp1252ToUtf8(d.rows[0][4]), "41T en 1:02:03.456");
        EXPECT_EQ(headers[7], "Remontées");
    }
    EXPECT_EQ(d.rows[0][2], "FIN");
}

} // namespace
} // namespace racedesk
