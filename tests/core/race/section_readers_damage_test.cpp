// Every section reader fed random, cut and damaged bodies with fixed seeds: it reads within
// the bytes it was given (the bodies sit in buffers of their exact size, so the sanitizer
// build catches a byte read past them), always comes to an end, and gives values within the
// limits of the tables they index.
#include "core/race/classification_sections.h"
#include "core/race/finals_sections.h"
#include "core/race/heat_composition_section.h"
#include "core/race/heat_flags.h"
#include "core/race/heat_section.h"
#include "core/race/participants_section.h"
#include "core/race/qualifying_parameters_section.h"
#include "core/race/section_lines.h"
#include "core/race/section_titles.h"
#include "core/race/starting_grids_section.h"
#include "core/race/track_section.h"
#include "section_test_support.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace racedesk {
namespace {

constexpr int kIterations = 600;

class Damage {
public:
    explicit Damage(unsigned seed) : engine_(seed) {}

    int upTo(int n) { return std::uniform_int_distribution<int>(0, n)(engine_); }
    std::size_t upTo(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n)(engine_);
    }

    // Bytes of the kinds the readers look at: digits, signs, tabs, line ends, letters, 0xFF,
    // and now and then a number too large for an int or a very long field.
    std::string noise(std::size_t maxSize) {
        static const std::string alphabet = "0123456789-+\t\t\t\r\n\n aZ(NA)\xE9\xFF";
        std::string out;
        const std::size_t size = upTo(maxSize);
        while (out.size() < size) {
            switch (upTo(20)) {
            case 0:
                out += "99999999999999999999\t";
                break;
            case 1:
                out += std::string(upTo(std::size_t(200)), 'W');
                break;
            case 2:
                out += "-2147483648\t";
                break;
            default:
                out += alphabet[upTo(alphabet.size() - 1)];
            }
        }
        return out;
    }

    // A valid body cut short, with bytes replaced, dropped or inserted, or pure noise.
    std::string variant(const std::string& valid) {
        switch (upTo(3)) {
        case 0:
            return noise(valid.size() + 64);
        case 1:
            return valid.substr(0, upTo(valid.size()));
        default: {
            std::string s = valid;
            for (int edits = 1 + upTo(8); edits > 0 && !s.empty(); --edits) {
                const std::size_t at = upTo(s.size() - 1);
                switch (upTo(2)) {
                case 0: {
                    const std::string replacement = noise(1);
                    s[at] = replacement.empty() ? '\t' : replacement[0];
                    break;
                }
                case 1:
                    s.erase(at, upTo(std::size_t(40)));
                    break;
                default:
                    s.insert(at, noise(60));
                }
            }
            return upTo(1) == 0 ? s : s.substr(0, upTo(s.size()));
        }
        }
    }

    std::string name() { return std::string(upTo(std::size_t(45)), char('a' + upTo(25))); }
    int number() { return upTo(4000) - 1000; }

private:
    std::mt19937 engine_;
};

// Calls `read` on a copy of `bytes` in a buffer of exactly their size.
void onExactBytes(const std::string& bytes, const std::function<void(std::string_view)>& read) {
    const std::unique_ptr<char[]> buffer(new char[bytes.size() + (bytes.empty() ? 1 : 0)]);
    std::memcpy(buffer.get(), bytes.data(), bytes.size());
    read(std::string_view(buffer.get(), bytes.size()));
}

std::string validStoredRun(Damage& d, bool isFinal) {
    auto run = std::make_unique<StoredRun>();
    run->state = d.upTo(2);
    for (HeatRecordLine& car : run->cars) {
        car.name = d.name();
        car.passings = d.upTo(12) == 0 ? 300 : d.upTo(20);
        car.laps = d.upTo(300);
        car.totalTime = d.number();
        for (int j = 0; j <= car.passings; ++j)
            car.cumulativeTimes[std::size_t(j)] = d.number();
    }
    run->summary.summary = d.name();
    run->summary.comment = d.name();
    return composeStoredRun(*run, isFinal);
}

TEST(SectionReadersDamage, storedRunsStayWithinTheSlotTables) {
    Damage d(20240611);
    auto slots = std::make_unique<CarSlots>();
    auto run = std::make_unique<StoredRun>();
    for (int i = 0; i < kIterations; ++i) {
        const bool isFinal = d.upTo(1) == 1;
        onExactBytes(d.variant(validStoredRun(d, isFinal)),
                     [&](std::string_view body) { parseStoredRun(body, isFinal, *run); });
        restoreSlots(*run, *slots);
        EXPECT_GE(run->state, 0);
        EXPECT_LE(run->state, 2);
        for (const CarSlot& s : *slots) {
            ASSERT_GE(s.passings, 0);
            ASSERT_LE(s.passings, 300);
            ASSERT_GE(s.laps, 0);
            ASSERT_LE(s.laps, 999);
            ASSERT_LE(s.name.size(), 39u);
        }
        ASSERT_LE(run->summary.summary.size(), 104u);
        ASSERT_LE(run->summary.comment.size(), 98u);
        ASSERT_LE(run->summary.condition.size(), 5u);
    }
}

TEST(SectionReadersDamage, qualifyingSectionsStayWithinTheirLimits) {
    Damage d(77);
    auto composition = std::make_unique<HeatComposition>();
    for (int i = 0; i < kIterations; ++i) {
        HeatComposition valid;
        valid.driversPerHeat = 1 + d.upTo(19);
        valid.rounds = 1 + d.upTo(8);
        for (DriverName& place : valid.places)
            place = d.upTo(3) == 0 ? d.name() : std::string(kFreePlace);
        onExactBytes(d.variant(composeHeatComposition(valid)),
                     [&](std::string_view body) { *composition = parseHeatComposition(body); });
        ASSERT_GE(composition->driversPerHeat, 1);
        ASSERT_LE(composition->driversPerHeat, 20);
        ASSERT_GE(composition->rounds, 1);
        ASSERT_LE(composition->rounds, 9);
        for (int heat = 0; heat <= 222; heat += 1 + d.upTo(5))
            ASSERT_LE(heatDriver(*composition, heat, d.upTo(22) - 1).size(), 39u);

        const StartingGrids validGrids =
            defaultStartingGrids(d.upTo(1), 1 + d.upTo(19), 1 + d.upTo(8));
        StartingGrids grids;
        onExactBytes(d.variant(composeStartingGrids(validGrids)),
                     [&](std::string_view body) { grids = parseStartingGrids(body); });
        for (int n = 0; n <= 21; ++n) {
            for (int round = 0; round <= 10; ++round) {
                const RoundGrid grid = roundGrid(grids, n, round);
                for (int p = 0; p < std::min(n, 20); ++p) {
                    ASSERT_GE(grid[std::size_t(p)], 1);
                    ASSERT_LE(grid[std::size_t(p)], std::min(n, 20));
                }
            }
        }

        QualifyingParameters parameters;
        onExactBytes(d.variant(composeQualifyingParameters(QualifyingParameters{})),
                     [&](std::string_view body) { parameters = parseQualifyingParameters(body); });
        ASSERT_GE(parameters.minutes, 1);
        ASSERT_LE(parameters.minutes, 60);
        ASSERT_GE(parameters.laps, 1);
        ASSERT_LE(parameters.laps, 150);
        ASSERT_GE(parameters.countdownSeconds, 0);
        ASSERT_LE(parameters.countdownSeconds, 3600);
    }
}

TEST(SectionReadersDamage, raceSectionsReadWhateverTheirBytes) {
    Damage d(4242);
    auto participants = std::make_unique<ParticipantTable>();
    auto round = std::make_unique<RoundClassification>();
    auto overall = std::make_unique<OverallClassification>();
    for (int i = 0; i < kIterations; ++i) {
        ParticipantTable validTable;
        for (Participant& p : validTable)
            p.name = d.upTo(2) == 0 ? d.name() : std::string();
        onExactBytes(d.variant(composeParticipants(validTable)), [&](std::string_view body) {
            *participants = ParticipantTable{};
            parseParticipants(body, *participants);
        });
        ASSERT_LE(participantCount(*participants), 200);

        TrackSettings track;
        onExactBytes(d.variant("GP\tClub\tPiste\t5\t\r\n"),
                     [&](std::string_view body) { track = parseTrack(body); });
        ASSERT_GE(track.protectionSeconds, 2);
        ASSERT_LE(track.protectionSeconds, 999);

        const int p = d.upTo(210) - 5;
        auto validRound = std::make_unique<RoundClassification>(defaultRoundClassification(p));
        for (RoundEntry& e : validRound->entries) {
            e.name = d.name();
            e.laps = d.upTo(40);
            e.totalTime = d.number();
            e.points = d.number();
        }
        onExactBytes(d.variant(composeRoundClassification(*validRound, p)),
                     [&](std::string_view body) { *round = parseRoundClassification(body, p); });
        onExactBytes(
            d.variant(composeOverallClassification(OverallClassification{}, p)),
            [&](std::string_view body) { *overall = parseOverallClassification(body, p); });
        ASSERT_GE(overall->bestRounds, 0);
        ASSERT_LE(overall->bestRounds, 9);

        FinalsComposition finals;
        onExactBytes(d.variant(composeFinalsComposition(defaultFinalsComposition(p))),
                     [&](std::string_view body) { finals = parseFinalsComposition(body, p); });
        ASSERT_GE(finals.driversPerFinal, 1);
        ASSERT_LE(finals.driversPerFinal, 20);
        ASSERT_GE(finals.participants, 0);
        ASSERT_LE(finals.participants, 200);
        FinalsParameters finalsParameters;
        onExactBytes(
            d.variant(composeFinalsParameters(FinalsParameters{})),
            [&](std::string_view body) { finalsParameters = parseFinalsParameters(body); });
        ASSERT_LE(finalsParameters.countdownSeconds, 3600);

        HeatFlags flags;
        onExactBytes(d.variant(composeHeatFlags(HeatFlags{})),
                     [&](std::string_view body) { flags = parseHeatFlags(body); });
    }
}

// Whole race files whose sections were damaged in place: every reader goes through
// SectionFile, whose bodies end at the next section or at the end of the file.
TEST(SectionReadersDamage, damagedRaceFileIsReadThroughEveryReader) {
    Damage d(9001);
    test::TempFolder folder;
    const std::string path = folder.file("Course.race");
    for (int i = 0; i < 150; ++i) {
        std::string bytes = newRaceFileBytes();
        const auto add = [&](const std::string& title, const std::string& body) {
            if (d.upTo(4) != 0)
                bytes += test::sectionBytes(title, d.variant(body) + "\r\n");
        };
        add(std::string(kTrackTitle), "GP\tClub\tPiste\t5\t\r\n");
        add(participantsTitle(1), composeParticipants(ParticipantTable{}));
        add(qualifyingParametersTitle(1), composeQualifyingParameters(QualifyingParameters{}));
        add(heatCompositionTitle(1), composeHeatComposition(HeatComposition{}));
        add(startingGridsTitle(1), composeStartingGrids(defaultStartingGrids(0, 4, 3)));
        add(heatTitle(1, 1, 1), validStoredRun(d, false));
        add(finalTitle(1, 1, true), validStoredRun(d, true));
        add(roundClassificationTitle(1, 1),
            "CLASSEMENTToursTemps\t8\t2\t1\t1\t1\t1\t\r\nA\t1\t2\t3\t4\t\r\n");
        add(overallClassificationTitle(1), "CLASSEMENTToursTemps\t2\t\r\nA\t\r\nB\t\r\n");
        add(finalsParametersTitle(1), composeFinalsParameters(FinalsParameters{}));
        add(finalsCompositionTitle(1), composeFinalsComposition(FinalsComposition{}));
        if (d.upTo(2) == 0)
            bytes = bytes.substr(0, d.upTo(bytes.size()));
        folder.write("Course.race", bytes);

        SectionFile file(path);
        ASSERT_TRUE(file.isOpen());
        TrackSettings track;
        readTrack(file, track);
        auto participants = std::make_unique<ParticipantTable>();
        readParticipants(file, 1, *participants);
        QualifyingParameters parameters;
        readQualifyingParameters(file, 1, parameters);
        auto composition = std::make_unique<HeatComposition>();
        readHeatComposition(file, 1, *composition);
        StartingGrids grids;
        readStartingGrids(file, 1, grids);
        auto run = std::make_unique<StoredRun>();
        auto slots = std::make_unique<CarSlots>();
        if (readStoredRun(file, heatTitle(1, 1, 1), *run))
            restoreSlots(*run, *slots);
        if (readStoredRun(file, finalTitle(1, 1, true), *run))
            restoreSlots(*run, *slots);
        ASSERT_LE(readFinalState(file, finalTitle(1, 1, true)), 2);
        auto round = std::make_unique<RoundClassification>();
        readRoundClassification(file, 1, 1, 2, *round);
        auto overall = std::make_unique<OverallClassification>();
        readOverallClassification(file, 1, 2, *overall);
        FinalsParameters finalsParameters;
        readFinalsParameters(file, 1, finalsParameters);
        FinalsComposition finals;
        readFinalsComposition(file, 1, 2, finals);
        HeatFlags flags;
        readHeatFlags(file, flags);
        for (const CarSlot& s : *slots)
            ASSERT_LE(s.passings, 300);
    }
}

} // namespace
} // namespace racedesk
