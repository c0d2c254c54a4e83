#pragma once
#include <string>
#include <string_view>

namespace racedesk {

// Core strings hold Windows-1252 bytes; the GUI and file names speak UTF-8.
// Windows-1252 is not Latin-1: 0x80-0x9F hold the euro sign, quotes, dashes and so on.

std::string cp1252ToUtf8(std::string_view cp1252);
// Characters with no Windows-1252 byte become '?'; invalid UTF-8 bytes too.
std::string utf8ToCp1252(std::string_view utf8);

} // namespace racedesk
