#pragma once
#include <string>
#include <vector>

namespace racedesk {

struct Program;

// A final on the board: loaded from the tree, committed when the director leaves it.

// The sections of the finals feeding final `finalIndex` of a category whose deepest level is
// `levels`: both 1/2 finals for the Final, the final of the same letter one level lower for
// the others, none for the deepest level.
std::vector<std::string> feederTitles(int category, int levels, int finalIndex);

// Loads final `finalIndex` (0 the Final, 2·L − 1 the 1/2^L A, 2·L its B) of `category`: its
// field filled from the stored overall qualifying classification and the stored finals
// feeding it, its level's duration and rest, the finals' start, end and countdown, its stored
// results over them. Read-only while a feeder is not stored or once it has fed a stored final.
void loadFinal(Program& p, int category, int finalIndex);

// The commit of the final on the board: its section written with state 1, each feeder marked
// as used above, and the category's finals begun. A final already used above is never
// rewritten.
void commitFinal(Program& p);

// The final of `category` on the board takes the finals parameters and its level's duration
// and rest as the race file holds them now; a running run, a heat or another category's final
// is left alone.
void retakeFinalSettings(Program& p, int category);

} // namespace racedesk
