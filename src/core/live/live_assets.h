#pragma once

namespace racedesk {

// The files of resources/live, built into the program (embed.cmake).
extern const char kBoardHtml[];
extern const char kBoardCss[];
extern const char kBoardJs[];

} // namespace racedesk
