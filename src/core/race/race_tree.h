#pragma once
#include "core/common/fixed_text.h"
#include "core/race/heat_flags.h"
#include "core/race/participant.h"
#include "core/race/race_header.h"
#include "core/race/section_file.h"

#include <array>
#include <string>
#include <vector>

namespace racedesk {

struct Program;

// The tree's image list, in this order.
enum class TreeImage {
    Folder, // qualifying, finals, round
    Track,
    Participants, // the participants item and each participant
    Parameters,
    Composition,
    Category,
    RunEmpty,       // a heat or final without stored results
    Classification, // classifications and the closure report
    RunStored,      // a heat or final with stored results
    Spare,
};
inline constexpr int kTreeImageCount = 10;

struct TreeItem {
    int code = 0;
    FixedText<56> text; // Windows-1252: a category name, a driver name or a text of the table
    TreeImage image = TreeImage::Folder;
    bool bold = false;
    int parent = -1; // index of the parent item in its list; -1 for a top-level item
};

// Items in the tree's order, each after its parent. A branch's first item is the branch
// itself, its parent -1.
using TreeItems = std::vector<TreeItem>;

using ParticipantNames = std::array<DriverName, kMaxParticipants>;

// What the whole tree is built from: the category table, the stored-results flags and the
// participants of every category.
struct TreeSources {
    RaceHeader header;
    HeatFlags flags;
    std::array<ParticipantNames, kMaxCategories> names{};
};

ParticipantNames namesOf(const ParticipantTable& table);
// A heat's or final's image: whether results are stored for it.
TreeImage runImage(bool stored);
// The item of final `finalIndex` (0 the Finale, 2·L − 1 the 1/2^L A, 2·L its B): "Finale",
// "1/4A".
std::string finalItemText(int finalIndex);

// "Pilotes (%d)" with one item per participant up to the first free place.
TreeItems participantsBranch(int category, const CategoryEntry& entry,
                             const ParticipantNames& names);
// "Qualifs": parameters, composition, the rounds with their heats, the classifications.
TreeItems qualifyingBranch(int category, const CategoryEntry& entry, const HeatFlags& flags);
// "Remontées": parameters, composition, the finals from the lowest level up, the Finale.
TreeItems finalsBranch(int category, const CategoryEntry& entry, const HeatFlags& flags);
TreeItems categoryBranch(int category, const CategoryEntry& entry, const ParticipantNames& names,
                         const HeatFlags& flags);
// "Piste", then every category of the header.
TreeItems raceTree(const TreeSources& sources);

// The flags and each category's participants as the working race file holds them; a missing
// section leaves them empty.
void readTreeSources(SectionFile& file, TreeSources& sources);

// The branch of `branchCode` (a category's participants, qualifying or finals item) as the
// working race file now holds it, after a dialog rewrote what it shows; empty for another
// code.
TreeItems readBranch(Program& p, int branchCode);

// The tree of the working race file at start-up: the category table is read into the program.
TreeItems readRaceTree(Program& p);

// The branch `branch` added to `items` under the item at `parent` (-1: at the top level).
void appendBranch(TreeItems& items, const TreeItems& branch, int parent);

} // namespace racedesk
