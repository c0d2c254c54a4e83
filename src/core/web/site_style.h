#pragma once
#include <string_view>

namespace racedesk {

// The one style sheet of the meeting's pages ("/style.css"): a single column that reads on a
// phone, tables that scroll sideways rather than squeeze, and larger type on a big screen.
std::string_view siteStyle();

} // namespace racedesk
