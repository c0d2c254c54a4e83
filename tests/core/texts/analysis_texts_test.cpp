#include "core/common/cp1252.h"
#include "core/reports/analysis_texts.h"

#include "text_table_checks.h"

#include <gtest/gtest.h>

#include <string>

namespace racedesk {
namespace {

TEST(AnalysisTexts, everyTextIsDefinedAndSurvivesTheCodePage) {
    test::expectCompleteTable<AnalysisText>();
}

TEST(AnalysisTexts, theBuildSpeaksItsLanguage) {
    const std::string caption = cp1252ToUtf8(tx(AnalysisText::Caption));
    const std::string curve = cp1252ToUtf8(tx(AnalysisText::PrintCurveTitle));
    const std::string from = tx(AnalysisText::FromLap);
    if (test::kEnglish) {
        EXPECT_EQ(caption, "Driver results Analysis");
        EXPECT_EQ(curve, "Evolution of the lap times from lap %d to lap %d");
        EXPECT_EQ(from, " From lap ");
        EXPECT_EQ(std::string(tx(AnalysisText::ViewCurve)), "Curve");
    } else {
        EXPECT_EQ(caption, "Analyse résultats pilote");
        EXPECT_EQ(curve, "Evolution des temps au tour entre tour %d et tour %d");
        EXPECT_EQ(from, " Entre tour ");
        EXPECT_EQ(std::string(tx(AnalysisText::ViewCurve)), "Courbe");
    }
}

// How many conversions of this kind the format holds, and none of another kind.
int conversions(const std::string& format, char kind) {
    int count = 0;
    for (std::size_t at = format.find('%'); at != std::string::npos;
         at = format.find('%', at + 2)) {
        EXPECT_EQ(format[at + 1], kind) << format;
        ++count;
    }
    return count;
}

TEST(AnalysisTexts, theFormatsTakeWhatTheirCallersGive) {
    for (const AnalysisText id : {AnalysisText::PrintSummaryTitle,
                                  AnalysisText::PrintHistogramTitle, AnalysisText::PrintCurveTitle})
        EXPECT_EQ(conversions(tx(id), 'd'), 2) << "the first and last laps";
    for (const AnalysisText id :
         {AnalysisText::LapNumber, AnalysisText::HoverLap, AnalysisText::RowLap})
        EXPECT_EQ(conversions(tx(id), 'd'), 1) << "a lap number";
    EXPECT_EQ(conversions(tx(AnalysisText::TrackLine), 's'), 2) << "the circuit and the summary";
}

} // namespace
} // namespace racedesk
