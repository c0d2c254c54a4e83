// "RéglagesDirect.rg" and the board page of the French program.
#include "core/common/text_file.h"
#include "core/live/live_pages.h"
#include "core/live/live_settings.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

TEST(LiveSettingsFile, missingBadAndGoodFiles) {
    test::TempFolder folder;
    const std::string path = joinPath(folder.path(), kLiveSettingsFile);
    LiveSettings s{true, 9999};
    EXPECT_FALSE(readLiveSettings(path, s));
    EXPECT_FALSE(s.on) << "a working folder without the file keeps the server off";
    EXPECT_EQ(s.port, kDefaultLivePort);

    ASSERT_TRUE(writeLiveSettings(path, LiveSettings{true, 8123}));
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path, bytes));
    EXPECT_EQ(bytes, "DIRECToui\t8123\t\r\n");
    ASSERT_TRUE(readLiveSettings(path, s));
    EXPECT_TRUE(s.on);
    EXPECT_EQ(s.port, 8123);

    const struct {
        const char* contents;
        bool on;
        int port;
    } cases[] = {
        {"DIRECTnon\t8080\t\r\n", false, 8080},
        {"DIRECToui\t80\t\n", true, kLowestLivePort},   // a privileged port
        {"DIRECToui\t99999\t", true, kHighestLivePort}, // beyond the last port
        {"DIRECToui", true, kDefaultLivePort},          // cut after the key
        {"oui\t8080\t", false, 8080},                   // not the key
        {"", false, kDefaultLivePort},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(replaceWholeFile(path, c.contents));
        ASSERT_TRUE(readLiveSettings(path, s)) << c.contents;
        EXPECT_EQ(s.on, c.on) << c.contents;
        EXPECT_EQ(s.port, c.port) << c.contents;
    }
}

TEST(LiveBoardPage, ownFilesOnlyInTheProgramsLanguage) {
    const auto page = liveBoardPage("/board");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->contentType, "text/html; charset=utf-8");
    EXPECT_EQ(page->body.find("{{"), std::string::npos) << "a mark left in the page";
    for (const char* text : {"<html lang=\"fr\">", "Nom pilote", "Ecart leader", "Meilleur tour",
                             "Résultats en direct", "/board.js", "/board.css"})
        EXPECT_NE(page->body.find(text), std::string::npos) << text;
    EXPECT_NE(page->body.find("Ecart précédt"), std::string::npos);

    ASSERT_TRUE(liveBoardPage("/board.js"));
    EXPECT_NE(liveBoardPage("/board.js")->body.find("EventSource(\"/board/events\")"),
              std::string::npos);
    ASSERT_TRUE(liveBoardPage("/board.css"));
    EXPECT_EQ(liveBoardPage("/board.css")->contentType, "text/css; charset=utf-8");
    for (const char* path : {"/", "/board/", "/board.html", "/../board", "/board.js/x", ""})
        EXPECT_FALSE(liveBoardPage(path)) << path;
}

} // namespace
} // namespace racedesk
