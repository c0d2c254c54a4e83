// A whole meeting, qualifying to the Final, as web pages: every page the meeting lists renders,
// every link of every page leads to one of them, and each page's table holds the rows of the
// printed list the program's dialogs print for the same thing.
#include "core/common/cp1252.h"
#include "core/common/text_file.h"
#include "core/finals/closure_report.h"
#include "core/finals/closure_report_view.h"
#include "core/finals/final_storage.h"
#include "core/finals/finals_levels.h"
#include "core/qualifying/classification_printouts.h"
#include "core/qualifying/classification_storage.h"
#include "core/race/detailed_results.h"
#include "core/race/heat_section.h"
#include "core/race/heat_storage.h"
#include "core/race/section_titles.h"
#include "core/race/working_race_file.h"
#include "core/reports/run_results_printout.h"
#include "core/web/meeting_site.h"
#include "core/web/site_export.h"
#include "support/html_rows.h"
#include "support/meeting_with_results.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <set>
#include <thread>

namespace racedesk {
namespace {

using test::HtmlRows;

// The rows of a printed list, in UTF-8 as a page shows them.
HtmlRows printedRows(const PrintDocument& document) {
    HtmlRows rows;
    int number = 0;
    for (const PrintRow& row : document.rows) {
        std::vector<std::string> cells;
        if (document.numberedRows)
            cells.push_back(std::to_string(++number));
        for (const std::string& cell : row)
            cells.push_back(cp1252ToUtf8(cell));
        rows.push_back(cells);
    }
    return rows;
}

struct WholeMeeting : ::testing::Test {
    // Run once: a meeting takes some seconds of ticks.
    static void SetUpTestSuite() {
        meeting = new test::TestProgram;
        failure = test::runWholeMeeting(*meeting);
    }
    static void TearDownTestSuite() {
        delete meeting;
        meeting = nullptr;
    }
    void SetUp() override { ASSERT_EQ(failure, ""); }

    static test::TestProgram* meeting;
    static std::string failure;
    Program& p = meeting->program;
    MeetingSource source{meeting->folder.path()};

    std::string page(const std::string& path, bool live = false) {
        const std::optional<WebPage> found = meetingPage(source, path, live);
        EXPECT_TRUE(found) << path;
        return found ? found->body : "";
    }
};
test::TestProgram* WholeMeeting::meeting = nullptr;
std::string WholeMeeting::failure;

TEST_F(WholeMeeting, listsEveryStoredRunAndClassificationAndEveryLinkLeadsToAPage) {
    const std::vector<std::string> paths = meetingPagePaths(source);
    const std::set<std::string> names = [&paths] {
        std::set<std::string> n;
        for (const std::string& path : paths)
            n.insert(exportFileName(path));
        return n;
    }();
    for (const char* expected :
         {"index.html", "style.css", "category1.html", "category2.html",
          "category1-round1-heat1.html", "category1-round1-heat2.html",
          "category1-round2-heat2-detail.html", "category1-round1.html", "category1-round2.html",
          "category1-overall.html", "category1-final0.html", "category1-final0-detail.html",
          "category1-final1.html", "category1-final2.html", "category1-closure.html"})
        EXPECT_TRUE(names.count(expected)) << expected;
    for (const char* absent : {"category2-overall.html", "category2-round1.html",
                               "category2-closure.html", "category1-round3.html"})
        EXPECT_FALSE(names.count(absent)) << absent;
    EXPECT_EQ(names.size(), paths.size()) << "no page twice";

    for (const bool live : {false, true}) {
        for (const std::string& path : paths) {
            if (path == "/style.css")
                continue;
            const std::string html = page(path, live);
            const std::vector<std::string> links = test::hrefsOf(html);
            EXPECT_FALSE(links.empty()) << path;
            for (const std::string& link : links) {
                if (live && link == "/board")
                    continue;
                EXPECT_TRUE(names.count(link)) << path << " links to " << link;
            }
            EXPECT_EQ(html.find("/board") != std::string::npos, live) << path;
        }
    }
}

TEST_F(WholeMeeting, eachPageHoldsTheRowsOfThePrintedList) {
    // A heat and a final as the board shows them once loaded, and their printed results.
    loadQualifyingHeat(p, 1, 2, 1);
    EXPECT_EQ(test::tableRows(page("/category1-round2-heat1.html"), 0),
              printedRows(runResultsPrintout(p.loaded, p.run.header.view(), p.rows, p.entryCount)));
    loadFinal(p, 1, 0);
    const HtmlRows finalRows = test::tableRows(page("/category1-final0.html"), 0);
    EXPECT_EQ(finalRows,
              printedRows(runResultsPrintout(p.loaded, p.run.header.view(), p.rows, p.entryCount)));
    ASSERT_FALSE(finalRows.empty());
    EXPECT_EQ(finalRows.front().size(), 9u);

    auto round = std::make_unique<RoundClassificationState>();
    ASSERT_TRUE(openRoundClassification(p, 1, 1, *round));
    const HtmlRows roundRows = test::tableRows(page("/category1-round1.html"), 0);
    EXPECT_EQ(roundRows, printedRows(roundClassificationPrintout(*round)));
    EXPECT_EQ(roundRows.size(), 16u);

    auto overall = std::make_unique<OverallClassificationState>();
    ASSERT_TRUE(openOverallClassification(p, 1, *overall));
    EXPECT_EQ(test::tableRows(page("/category1-overall.html"), 0),
              printedRows(overallClassificationPrintout(*overall)));

    auto report = std::make_unique<ClosureReport>();
    ASSERT_TRUE(openClosureReport(p, 1, *report));
    const HtmlRows closureRows = test::tableRows(page("/category1-closure.html"), 0);
    EXPECT_EQ(closureRows, printedRows(closureReportPrintout(*report)));
    // The Final's winner leads; the drivers ranked by a higher final show "R" further down.
    ASSERT_GT(closureRows.size(), 16u);
    EXPECT_EQ(closureRows.front()[0], "1");
    EXPECT_EQ(closureRows.front()[2], "FIN");
    EXPECT_EQ(closureRows[10][0], "R");
}

TEST_F(WholeMeeting, theDetailedResultsListEachCarsLapsAndTheNamesAreEscaped) {
    loadQualifyingHeat(p, 1, 1, 1);
    auto detail = std::make_unique<DetailedResults>();
    buildDetailedResults(p.run.ranking, p.slots, *detail);
    const std::string html = page("/category1-round1-heat1-detail.html");
    const HtmlRows lapTimes = test::tableRows(html, 0);
    ASSERT_EQ(int(lapTimes.size()), detail->mostPassings());
    for (int lap = 1; lap <= detail->mostPassings(); ++lap) {
        const std::vector<std::string>& row = lapTimes[std::size_t(lap - 1)];
        ASSERT_EQ(int(row.size()), detail->carCount + 1);
        EXPECT_EQ(row[0], std::to_string(lap));
        for (int k = 0; k < detail->carCount; ++k) {
            const DetailedCar& car = detail->cars[std::size_t(k)];
            char text[24];
            const std::string expected =
                lap <= car.passings
                    ? formatShortTime(splitTime(car.lapTimes[std::size_t(lap)]), text, 24)
                    : "";
            EXPECT_EQ(row[std::size_t(k + 1)], expected) << "lap " << lap << " car " << k;
        }
    }
    // Three tables: lap times, passing times and positions.
    EXPECT_FALSE(test::tableRows(html, 2).empty());

    const std::string category = page("/category1.html");
    EXPECT_NE(category.find("Zo\xC3\xA9 &lt;\xC3\x88ve&gt; &amp; Co"), std::string::npos);
    EXPECT_EQ(category.find("<\xC3\x88ve>"), std::string::npos);
    EXPECT_NE(page("/").find("<title>Coupe d&#39;\xC3\x89t\xC3\xA9 &lt;Sud&gt; &amp; Co</title>"),
              std::string::npos);
}

// The live server renders pages on a thread of its own while the director commits heats on the
// GUI thread: every page shows the heat as one commit or the other left it, never half of one.
TEST_F(WholeMeeting, pagesRenderedWhileAHeatIsCommittedShowOneWholeCommitOrTheOther) {
    const std::string path = p.path(kWorkingRaceFile);
    const std::string title = heatTitle(1, 1, 1);
    auto first = std::make_unique<StoredRun>();
    auto second = std::make_unique<StoredRun>();
    {
        SectionFile file(path);
        ASSERT_TRUE(readStoredRun(file, title, *first));
        ASSERT_TRUE(readStoredRun(file, heatTitle(1, 1, 2), *second));
    }
    const auto commit = [&](const StoredRun& run) {
        SectionFile file(path);
        return writeStoredRun(file, title, 8, run) == WriteStatus::Written;
    };
    const auto rows = [this] {
        const std::optional<WebPage> page =
            meetingPage(source, "/category1-round1-heat1.html", true);
        return page ? test::tableRows(page->body, 0) : HtmlRows{};
    };
    ASSERT_TRUE(commit(*second));
    const HtmlRows secondRows = rows();
    ASSERT_TRUE(commit(*first));
    const HtmlRows firstRows = rows();
    ASSERT_NE(firstRows, secondRows);
    ASSERT_EQ(firstRows.size(), 8u);

    std::atomic<bool> committing{true};
    int rendered = 0;
    int torn = 0;
    std::thread server([&] {
        while (committing.load()) {
            const HtmlRows shown = rows();
            ++rendered;
            torn += shown == firstRows || shown == secondRows ? 0 : 1;
        }
    });
    int commits = 0;
    for (int i = 0; i < 1000; ++i)
        commits += commit(i % 2 == 0 ? *second : *first) ? 1 : 0;
    committing.store(false);
    server.join();
    EXPECT_EQ(commits, 1000);
    EXPECT_EQ(torn, 0) << "of " << rendered << " pages";
    EXPECT_GT(rendered, 0);
}

TEST_F(WholeMeeting, theExportWritesEveryPageAsAFileAndReportsItsProgress) {
    test::TempFolder out;
    const std::string folder = out.file("site/meeting");
    std::vector<int> told;
    const SiteExport done = exportMeetingSite(source, folder, [&told](int written, int total) {
        told.push_back(written);
        return written <= total;
    });
    const std::vector<std::string> paths = meetingPagePaths(source);
    EXPECT_TRUE(done.complete());
    EXPECT_EQ(done.total, int(paths.size()));
    EXPECT_EQ(int(told.size()), done.total);
    for (const std::string& path : paths) {
        std::string written;
        ASSERT_TRUE(readWholeFile(folder + "/" + exportFileName(path), written)) << path;
        EXPECT_EQ(written, meetingPage(source, path, false)->body) << path;
    }

    // Stopped after the third page: three files, and the export says it did not finish.
    const SiteExport stopped = exportMeetingSite(source, out.file("stopped"),
                                                 [](int written, int) { return written < 3; });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_FALSE(stopped.complete());
    EXPECT_EQ(stopped.written, 3);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.file("stopped")),
                            std::filesystem::directory_iterator{}),
              3);

    // A folder that cannot be made: the first file is named as the one that failed.
    out.write("plain", "a file where the folder should be");
    const SiteExport failed = exportMeetingSite(source, out.file("plain/site"), nullptr);
    EXPECT_FALSE(failed.complete());
    EXPECT_EQ(failed.written, 0);
    EXPECT_EQ(failed.failedFile, out.file("plain/site/index.html"));
}

} // namespace
} // namespace racedesk
