#pragma once
#include "core/web/meeting_site.h"

#include <optional>
#include <string_view>

namespace racedesk {

inline constexpr std::string_view kBoardPath = "/board";
inline constexpr std::string_view kBoardEventsPath = "/board/events";
inline constexpr std::string_view kBoardJsonPath = "/board.json";

// The live board's own files at `path` ("/board", "/board.css", "/board.js"), the page in the
// program's language; nullopt for any other path.
std::optional<WebPage> liveBoardPage(std::string_view path);

} // namespace racedesk
