#include "core/qualifying/classification_storage.h"

#include "core/app/program.h"
#include "core/qualifying/round_classification.h"
#include "core/race/heat_composition_section.h"
#include "core/race/heat_section.h"
#include "core/race/participants_section.h"
#include "core/race/section_titles.h"
#include "core/race/working_race_file.h"
#include "core/race/write_report.h"

#include <memory>

namespace racedesk {
namespace {

// Reports a write that did not happen; true when it did.
bool written(Program& p, WriteStatus status, Text titleMissing) {
    reportWrite(p, status, titleMissing);
    return status == WriteStatus::Written;
}

// The category's context as the file holds it; false for a category the race does not have.
bool readContext(SectionFile& file, int category, ClassificationContext& context) {
    RaceHeader header;
    readRaceHeader(file, header);
    if (category < 1 || category > header.categoryCount)
        return false;
    context.category = category;
    context.entry = header.categories[std::size_t(category - 1)];
    readTrack(file, context.track);
    return true;
}

// The category as the file holds it now, when it may still be classified: some heat has
// results and no final has.
const CategoryEntry* classifiable(Program& p, SectionFile& file, int category) {
    readRaceHeader(file, p.header);
    if (category < 1 || category > p.header.categoryCount)
        return nullptr;
    const CategoryEntry& entry = p.header.categories[std::size_t(category - 1)];
    if (entry.qualifyingStarted != 1 || entry.finalsState >= 2)
        return nullptr;
    return &entry;
}

void readHeats(SectionFile& file, const ClassificationContext& context, int round,
               int driversPerHeat, RoundClassification& classification) {
    clearRoundEntries(classification);
    auto heat = std::make_unique<StoredRun>();
    int next = 0;
    for (int h = 1; h <= context.entry.heatsPerRound; ++h) {
        if (readStoredRun(file, heatTitle(context.category, round, h), *heat))
            next = addHeatEntries(classification, next, *heat, driversPerHeat);
    }
}

void readRounds(SectionFile& file, const ClassificationContext& context,
                OverallStanding& standing) {
    const int participants = context.entry.participants;
    auto classification = std::make_unique<RoundClassification>();
    for (int round = 1; round <= context.entry.rounds; ++round) {
        if (readRoundClassification(file, context.category, round, participants, *classification))
            addRound(standing, round, *classification, participants);
    }
}

} // namespace

bool readRoundClassificationState(SectionFile& file, int category, int round,
                                  RoundClassificationState& state, bool& compositionFound) {
    compositionFound = true;
    if (!readContext(file, category, state.context))
        return false;
    state.round = round;
    const int participants = state.context.entry.participants;
    auto composition = std::make_unique<HeatComposition>();
    compositionFound = readHeatComposition(file, category, *composition);
    // Only the mode and the scale are taken from the stored classification: its drivers come
    // afresh from the heats.
    readRoundClassification(file, category, round, participants, state.classification);
    readHeats(file, state.context, round, composition->driversPerHeat, state.classification);
    rankRound(state.classification, participants);
    return true;
}

bool openRoundClassification(Program& p, int category, int round, RoundClassificationState& state) {
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen()) {
        p.showError(tx(Text::ErrRaceFile));
        return false;
    }
    readRaceHeader(file, p.header);
    bool compositionFound = true;
    const bool read = readRoundClassificationState(file, category, round, state, compositionFound);
    if (!compositionFound)
        p.showError(tx(kHeatCompositionTitleNotFound));
    return read;
}

bool confirmRoundClassification(Program& p, const RoundClassificationState& state) {
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen()) {
        p.showError(tx(Text::ErrRaceFile));
        return false;
    }
    const int category = state.context.category;
    const CategoryEntry* entry = classifiable(p, file, category);
    if (entry == nullptr)
        return false;
    return written(p,
                   writeRoundClassification(file, category, state.round, entry->participants,
                                            state.classification),
                   kRoundClassificationTitleNotFound);
}

bool readOverallClassificationState(SectionFile& file, int category,
                                    OverallClassificationState& state) {
    if (!readContext(file, category, state.context))
        return false;
    OverallStanding& standing = state.standing;
    auto participants = std::make_unique<ParticipantTable>();
    readParticipants(file, category, *participants);
    startStanding(standing, *participants);
    auto stored = std::make_unique<OverallClassification>();
    readOverallClassification(file, category, state.context.entry.participants, *stored);
    standing.tieBreak = stored->tieBreak;
    standing.bestRounds = stored->bestRounds;
    readRounds(file, state.context, standing);
    classify(standing);
    return true;
}

bool openOverallClassification(Program& p, int category, OverallClassificationState& state) {
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen()) {
        p.showError(tx(Text::ErrRaceFile));
        return false;
    }
    readRaceHeader(file, p.header);
    return readOverallClassificationState(file, category, state);
}

bool confirmOverallClassification(Program& p, const OverallClassificationState& state) {
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen()) {
        p.showError(tx(Text::ErrRaceFile));
        return false;
    }
    const int category = state.context.category;
    if (classifiable(p, file, category) == nullptr)
        return false;
    CategoryEntry& entry = p.header.categories[std::size_t(category - 1)];
    entry.finalsState = 1;
    const bool headerWritten = written(p, writeRaceHeader(file, p.header), Text::ErrRaceFile);
    auto stored = std::make_unique<OverallClassification>(storedOrder(state.standing));
    const bool orderWritten =
        written(p, writeOverallClassification(file, category, entry.participants, *stored),
                kOverallClassificationTitleNotFound);
    return headerWritten && orderWritten;
}

} // namespace racedesk
