#include "core/race/participants_dialog_rules.h"

#include "core/app/program.h"
#include "core/common/texts.h"
#include "core/databases/name_order.h"
#include "core/race/heat_storage.h"
#include "core/race/participants_section.h"
#include "core/race/tree_codes.h"
#include "core/race/working_race_file.h"
#include "core/race/write_report.h"
#include "core/reports/participants_printout.h"

#include <algorithm>
#include <span>
#include <vector>

namespace racedesk {
namespace {

void putParticipantsInNameOrder(ParticipantTable& participants) {
    putInNameOrder(std::span<Participant>(participants),
                   [](const Participant& p) { return p.name.view(); });
}

int placeOf(const ParticipantTable& participants, std::string_view name) {
    for (std::size_t i = 0; i < participants.size(); ++i) {
        if (participants[i].name == name)
            return int(i);
    }
    return -1;
}

} // namespace

int listedParticipants(const ParticipantTable& table) {
    int n = 0;
    while (n < kMaxParticipants && !table[std::size_t(n)].isFree())
        ++n;
    return n;
}

int addParticipant(ParticipantTable& participants, HeatComposition& composition,
                   const DriverRecord& driver) {
    const std::string_view name = driver.name.view();
    const int lastUsed = usedPlaces(composition);
    if (name.empty() || placeOf(participants, name) >= 0 || lastUsed >= kMaxParticipants)
        return -1;
    const auto free = std::find_if(participants.begin(), participants.end(),
                                   [](const Participant& p) { return p.isFree(); });
    if (free == participants.end())
        return -1;
    *free = Participant{};
    free->name = name;
    free->transponder = driver.transponder.view();
    composition.places[std::size_t(lastUsed)] = name;
    putParticipantsInNameOrder(participants);
    return placeOf(participants, name);
}

bool removeParticipant(ParticipantTable& participants, HeatComposition& composition,
                       std::string_view name) {
    const DriverName removed(name); // the name may stand in a place about to be emptied
    if (removed.empty() || placeOf(participants, removed.view()) < 0)
        return false;
    for (Participant& p : participants) {
        if (p.name == removed)
            p = Participant{};
    }
    for (DriverName& place : composition.places) {
        if (place == removed)
            place = kFreePlace;
    }
    putParticipantsInNameOrder(participants);
    return true;
}

const CategoryEntry& ParticipantsDialog::entry() const {
    return header.categories[std::size_t(std::clamp(category, 1, kMaxCategories) - 1)];
}

void markSelectedItem(Program& p, int itemCode) {
    SectionFile file(p.path(kWorkingRaceFile));
    RaceHeader header;
    if (!readRaceHeader(file, header))
        return; // the dialog reports the missing race file
    header.selectedItem = itemCode;
    reportWrite(p, writeRaceHeader(file, header), Text::ErrRaceFile);
    p.header = header;
}

bool openParticipantsDialog(Program& p, ParticipantsDialog& d) {
    if (!readDrivers(p.path(kDriversFile), *d.drivers))
        p.showError(tx(Text::ErrDriversDatabase));
    d.driverCount = listedCount<DriverRecord, 40>(*d.drivers, kDriverNames);
    SectionFile file(p.path(kWorkingRaceFile));
    if (!readRaceHeader(file, d.header))
        p.showError(tx(Text::ErrRaceFile));
    d.category = categoryOfCode(d.header.selectedItem);
    if (d.category < 1 || d.category > d.header.categoryCount) {
        d.category = 0;
        return false;
    }
    readTrack(file, d.track);
    readParticipants(file, d.category, d.participants);
    readHeatComposition(file, d.category, d.composition);
    d.frozen = d.entry().qualifyingStarted == 1;
    return true;
}

int addFromDatabase(ParticipantsDialog& d, int driverIndex) {
    if (d.frozen || driverIndex < 0 || driverIndex >= d.driverCount)
        return -1;
    return addParticipant(d.participants, d.composition, (*d.drivers)[std::size_t(driverIndex)]);
}

bool removeAt(ParticipantsDialog& d, int place) {
    if (d.frozen || place < 0 || place >= kMaxParticipants)
        return false;
    return removeParticipant(d.participants, d.composition,
                             d.participants[std::size_t(place)].name.view());
}

bool validateParticipantsDialog(Program& p, ParticipantsDialog& d) {
    if (d.frozen || d.category == 0)
        return false;
    CategoryEntry& entry = d.header.categories[std::size_t(d.category - 1)];
    entry.rounds = 0;
    entry.heatsPerRound = 0;
    entry.participants = participantCount(d.participants);
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen()) {
        p.showError(tx(Text::ErrRaceFile));
        return false;
    }
    const WriteStatus header = writeRaceHeader(file, d.header);
    reportWrite(p, header, Text::ErrRaceFile);
    const WriteStatus list = writeParticipants(file, d.category, d.participants);
    reportWrite(p, list, kParticipantsTitleNotFound);
    const WriteStatus places = writeHeatComposition(file, d.category, d.composition);
    reportWrite(p, places, kHeatCompositionTitleNotFound);
    return header == WriteStatus::Written && list == WriteStatus::Written &&
           places == WriteStatus::Written;
}

PrintDocument participantsDocument(const ParticipantsDialog& d) {
    std::vector<DriverIdentity> identities;
    identities.reserve(std::size_t(d.driverCount));
    for (int i = 0; i < d.driverCount; ++i) {
        const DriverRecord& r = (*d.drivers)[std::size_t(i)];
        identities.push_back({r.name.view(), r.licence.view(), r.club.view()});
    }
    return participantsPrintout(d.participants, d.entry().name.view(), d.track.raceName.view(),
                                d.track.circuit.view(), identities);
}

bool afterParticipantsDialog(Program& p, int category) {
    SectionFile file(p.path(kWorkingRaceFile));
    RaceHeader header;
    if (!readRaceHeader(file, header)) {
        p.showError(tx(Text::ErrRaceFile));
        return false;
    }
    p.header = header;
    if (category < 1 || category > header.categoryCount)
        return false;
    const CategoryEntry& entry = header.categories[std::size_t(category - 1)];
    if (entry.rounds > 0 || entry.heatsPerRound > 0)
        return false;
    unloadRun(p);
    return true;
}

} // namespace racedesk
