// Writes the sample meeting shipped with the program: a user race file "Exemple.race" (a club
// meeting of two categories, twelve drivers each, with transponders, a composition of three
// rounds of two heats and their grids) and the database files that go with it.
//   make-sample <folder>
#include "core/common/cp1252.h"
#include "core/databases/circuits.h"
#include "core/databases/clubs.h"
#include "core/databases/drivers.h"
#include "core/databases/frequencies.h"
#include "core/databases/name_list.h"
#include "core/databases/transponder_packs.h"
#include "core/race/heat_composition_section.h"
#include "core/race/participants_section.h"
#include "core/race/qualifying_parameters_section.h"
#include "core/race/race_header.h"
#include "core/race/section_file.h"
#include "core/race/starting_grids_section.h"
#include "core/race/track_section.h"
#include "core/race/working_race_file.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace racedesk {
namespace {

struct SampleDriver {
    const char* name; // UTF-8
    const char* club;
    const char* frequency;
};

constexpr int kDriversPerCategory = 12;
constexpr int kDriversPerHeat = 6;
constexpr int kRounds = 3;
const char* const kClub = "RC Club des Pins";
const char* const kCircuit = "Circuit des Pins";

// Two of the tourers share 40.665 MHz in the first heat: the board shows the radio conflict.
const SampleDriver kTourers[kDriversPerCategory] = {
    {"Martin Lucas", "RC Club des Pins", "2.4Ghz"}, {"Bernard Emma", "RC Club des Pins", "2.4Ghz"},
    {"Petit Hugo", "Team Vallée RC", "40.665"},     {"Durand Léa", "RC Club des Pins", "2.4Ghz"},
    {"Leroy Nathan", "Team Vallée RC", "40.665"},   {"Moreau Chloé", "Auto Modèle Sud", "2.4Ghz"},
    {"Simon Louis", "Auto Modèle Sud", "2.4Ghz"},   {"Laurent Manon", "RC Club des Pins", "2.4Ghz"},
    {"Lefebvre Jules", "Team Vallée RC", "27.145"}, {"Michel Inès", "Auto Modèle Sud", "2.4Ghz"},
    {"Garcia Adam", "RC Club des Pins", "2.4Ghz"},  {"Roux Camille", "Team Vallée RC", "2.4Ghz"},
};
const SampleDriver kBuggies[kDriversPerCategory] = {
    {"Fournier Théo", "Auto Modèle Sud", "2.4Ghz"},
    {"Girard Zoé", "RC Club des Pins", "2.4Ghz"},
    {"Bonnet Arthur", "Team Vallée RC", "2.4Ghz"},
    {"Dupont Jade", "RC Club des Pins", "2.4Ghz"},
    {"Lambert Raphaël", "Auto Modèle Sud", "2.4Ghz"},
    {"Fontaine Lina", "Team Vallée RC", "2.4Ghz"},
    {"Rousseau Gabriel", "RC Club des Pins", "2.4Ghz"},
    {"Vincent Alice", "Auto Modèle Sud", "2.4Ghz"},
    {"Muller Noah", "Team Vallée RC", "2.4Ghz"},
    {"Lefèvre Rose", "RC Club des Pins", "2.4Ghz"},
    {"Faure Ethan", "Auto Modèle Sud", "2.4Ghz"},
    {"André Léon", "Team Vallée RC", "2.4Ghz"},
};

std::string cp(const char* utf8) {
    return utf8ToCp1252(utf8);
}

// The transponders of category k: 0k2301, 0k2302 ... (numbers a decoder can send).
std::string transponder(int category, int driver) {
    char text[16];
    std::snprintf(text, sizeof text, "%06d", category * 10'000 + 2300 + driver + 1);
    return text;
}

bool writeCategory(SectionFile& f, int k, const SampleDriver (&drivers)[kDriversPerCategory]) {
    ParticipantTable participants;
    HeatComposition composition;
    composition.driversPerHeat = kDriversPerHeat;
    composition.rounds = kRounds;
    for (int i = 0; i < kDriversPerCategory; ++i) {
        Participant& p = participants[std::size_t(i)];
        p.name = cp(drivers[i].name);
        p.transponder = transponder(k, i);
        p.frequencies[0] = drivers[i].frequency;
        composition.places[std::size_t(i)] = p.name.view();
    }
    // Round 2 reverses the grid, round 3 alternates.
    StartingGrids grids = defaultStartingGrids(0, kDriversPerHeat, kRounds);
    grids.grids[1] = {6, 5, 4, 3, 2, 1};
    grids.grids[2] = {2, 4, 6, 1, 3, 5};
    QualifyingParameters parameters;
    parameters.minutes = 5;
    parameters.countdownSeconds = 10;
    parameters.restMinutes = 2;
    return writeParticipants(f, k, participants) == WriteStatus::Written &&
           writeHeatComposition(f, k, composition) == WriteStatus::Written &&
           writeStartingGrids(f, k, grids) == WriteStatus::Written &&
           writeQualifyingParameters(f, k, parameters) == WriteStatus::Written;
}

// What differs between the French and the English sample: the names a director types.
struct SampleNames {
    const char* file;
    const char* tourers;
    const char* buggies;
    const char* race;
};

constexpr SampleNames kFrenchSample = {"Exemple.race", "Tourisme 1/10 électrique",
                                       "Buggy 1/8 thermique", "Coupe d'hiver 2027"};
constexpr SampleNames kEnglishSample = {"Example.race", "Touring car 1/10 electric",
                                        "Buggy 1/8 nitro", "Winter Cup 2027"};

bool writeRace(const std::string& path, const SampleNames& names) {
    if (!createWorkingRaceFile(path))
        return false;
    RaceHeader header = newRaceHeader();
    header.categoryCount = 2;
    header.categories[0].name = cp(names.tourers);
    header.categories[1].name = cp(names.buggies);
    for (int k = 0; k < 2; ++k) {
        header.categories[std::size_t(k)].participants = kDriversPerCategory;
        header.categories[std::size_t(k)].rounds = kRounds;
        header.categories[std::size_t(k)].heatsPerRound = kDriversPerCategory / kDriversPerHeat;
    }
    TrackSettings track;
    track.raceName = cp(names.race);
    track.club = kClub;
    track.circuit = kCircuit;
    track.protectionSeconds = 3;
    SectionFile f(path);
    return writeRaceHeader(f, header) == WriteStatus::Written &&
           writeTrack(f, track) == WriteStatus::Written && writeCategory(f, 1, kTourers) &&
           writeCategory(f, 2, kBuggies);
}

bool writeDatabases(const std::filesystem::path& folder) {
    CircuitTable circuits;
    circuits[0].name = kCircuit;
    circuits[0].length = "285";
    circuits[0].protectionTime = "3";
    circuits[0].town = "Les Pins";
    auto clubs = std::make_unique<ClubTable>();
    const char* const clubNames[] = {"Auto Modèle Sud", "RC Club des Pins", "Team Vallée RC"};
    for (int i = 0; i < 3; ++i) {
        (*clubs)[std::size_t(i)].name = cp(clubNames[i]);
        (*clubs)[std::size_t(i)].country = "France";
    }
    auto drivers = std::make_unique<DriverTable>();
    int n = 0;
    for (int k = 1; k <= 2; ++k) {
        for (int i = 0; i < kDriversPerCategory; ++i) {
            const SampleDriver& d = k == 1 ? kTourers[i] : kBuggies[i];
            DriverRecord& r = (*drivers)[std::size_t(n++)];
            r.name = cp(d.name);
            r.club = cp(d.club);
            r.country = "France";
            r.transponder = transponder(k, i);
            r.licence = std::to_string(7'700'000 + n);
        }
    }
    putInNameOrder<DriverRecord, 40>(std::span<DriverRecord>(drivers->data(), std::size_t(n)),
                                     kDriverNames);
    FrequencyTable frequencies;
    const char* const known[] = {"2.4Ghz", "26.995", "27.045", "27.095", "27.145",
                                 "27.195", "40.665", "40.675", "40.685", "40.695"};
    for (std::size_t i = 0; i < std::size(known); ++i)
        frequencies[i].frequency = known[i];
    TransponderPackTable packs;
    packs[0].name = "CLUB";
    for (int i = 0; i < kPackTransponderCount; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%06d", 55'001 + i);
        packs[0].transponders[std::size_t(i)] = number;
    }
    auto path = [&](const char* name) { return (folder / name).string(); };
    return writeCircuits(path(kCircuitsFile), circuits) && writeClubs(path(kClubsFile), *clubs) &&
           writeDrivers(path(kDriversFile), *drivers) &&
           writeFrequencies(path(kFrequenciesFile), frequencies) &&
           writeTransponderPacks(path(kTransponderPacksFile), packs);
}

} // namespace
} // namespace racedesk

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-sample <folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const racedesk::SampleNames& names : {racedesk::kFrenchSample, racedesk::kEnglishSample}) {
        if (!racedesk::writeRace((folder / names.file).string(), names)) {
            std::fprintf(stderr, "make-sample: cannot write %s into %s\n", names.file, argv[1]);
            return 1;
        }
    }
    if (!racedesk::writeDatabases(folder)) {
        std::fprintf(stderr, "make-sample: cannot write the sample into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
