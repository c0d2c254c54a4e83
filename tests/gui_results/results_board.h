#pragma once
#include "gui/gui_program.h"

#include <QPoint>

namespace racedesk::test {

// The main window with a stored heat of three drivers on the board: Boris leads with 11 laps,
// Anna has 10 and Chloe 9, each lap 27 s or so from the start.
struct ResultsBoard {
    ResultsBoard();

    GuiProgram g;
    Program& p = g.program;

    // The middle of a cell of a visible row, in the board's pixels.
    QPoint cell(int visibleRow, int column) const;
    void clickCell(int visibleRow, int column, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    int rowOf(const char* name) const;
};

} // namespace racedesk::test
