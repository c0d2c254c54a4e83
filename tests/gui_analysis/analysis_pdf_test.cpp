#include "core/common/cp1252.h"
#include "core/reports/analysis_printout.h"
#include "platform/qt_printing.h"
#include "printing/pdf_reader.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace racedesk {
namespace {

using test::TempFolder;

constexpr LocalDateTime kMarch3rd905{2027, 3, 3, 9, 5, 0};

DriverResult fiveLapRun() {
    DriverResult run;
    run.name = "Jean Dupont";
    run.runTitle = " Buggy - Manche1 - S\xE9rie2 ";
    run.circuit = "Piste du Lac";
    run.summary = "Dur\xE9"
                  "e 5:00";
    const RaceTime laps[] = {61'200, 61'250, 61'900, 62'600, 67'000};
    for (const RaceTime lap : laps) {
        ++run.laps;
        run.times[std::size_t(run.laps)] = run.times[std::size_t(run.laps - 1)] + lap;
    }
    return run;
}

struct AnalysisPdf : ::testing::Test {
    TempFolder folder;
    std::string pdf = folder.file("analysis.pdf");

    void SetUp() override {
        std::filesystem::create_directories(folder.file("images"));
        std::filesystem::copy_file(std::string(RACEDESK_SHARE_DIR) + "/images/logo.bmp",
                                   folder.file("images/logo.bmp"));
    }
    std::string print(const DriverResult& run, LapRange range) {
        EXPECT_TRUE(printToPdf(analysisPrintout(run, range), QString::fromStdString(pdf),
                               QString::fromStdString(folder.path()), kMarch3rd905));
        return test::pdfText(pdf);
    }
};

TEST_F(AnalysisPdf, theWholeAnalysisPrintsOnOnePortraitPage) {
    const std::string text = print(fiveLapRun(), {1, 5});
    EXPECT_EQ(test::pdfPageCount(pdf), 1);
    EXPECT_EQ(test::pdfOrientation(pdf), "portrait");
    // pdftotext gives a run of spaces as one.
    for (const char* expected : {"Buggy - Manche1 - Série2 : Jean Dupont",
                                 "Piste : Piste du Lac (Durée 5:00)",
                                 "Synthèse du run entre tour 1 et tour 5",
                                 "Histogramme des temps au tour entre tour 1 et tour 5",
                                 "Evolution des temps au tour entre tour 1 et tour 5",
                                 "Meilleur tour :",
                                 "1:01.200",
                                 "(T 1)",
                                 "Moins bon tour :",
                                 "1:07.000",
                                 "(T 5)",
                                 "Tour moyen :",
                                 "1:02.790",
                                 "+/- 2.165",
                                 "(régularité)",
                                 "Temps au tour",
                                 "% tours",
                                 "40.0 %",
                                 "1:06.200 < t",
                                 "moy",
                                 "62.790"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    EXPECT_EQ(text.find("Edité"), std::string::npos) << "no date line";
    EXPECT_EQ(text.find("Page "), std::string::npos) << "no page number";
}

TEST_F(AnalysisPdf, aLongRangeEndsTheCurvesTitleAtItsHundredAndFirstLap) {
    DriverResult run = fiveLapRun();
    run.laps = 160;
    for (int i = 1; i <= run.laps; ++i)
        run.times[std::size_t(i)] = 60'000 * i;
    const std::string text = print(run, {1, 150});
    EXPECT_NE(text.find("Synthèse du run entre tour 1 et tour 150"), std::string::npos) << text;
    EXPECT_NE(text.find("Evolution des temps au tour entre tour 1 et tour 101"), std::string::npos)
        << text;
}

} // namespace
} // namespace racedesk
