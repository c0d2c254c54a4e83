#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace racedesk {

inline constexpr std::string_view kBoardPath = "/board";
inline constexpr std::string_view kBoardEventsPath = "/board/events";
inline constexpr std::string_view kBoardJsonPath = "/board.json";

struct LivePage {
    std::string contentType;
    std::string body;
};

// The live board's own files at `path` ("/board", "/board.css", "/board.js"), the page in the
// program's language; nullopt for any other path.
std::optional<LivePage> liveBoardPage(std::string_view path);

// A UTF-8 text made safe inside HTML text and attribute values.
std::string htmlEscaped(std::string_view utf8);

} // namespace racedesk
