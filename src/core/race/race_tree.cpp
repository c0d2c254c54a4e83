#include "core/race/race_tree.h"

#include "core/app/program.h"
#include "core/common/texts.h"
#include "core/race/participants_section.h"
#include "core/race/tree_codes.h"
#include "core/race/working_race_file.h"

#include <cstdio>

namespace racedesk {
namespace {

// Adds an item under `parent` (an index into `items`) and gives its index.
int add(TreeItems& items, int parent, int code, std::string_view text, TreeImage image,
        bool bold = false) {
    TreeItem item;
    item.code = code;
    item.text = text;
    item.image = image;
    item.bold = bold;
    item.parent = parent;
    items.push_back(item);
    return int(items.size()) - 1;
}

std::string numbered(Text format, int number) {
    char text[64];
    std::snprintf(text, sizeof text, tx(format), number);
    return text;
}

// The final at `index` (0 the Finale, 2·L − 1 the 1/2^L A, 2·L its B) in its category.
void addFinal(TreeItems& items, int category, const HeatFlags& flags, int index) {
    const int level = (index + 1) / 2;
    const bool isA = index % 2 == 1;
    add(items, 0, itemCode(category, finalItem(index)), finalItemText(index),
        runImage(finalFlag(flags, category, level, isA)));
}

} // namespace

std::string finalItemText(int finalIndex) {
    if (finalIndex == 0)
        return tx(Text::TreeFinale);
    const int level = (finalIndex + 1) / 2;
    return numbered(finalIndex % 2 == 1 ? Text::TreeFinalA : Text::TreeFinalB, 1 << level);
}

TreeImage runImage(bool stored) {
    return stored ? TreeImage::RunStored : TreeImage::RunEmpty;
}

ParticipantNames namesOf(const ParticipantTable& table) {
    ParticipantNames names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = table[i].name;
    return names;
}

TreeItems participantsBranch(int category, const CategoryEntry& entry,
                             const ParticipantNames& names) {
    TreeItems items;
    add(items, -1, itemCode(category, kParticipantsItem),
        numbered(Text::TreeParticipants, entry.participants), TreeImage::Participants);
    for (int place = 0; place < kMaxParticipants && !names[std::size_t(place)].empty(); ++place)
        add(items, 0, itemCode(category, kFirstParticipantItem + place),
            names[std::size_t(place)].view(), TreeImage::Participants);
    return items;
}

TreeItems qualifyingBranch(int category, const CategoryEntry& entry, const HeatFlags& flags) {
    TreeItems items;
    add(items, -1, itemCode(category, kQualifyingItem), tx(Text::TreeQualifying),
        TreeImage::Folder);
    add(items, 0, itemCode(category, kQualifyingParametersItem), tx(Text::TreeParameters),
        TreeImage::Parameters);
    add(items, 0, itemCode(category, kHeatCompositionItem), tx(Text::TreeArrangement),
        TreeImage::Composition);
    for (int round = 1; round <= entry.rounds; ++round) {
        const int roundIndex = add(items, 0, itemCode(category, roundItem(round)),
                                   numbered(Text::TreeRound, round), TreeImage::Folder);
        for (int heat = 1; heat <= entry.heatsPerRound; ++heat)
            add(items, roundIndex, itemCode(category, heatItem(round, heat)),
                numbered(Text::TreeHeat, heat), runImage(heatFlag(flags, category, round, heat)));
    }
    const int classifications = add(items, 0, itemCode(category, kClassificationsItem),
                                    tx(Text::TreeClassifications), TreeImage::Classification);
    for (int round = 1; round <= entry.rounds; ++round)
        add(items, classifications, itemCode(category, roundClassificationItem(round)),
            numbered(Text::TreeRoundClassification, round), TreeImage::Classification);
    if (entry.rounds > 0)
        add(items, classifications, itemCode(category, kOverallClassificationItem),
            tx(Text::TreeOverallClassification), TreeImage::Classification);
    return items;
}

TreeItems finalsBranch(int category, const CategoryEntry& entry, const HeatFlags& flags) {
    TreeItems items;
    add(items, -1, itemCode(category, kFinalsItem), tx(Text::TreeFinals), TreeImage::Folder);
    add(items, 0, itemCode(category, kFinalsParametersItem), tx(Text::TreeParameters),
        TreeImage::Parameters);
    add(items, 0, itemCode(category, kFinalsCompositionItem), tx(Text::TreeArrangement),
        TreeImage::Composition);
    const int levels = (entry.finals - 1) / 2;
    for (int level = levels; level >= 1; --level) {
        addFinal(items, category, flags, 2 * level - 1);
        addFinal(items, category, flags, 2 * level);
    }
    if (entry.finals > 0)
        addFinal(items, category, flags, 0);
    return items;
}

TreeItems categoryBranch(int category, const CategoryEntry& entry, const ParticipantNames& names,
                         const HeatFlags& flags) {
    TreeItems items;
    add(items, -1, itemCode(category, kCategoryItem), entry.name.view(), TreeImage::Category, true);
    appendBranch(items, participantsBranch(category, entry, names), 0);
    appendBranch(items, qualifyingBranch(category, entry, flags), 0);
    appendBranch(items, finalsBranch(category, entry, flags), 0);
    add(items, 0, itemCode(category, kClosureReportItem), tx(Text::TreeClosureReport),
        TreeImage::Classification);
    return items;
}

TreeItems raceTree(const TreeSources& sources) {
    TreeItems items;
    add(items, -1, kTrackItem, tx(Text::TreeTrack), TreeImage::Track);
    for (int k = 1; k <= sources.header.categoryCount; ++k) {
        const std::size_t i = std::size_t(k - 1);
        appendBranch(
            items, categoryBranch(k, sources.header.categories[i], sources.names[i], sources.flags),
            -1);
    }
    return items;
}

void readTreeSources(SectionFile& file, TreeSources& sources) {
    readHeatFlags(file, sources.flags);
    for (int k = 1; k <= kMaxCategories; ++k) {
        ParticipantTable table; // every place free
        if (k <= sources.header.categoryCount)
            readParticipants(file, k, table);
        sources.names[std::size_t(k - 1)] = namesOf(table);
    }
}

TreeItems readBranch(Program& p, int branchCode) {
    SectionFile file(p.path(kWorkingRaceFile));
    RaceHeader header;
    readRaceHeader(file, header);
    const int category = categoryOfCode(branchCode);
    if (category < 1 || category > header.categoryCount)
        return {};
    const CategoryEntry& entry = header.categories[std::size_t(category - 1)];
    HeatFlags flags;
    switch (normalisedCode(branchCode)) {
    case kParticipantsItem: {
        ParticipantTable table;
        readParticipants(file, category, table);
        return participantsBranch(category, entry, namesOf(table));
    }
    case kQualifyingItem:
        readHeatFlags(file, flags);
        return qualifyingBranch(category, entry, flags);
    case kFinalsItem:
        readHeatFlags(file, flags);
        return finalsBranch(category, entry, flags);
    default:
        return {};
    }
}

TreeItems readRaceTree(Program& p) {
    SectionFile file(p.path(kWorkingRaceFile));
    TreeSources sources;
    readRaceHeader(file, sources.header);
    readTreeSources(file, sources);
    p.header = sources.header;
    return raceTree(sources);
}

void appendBranch(TreeItems& items, const TreeItems& branch, int parent) {
    const int offset = int(items.size());
    for (TreeItem item : branch) {
        item.parent = item.parent < 0 ? parent : item.parent + offset;
        items.push_back(item);
    }
}

} // namespace racedesk
