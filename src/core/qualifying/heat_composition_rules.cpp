#include "core/qualifying/heat_composition_rules.h"

#include "core/app/program.h"
#include "core/common/leading_number.h"
#include "core/qualifying/composition_texts.h"
#include "core/race/heat_storage.h"
#include "core/race/participants_section.h"
#include "core/race/section_titles.h"
#include "core/race/working_race_file.h"
#include "core/race/write_report.h"
#include "core/timing/frequency_conflict.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace racedesk {
namespace {

CategoryEntry& entryOf(Program& p, const CompositionDialog& d) {
    return p.header.categories[std::size_t(d.category - 1)];
}

void recountHeats(Program& p, CompositionDialog& d) {
    d.heats = heatsPerRound(d.composition);
    entryOf(p, d).heatsPerRound = d.heats;
    scrollTo(d, d.scroll);
}

bool heatStored(SectionFile& file, int category, int round, int heat) {
    return file.body(heatTitle(category, round, heat)).has_value();
}

void swapPlaces(Program& p, CompositionDialog& d, int place, int other) {
    std::swap(d.rows[std::size_t(place)], d.rows[std::size_t(other)]);
    std::swap(d.composition.places[std::size_t(place)], d.composition.places[std::size_t(other)]);
    p.io.sound.play(kMoveSound, false);
    recountHeats(p, d);
}

bool heldDriver(const CarSlot& slot) {
    return !slot.isEmptySlot() && !slot.name.empty();
}

bool anyPassing(const CarSlots& slots) {
    return std::any_of(slots.begin(), slots.end(),
                       [](const CarSlot& s) { return heldDriver(s) && s.passings != 0; });
}

} // namespace

CompositionRows joinParticipants(const HeatComposition& composition,
                                 const ParticipantTable& participants) {
    CompositionRows rows;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const DriverName& name = composition.places[k];
        rows[k].name = name;
        if (name == kFreePlace)
            continue;
        const auto found = std::find_if(participants.begin(), participants.end(),
                                        [&name](const Participant& d) { return d.name == name; });
        if (found != participants.end()) {
            rows[k].transponder = found->transponder;
            rows[k].frequencies = found->frequencies;
        }
    }
    return rows;
}

CompositionDialog openCompositionDialog(Program& p, int category) {
    CompositionDialog d;
    d.category = std::clamp(category, 1, kMaxCategories);
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen())
        p.showError(tx(Text::ErrRaceFile));
    readRaceHeader(file, p.header);
    readTrack(file, d.track);
    ParticipantTable participants;
    readParticipants(file, d.category, participants);
    if (!readHeatComposition(file, d.category, d.composition) && file.isOpen())
        p.showError(tx(kHeatCompositionTitleNotFound));

    CategoryEntry& entry = entryOf(p, d);
    d.categoryName = entry.name;
    d.participants = participantCount(participants);
    d.rows = joinParticipants(d.composition, participants);
    d.roundsBefore = entry.rounds;
    d.heatsBefore = entry.heatsPerRound;
    recountHeats(p, d);
    d.heatsAtOpening = d.heats;
    d.editable = entry.finalsState != 2 && !someRoundPartlyRun(p, d.category, d.heats);
    d.countsFrozen = entry.qualifyingStarted == 1;
    return d;
}

bool someRoundPartlyRun(Program& p, int category, int heats) {
    SectionFile file(p.path(kWorkingRaceFile));
    for (int round = 1; round <= kMaxRounds; ++round) {
        int stored = 0;
        for (int heat = 1; heat <= heats; ++heat)
            stored += heatStored(file, category, round, heat) ? 1 : 0;
        if (stored != 0 && stored != heats)
            return true;
    }
    return false;
}

int tableRows(const CompositionDialog& d) {
    // A last heat whose places would run past the 220 (a hand-edited N) ends with them.
    return std::min(d.heats * d.composition.driversPerHeat, kCompositionPlaces);
}

int scrollRange(const CompositionDialog& d) {
    return std::max(0, tableRows(d) - kVisibleRows);
}

void scrollTo(CompositionDialog& d, int firstRow) {
    d.scroll = std::clamp(firstRow, 0, scrollRange(d));
}

int driversPerHeatOfField(std::string_view text) {
    return std::clamp(leadingNumber(text, kDriversPerHeatDigits), 1, kMaxDriversPerHeat);
}

int roundsOfField(std::string_view text) {
    return std::clamp(leadingNumber(text, kRoundsDigits), 1, kMaxRounds);
}

void setDriversPerHeat(Program& p, CompositionDialog& d, int driversPerHeat) {
    if (d.countsFrozen)
        return;
    d.composition.driversPerHeat = std::clamp(driversPerHeat, 1, kMaxDriversPerHeat);
    recountHeats(p, d);
}

void setRounds(Program& p, CompositionDialog& d, int rounds) {
    if (d.countsFrozen)
        return;
    d.composition.rounds = std::clamp(rounds, 1, kMaxRounds);
    entryOf(p, d).rounds = d.composition.rounds;
}

bool canMoveUp(const CompositionDialog& d, int place) {
    return d.editable && place >= 1 && place < tableRows(d) && place < kMovablePlaces;
}

bool canMoveDown(const CompositionDialog& d, int place) {
    return d.editable && place >= 0 && place + 1 < tableRows(d) && place + 1 < kMovablePlaces;
}

bool moveUp(Program& p, CompositionDialog& d, int place) {
    if (!canMoveUp(d, place))
        return false;
    swapPlaces(p, d, place, place - 1);
    return true;
}

bool moveDown(Program& p, CompositionDialog& d, int place) {
    if (!canMoveDown(d, place))
        return false;
    swapPlaces(p, d, place, place + 1);
    return true;
}

bool firstFrequencyConflicts(const CompositionDialog& d, int place) {
    if (place < 0 || place >= kCompositionPlaces)
        return false;
    const FrequencyText& frequency = d.rows[std::size_t(place)].frequencies[0];
    if (!canConflict(frequency))
        return false;
    const int n = d.composition.driversPerHeat;
    const int first = place / n * n;
    for (int other = first; other < first + n && other < kCompositionPlaces; ++other) {
        if (other != place && d.rows[std::size_t(other)].frequencies[0] == frequency)
            return true;
    }
    return false;
}

GenerateOutcome generateComposition(Program& p, CompositionDialog& d) {
    if (d.heats > kMaxHeatsPerRound) {
        p.showError(tx(CompositionText::TooManyHeats));
        return GenerateOutcome::TooManyHeats;
    }
    if (d.countsFrozen && d.heats != d.heatsAtOpening) {
        char text[128];
        std::snprintf(text, sizeof text, tx(CompositionText::HeatsMustStay), d.heatsAtOpening);
        p.showError(text);
        return GenerateOutcome::HeatsChanged;
    }
    CategoryEntry& entry = entryOf(p, d);
    entry.rounds = d.composition.rounds;
    entry.heatsPerRound = d.heats;
    SectionFile file(p.path(kWorkingRaceFile));
    const WriteStatus header = writeRaceHeader(file, p.header);
    reportWrite(p, header, Text::ErrRaceFile);
    if (header != WriteStatus::FileError)
        reportWrite(p, rewriteHeatComposition(file, d.category, d.composition),
                    kHeatCompositionTitleNotFound);
    return GenerateOutcome::Written;
}

void escapeComposition(Program& p, const CompositionDialog& d) {
    CategoryEntry& entry = entryOf(p, d);
    entry.rounds = d.roundsBefore;
    entry.heatsPerRound = d.heatsBefore;
}

bool startingGridsFollow(const Program& p, const CompositionDialog& d) {
    return p.header.categories[std::size_t(d.category - 1)].rounds >= 1;
}

bool qualifyingBranchRebuilt(const CompositionDialog& d) {
    return !d.countsFrozen;
}

bool releaseBoardHeat(Program& p, const CompositionDialog& d) {
    const LoadedRun& l = p.loaded;
    if (!d.editable || !l.loaded() || l.category != d.category ||
        isFinalRunTitle(l.sectionTitle.view()) || p.run.inProgress() || anyPassing(p.slots))
        return false;
    unloadRun(p);
    return true;
}

} // namespace racedesk
