#pragma once
#include "core/platform/canvas.h"
#include "core/race/loaded_run.h"
#include "core/timing/board_layout.h"

#include <array>
#include <string>

namespace racedesk {

struct Program;

// The 13 fields that correct a board row ("Modifier résultats série"): laps, then hours,
// minutes, seconds and milliseconds of the total time, of the last lap and of the best lap.
inline constexpr int kResultFieldCount = 13;
inline constexpr int kFirstResultFieldId = 6201;
using ResultValues = std::array<int, kResultFieldCount>;

int resultFieldDigits(int field);
// A typed number as the field keeps it: minutes and seconds above 59 become 59, and a value
// never has more digits than its field nor is negative.
int clampResultField(int field, int value);
// "%d" for the laps, "%02d" for minutes and seconds, "%03d" for milliseconds.
std::string resultFieldText(int field, int value);
// Where a field stands over a visible row of the board: the laps over the laps cell, each time
// split in four over its own cell.
Rect resultFieldRect(const BoardLayout& layout, int visibleRow, int field);

// The command is offered while a heat or final is loaded, is not read-only, and no run is on;
// the menus are locked during a run anyway, so they follow the loaded run alone.
bool loadedRunEditable(const LoadedRun& run);
bool canEditResults(const Program& p);
// The board in editing mode, where a click on a row opens its fields; false when not allowed.
bool beginResultsEditing(Program& p);
// The run buttons, another tree selection and the print command leave editing mode.
void endResultsEditing(Program& p);

// The row being corrected and what its fields hold.
struct ResultsEdit {
    int row = -1; // in the board's ranking order
    ResultValues values{};
};

// A click on board row 'row' in editing mode: a beep, and the values of that row's driver.
// False when the board is not in editing mode or the row holds no driver.
bool openResultsEdit(Program& p, int row, ResultsEdit& edit);
// A field changed: the kept value is given back. The row's laps or time is stored in the
// board row and in every slot of that driver; the run can no longer be started.
int editResultField(Program& p, ResultsEdit& edit, int field, int value);

// Before printing: editing mode ends and the board is ranked again with the edited values.
void reorderBoardForPrint(Program& p);

} // namespace racedesk
