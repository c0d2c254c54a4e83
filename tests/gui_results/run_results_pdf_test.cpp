#include "core/reports/run_results_printout.h"
#include "pdf_reader.h"
#include "platform/qt_printing.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace racedesk {
namespace {

using test::pdfOrientation;
using test::pdfPageCount;
using test::pdfText;
using test::TempFolder;

constexpr LocalDateTime kPrintedAt{2027, 3, 3, 9, 5, 0};

TEST(RunResultsPdf, theRunsResultsPrintOnOneLandscapePage) {
    TempFolder folder;
    std::filesystem::create_directories(folder.file("images"));
    std::filesystem::copy_file(RACEDESK_SHARE_DIR "/images/logo.bmp",
                               folder.file("images/logo.bmp"));
    LoadedRun run;
    run.categoryTitle = "CATEGORIE : Buggy 1/8";
    run.runKindTitle = "Qualifications : Manche2 - S\xE9rie1";
    run.raceLine = "Course : Grand Prix - Circuit des Pins";
    run.condition = "Pluie";
    run.comment = "piste glissante";
    BoardRows rows;
    const char* names[] = {"Durand Zo\xE9", "Martin Paul"};
    const char* totals[] = {"5:01.250", "5:08.900"};
    for (int i = 0; i < 2; ++i) {
        BoardRow& row = rows[std::size_t(i)];
        row.position = std::to_string(i + 1);
        row.carNumber = i == 0 ? " 2 " : " 1 ";
        row.name = names[i];
        row.laps = i == 0 ? "14" : "13";
        row.totalTime = totals[i];
        row.bestLap = i == 0 ? "20.870" : "21.330";
        row.passings = i == 0 ? "15" : "13";
        row.ownTimeAtLastLap = i == 0 ? "5:01.250" : "5:08.900";
        row.bestLapFromTable = i == 0 ? "20.870" : "21.330";
    }
    const std::string pdf = folder.file("results.pdf");
    ASSERT_TRUE(printToPdf(runResultsPrintout(run,
                                              "Dur\xE9"
                                              "e 0:05:00",
                                              rows, 2),
                           QString::fromStdString(pdf), QString::fromStdString(folder.path()),
                           kPrintedAt));
    EXPECT_EQ(pdfPageCount(pdf), 1);
    EXPECT_EQ(pdfOrientation(pdf), "landscape");
    const std::string text = pdfText(pdf);
    for (const char* expected : {"CATEGORIE : Buggy 1/8", "Qualifications : Manche2 - Série1",
                                 "Course : Grand Prix - Circuit des Pins", "Durée 0:05:00 - pluie",
                                 "Résultat pris en compte", "Relevés transpondeurs", "Pos", "N°",
                                 "Pilote", "Meilleur tour", "Durand Zoé", "Martin Paul", "5:01.250",
                                 "21.330", "Commentaire:", "piste glissante"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    EXPECT_LT(text.find("Durand Zoé"), text.find("Martin Paul")) << "in the board's order";
    EXPECT_EQ(text.find("Edité le"), std::string::npos);
}

TEST(RunResultsPdf, aHeatWithoutDriversPrintsNothing) {
    TempFolder folder;
    const std::string pdf = folder.file("empty.pdf");
    EXPECT_FALSE(printToPdf(runResultsPrintout(LoadedRun{}, ".", BoardRows{}, 0),
                            QString::fromStdString(pdf), QString::fromStdString(folder.path()),
                            kPrintedAt));
    EXPECT_FALSE(folder.exists("empty.pdf"));
}

} // namespace
} // namespace racedesk
