// The pages' addresses: each page has one, and nothing else names a page.
#include "core/web/page_paths.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

TEST(PagePaths, everyKindOfPageReadsBackFromItsPathAndItsLinkIsThePathWithoutTheSlash) {
    const PagePath pages[] = {
        {PageKind::Meeting},
        {PageKind::Category, 9},
        {PageKind::Run, 2, 9, 20},
        {PageKind::RunDetail, 2, 1, 3},
        {PageKind::Run, 3, 0, 0, 0},
        {PageKind::RunDetail, 3, 0, 0, 22},
        {PageKind::RoundClassification, 1, 9},
        {PageKind::OverallClassification, 4},
        {PageKind::ClosureReport, 5},
    };
    const char* expected[] = {"/",
                              "/category9.html",
                              "/category2-round9-heat20.html",
                              "/category2-round1-heat3-detail.html",
                              "/category3-final0.html",
                              "/category3-final22-detail.html",
                              "/category1-round9.html",
                              "/category4-overall.html",
                              "/category5-closure.html"};
    for (std::size_t i = 0; i < std::size(pages); ++i) {
        const std::string path = pagePath(pages[i]);
        EXPECT_EQ(path, expected[i]);
        const std::optional<PagePath> read = parsePagePath(path);
        ASSERT_TRUE(read) << path;
        EXPECT_EQ(pagePath(*read), path);
        EXPECT_EQ(read->kind, pages[i].kind) << path;
        EXPECT_EQ(pageHref(pages[i]), i == 0 ? "index.html" : path.substr(1));
    }
    const std::optional<PagePath> index = parsePagePath("/index.html");
    ASSERT_TRUE(index);
    EXPECT_EQ(index->kind, PageKind::Meeting);
}

TEST(PagePaths, aPathWrittenAnyOtherWayNamesNoPage) {
    for (const char* path :
         {"", "index.html", "/index.htm", "//", "/category01.html", "/category+1.html",
          "/category-1.html", "/category1-final-1.html", "/category1-round1-detail.html",
          "/category1-overall-detail.html", "/category1-round1-heat1.html.html",
          "/category1-round1-heat1-detail", "/category1000.html", "/category1-round1-heat.html",
          "/category1.html?x=1", "/category1.html#top", "/../category1.html", "/style.css"})
        EXPECT_FALSE(parsePagePath(path)) << path;
}

} // namespace
} // namespace racedesk
