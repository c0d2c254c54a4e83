#pragma once

namespace racedesk {

// The parts of the live board that core asks to repaint.
enum class BoardArea { Rows, Clock, Countdown, RestPeriod, Header, Whole };

// What the run engine asks of the main window.
class Screen {
public:
    virtual ~Screen() = default;
    virtual void invalidate(BoardArea area) = 0;
    // During a countdown or a run the tree, the start and clear buttons, the mode controls,
    // the print button and most menus are disabled.
    virtual void setRunLocked(bool locked) = 0;
    // The window title, and whether "Enregistrer" applies (the race has a user file).
    virtual void setRaceTitle(const char* title, bool titled) = 0;
    // A heat's tree item shows whether results are stored for it.
    virtual void setHeatImage(int itemCode, bool withResults) {
        (void)itemCode;
        (void)withResults;
    }
    // A heat was loaded or unloaded: the board starts from its first row and the commands
    // that depend on the run follow it.
    virtual void runChanged() {}
    // The scan started, moved on or ended: the controls it locks, the Scan button and the
    // status field follow it.
    virtual void scanChanged() {}
};

} // namespace racedesk
