#include "support/one_heat_race.h"

#include "core/race/heat_composition_section.h"
#include "core/race/participants_section.h"
#include "core/race/race_header.h"
#include "core/race/section_file.h"
#include "core/race/starting_grids_section.h"
#include "core/race/working_race_file.h"

#include <cstdio>

namespace racedesk::test {

bool writeOneHeatRace(const std::string& path, int drivers) {
    if (!createWorkingRaceFile(path))
        return false;
    RaceHeader header = newRaceHeader();
    header.categories[0].name = "Touring";
    header.categories[0].participants = drivers;
    header.categories[0].rounds = 1;
    header.categories[0].heatsPerRound = 1;
    SectionFile f(path);
    ParticipantTable participants;
    HeatComposition composition;
    composition.driversPerHeat = drivers;
    composition.rounds = 1;
    for (int i = 0; i < drivers; ++i) {
        char transponder[16];
        std::snprintf(transponder, sizeof transponder, "%06d", 1001 + i);
        participants[std::size_t(i)].name = "Driver " + std::to_string(i + 1);
        participants[std::size_t(i)].transponder = transponder;
        composition.places[std::size_t(i)] = participants[std::size_t(i)].name.view();
    }
    return writeRaceHeader(f, header) == WriteStatus::Written &&
           writeParticipants(f, 1, participants) == WriteStatus::Written &&
           writeHeatComposition(f, 1, composition) == WriteStatus::Written &&
           writeStartingGrids(f, 1, defaultStartingGrids(0, drivers, 1)) == WriteStatus::Written;
}

} // namespace racedesk::test
