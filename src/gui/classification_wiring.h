#pragma once

namespace racedesk {

class MainWindow;
struct Program;

// The round and overall qualifying classifications open from their items of the race tree.
void wireClassifications(MainWindow& window, Program& program);

} // namespace racedesk
