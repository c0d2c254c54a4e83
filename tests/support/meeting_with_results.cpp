#include "support/meeting_with_results.h"

#include "core/common/cp1252.h"
#include "core/databases/drivers.h"
#include "core/finals/final_storage.h"
#include "core/finals/finals_composition_form.h"
#include "core/finals/finals_levels.h"
#include "core/finals/finals_structure.h"
#include "core/qualifying/classification_storage.h"
#include "core/qualifying/heat_composition_rules.h"
#include "core/qualifying/starting_grid_rules.h"
#include "core/race/heat_composition_section.h"
#include "core/race/heat_storage.h"
#include "core/race/participants_section.h"
#include "core/race/race_header.h"
#include "core/race/track_section.h"
#include "core/race/working_race_file.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace racedesk::test {
namespace {

constexpr int kDrivers = 16;
constexpr int kPerHeat = 8;
constexpr int kRounds = 2;
constexpr int kLapsRun = 4;
constexpr int kOpenDrivers = 4;

std::string driverName(int d) {
    if (d == 0)
        return utf8ToCp1252("Zoé <Ève> & Co");
    char text[24];
    std::snprintf(text, sizeof text, "Pilote %02d", d + 1);
    return text;
}

int driverOf(std::string_view name) {
    for (int d = 0; d < kDrivers; ++d) {
        if (driverName(d) == name)
            return d;
    }
    return -1;
}

int transponder(int d) {
    return 3001 + d;
}

struct Meeting {
    TestProgram& t;
    Program& p = t.program;
    std::string failure;

    bool fail(const std::string& what) {
        if (failure.empty())
            failure = what;
        return false;
    }

    bool writeCategories() {
        if (!createWorkingRaceFile(p.path(kWorkingRaceFile)))
            return fail("no working race file");
        SectionFile f(p.path(kWorkingRaceFile));
        RaceHeader header = newRaceHeader();
        header.categoryCount = 2;
        header.categories[0].name = "Tourisme 1/10";
        header.categories[0].participants = kDrivers;
        header.categories[1].name = "Open";
        header.categories[1].participants = kOpenDrivers;
        TrackSettings track;
        track.raceName = utf8ToCp1252("Coupe d'Été <Sud> & Co");
        track.club = "RC Club";
        track.circuit = "Les Pins";
        auto participants = std::make_unique<ParticipantTable>();
        auto composition = std::make_unique<HeatComposition>();
        for (int d = 0; d < kDrivers; ++d) {
            (*participants)[std::size_t(d)].name = driverName(d);
            char text[8];
            std::snprintf(text, sizeof text, "%06d", transponder(d));
            (*participants)[std::size_t(d)].transponder = text;
            composition->places[std::size_t(d)] = driverName(d);
        }
        auto open = std::make_unique<ParticipantTable>();
        for (int d = 0; d < kOpenDrivers; ++d)
            (*open)[std::size_t(d)].name = "Open " + std::to_string(d + 1);
        return (writeRaceHeader(f, header) == WriteStatus::Written &&
                writeTrack(f, track) == WriteStatus::Written &&
                writeParticipants(f, 1, *participants) == WriteStatus::Written &&
                writeHeatComposition(f, 1, *composition) == WriteStatus::Written &&
                writeParticipants(f, 2, *open) == WriteStatus::Written) ||
               fail("the categories could not be written");
    }

    bool writeDriversDatabase() {
        auto drivers = std::make_unique<DriverTable>();
        for (int d = 0; d < kDrivers; ++d) {
            DriverRecord& r = (*drivers)[std::size_t(d)];
            r.name = driverName(d);
            r.licence = "L" + std::to_string(1000 + d);
            r.club = d % 2 == 0 ? "RC Club" : "Mini Racing";
        }
        return writeDrivers(p.path(kDriversFile), *drivers) || fail("no drivers database");
    }

    struct Crossing {
        std::int64_t at;
        int driver;
    };

    // Every car of the board laps at its pace; after the minute each one stops at the line.
    bool runLoaded(RaceTime (*lapOf)(int slot, int driver, int cars)) {
        if (!p.run.ready)
            return fail("not ready: " + std::string(p.loaded.sectionTitle.view()));
        if (!t.startAndRun())
            return fail("did not start: " + std::string(p.loaded.sectionTitle.view()));
        int cars = 0;
        while (cars < kCarCount && !p.slots[std::size_t(cars)].isEmptySlot())
            ++cars;
        std::vector<Crossing> crossings;
        for (int slot = 0; slot < cars; ++slot) {
            const int d = driverOf(p.slots[std::size_t(slot)].name.view());
            for (int lap = 1; lap <= kLapsRun; ++lap)
                crossings.push_back({std::int64_t(lap) * lapOf(slot, d, cars), d});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& a, const Crossing& b) { return a.at < b.at; });
        for (const Crossing& c : crossings) {
            t.serial.arrive(kt2Passing(transponder(c.driver), c.at));
            t.runTicks(10);
        }
        if (p.run.running)
            return fail("still running: " + std::string(p.loaded.sectionTitle.view()));
        commitHeat(p);
        return true;
    }

    bool qualify() {
        CompositionDialog d = openCompositionDialog(p, 1);
        setDriversPerHeat(p, d, kPerHeat);
        setRounds(p, d, kRounds);
        if (generateComposition(p, d) != GenerateOutcome::Written ||
            !validateGrids(p, openGridsDialog(p, 1)))
            return fail("no heats");
        // Driver d laps in 19 s + d/10 s, a little slower in the second round.
        for (int r = 1; r <= kRounds; ++r) {
            for (int h = 1; h <= kDrivers / kPerHeat; ++h) {
                loadQualifyingHeat(p, 1, r, h);
                const bool ran = r == 1 ? runLoaded([](int, int driver, int) {
                    return RaceTime(19'000 + 100 * driver);
                })
                                        : runLoaded([](int, int driver, int) {
                                              return RaceTime(19'150 + 90 * driver);
                                          });
                if (!ran)
                    return false;
            }
            auto round = std::make_unique<RoundClassificationState>();
            if (!openRoundClassification(p, 1, r, *round) || !confirmRoundClassification(p, *round))
                return fail("round not confirmed");
        }
        auto overall = std::make_unique<OverallClassificationState>();
        return (openOverallClassification(p, 1, *overall) &&
                confirmOverallClassification(p, *overall)) ||
               fail("overall not confirmed");
    }

    bool runFinals() {
        FinalsCompositionForm form;
        if (!openFinalsComposition(p, 1, form))
            return fail("no finals composition");
        using namespace composition_control;
        for (int id : kDuration)
            typeCompositionNumber(form.composition, id, "1", form.maxParticipants);
        for (int id : kRest)
            typeCompositionNumber(form.composition, id, "0", form.maxParticipants);
        if (!generateFinalsComposition(p, form))
            return fail("finals not generated");
        afterFinalsComposition(p, 1);
        RaceHeader header;
        readRaceHeader(p.path(kWorkingRaceFile), header);
        // The cars further down the grid lap faster: every final changes the order.
        const auto pace = [](int slot, int, int cars) {
            return RaceTime(19'000 + 100 * (cars - 1 - slot));
        };
        for (int level = levelsOfFinals(header.categories[0].finals); level >= 0; --level) {
            for (const bool isA : {true, false}) {
                loadFinal(p, 1, finalIndexOf(level, isA));
                if (!runLoaded(pace))
                    return false;
                if (level == 0)
                    break;
            }
        }
        return true;
    }
};

} // namespace

std::string runWholeMeeting(TestProgram& t) {
    t.connectKt2();
    Meeting m{t, t.program, {}};
    if (m.writeCategories() && m.writeDriversDatabase() && m.qualify())
        m.runFinals();
    return m.failure;
}

} // namespace racedesk::test
