// The meeting's pages from a race file: what each page lists, the paths they link to, and the
// pages a bad path or a missing race file gives.
#include "core/race/working_race_file.h"
#include "core/web/meeting_site.h"
#include "support/one_heat_race.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

struct MeetingPages : ::testing::Test {
    test::TempFolder folder;
    MeetingSource source{folder.path()};

    void SetUp() override { ASSERT_TRUE(test::writeOneHeatRace(folder.file(kWorkingRaceFile), 4)); }
    std::string page(std::string_view path, bool live = false) {
        const std::optional<WebPage> p = meetingPage(source, path, live);
        return p ? p->body : "(none)";
    }
};

TEST_F(MeetingPages, theMeetingListsItsCategoriesAndEachCategoryItsDrivers) {
    const std::string index = page("/");
    EXPECT_NE(index.find("<a href=\"category1.html\">Touring</a>"), std::string::npos) << index;
    EXPECT_EQ(index.find("/board"), std::string::npos) << "a static page has no live board";
    EXPECT_NE(page("/", true).find("href=\"/board\""), std::string::npos);
    const std::string category = page("/category1.html");
    for (const char* name : {"Driver 1", "Driver 2", "Driver 3", "Driver 4"})
        EXPECT_NE(category.find(std::string("<td>") + name + "</td>"), std::string::npos)
            << name << category;
    const std::vector<std::string> paths = meetingPagePaths(source);
    EXPECT_EQ(paths, (std::vector<std::string>{"/", "/style.css", "/category1.html"}));
}

TEST_F(MeetingPages, unknownPathsAndCategoriesOutsideTheRaceHaveNoPage) {
    for (const char* path : {"/category2.html", "/category0.html", "/category1.htm",
                             "/category1.html/", "/../Private/Course.race", "", "/category"})
        EXPECT_FALSE(meetingPage(source, path, true)) << path;
    const std::optional<WebPage> css = meetingPage(source, "/style.css", false);
    ASSERT_TRUE(css);
    EXPECT_EQ(css->contentType, "text/css; charset=utf-8");
}

TEST(MeetingWithoutRaceFile, hasOnlyTheMeetingPageSayingThereIsNoCategory) {
    test::TempFolder folder;
    const MeetingSource source{folder.path()};
    EXPECT_EQ(meetingPagePaths(source), (std::vector<std::string>{"/", "/style.css"}));
    const std::optional<WebPage> index = meetingPage(source, "/", false);
    ASSERT_TRUE(index);
    EXPECT_NE(index->body.find("<p>Aucune cat\xC3\xA9gorie.</p>"), std::string::npos)
        << index->body;
    EXPECT_FALSE(meetingPage(source, "/category1.html", false));
    EXPECT_FALSE(folder.exists(kWorkingRaceFile)) << "reading makes no file";
}

} // namespace
} // namespace racedesk
