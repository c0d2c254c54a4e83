#pragma once

namespace racedesk {

struct Program;
class MainWindow;

// The "Mode transpondeurs" group: the three radios, the pack list, the Scan button, and the
// club drop-down (2107) that a click on a row's transponder cell opens in club mode.
void wireTransponderModes(MainWindow& window, Program& program);

} // namespace racedesk
