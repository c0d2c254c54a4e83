// The race file as a copy from a pulled USB stick or a hand edit leaves it. The first bytes of
// the input choose a heat, a final and a section to write; the rest is the file. The harness
// opens it, finds every section its header's categories can have, reads each one and checks
// that what it read writes back to what it reads again; loads the heat into a program and
// commits it; loads the final; then writes the chosen section, sometimes larger than its
// area, and checks that no byte outside the area changed and that every other section reads
// as before.
#include "fuzz_support.h"

#include "core/race/classification_sections.h"
#include "core/race/finals_sections.h"
#include "core/race/heat_composition_section.h"
#include "core/race/heat_flags.h"
#include "core/race/heat_section.h"
#include "core/race/heat_storage.h"
#include "core/race/participants_section.h"
#include "core/race/qualifying_parameters_section.h"
#include "core/race/race_header.h"
#include "core/race/section_area.h"
#include "core/race/section_file.h"
#include "core/race/section_lines.h"
#include "core/race/section_titles.h"
#include "core/race/starting_grids_section.h"
#include "core/race/track_section.h"
#include "core/race/working_race_file.h"
#include "core/race/write_journal.h"
#include "support/test_program.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

using namespace racedesk;

namespace {

// A section the header's categories can have, with what reads its body and writes it again.
struct Section {
    std::string title;
    std::function<std::string(std::string_view body)> readAndCompose;
};

std::vector<Section> sectionsOf(const RaceHeader& header) {
    std::vector<Section> all;
    all.push_back({"PisteCourse", [](std::string_view b) { return composeTrack(parseTrack(b)); }});
    all.push_back({std::string(kHeatFlagsTitle),
                   [](std::string_view b) { return composeHeatFlags(parseHeatFlags(b)); }});
    for (int k = 1; k <= std::min(header.categoryCount, kMaxCategories); ++k) {
        const CategoryEntry& entry = header.categories[std::size_t(k - 1)];
        const int n = entry.participants;
        all.push_back({participantsTitle(k), [](std::string_view b) {
                           static auto table = std::make_unique<ParticipantTable>();
                           *table = ParticipantTable{};
                           parseParticipants(b, *table);
                           return composeParticipants(*table);
                       }});
        all.push_back({qualifyingParametersTitle(k), [](std::string_view b) {
                           return composeQualifyingParameters(parseQualifyingParameters(b));
                       }});
        all.push_back({heatCompositionTitle(k), [](std::string_view b) {
                           return composeHeatComposition(parseHeatComposition(b));
                       }});
        all.push_back({startingGridsTitle(k), [](std::string_view b) {
                           return composeStartingGrids(parseStartingGrids(b));
                       }});
        all.push_back({overallClassificationTitle(k), [n](std::string_view b) {
                           return composeOverallClassification(parseOverallClassification(b, n), n);
                       }});
        all.push_back({finalsParametersTitle(k), [](std::string_view b) {
                           return composeFinalsParameters(parseFinalsParameters(b));
                       }});
        all.push_back({finalsCompositionTitle(k), [n](std::string_view b) {
                           return composeFinalsComposition(parseFinalsComposition(b, n));
                       }});
        const auto storedRun = [](bool isFinal) {
            return [isFinal](std::string_view b) {
                static auto run = std::make_unique<StoredRun>();
                *run = StoredRun{};
                parseStoredRun(b, isFinal, *run);
                return composeStoredRun(*run, isFinal);
            };
        };
        for (int round = 1; round <= std::min(entry.rounds, kMaxRounds); ++round) {
            all.push_back({roundClassificationTitle(k, round), [n](std::string_view b) {
                               return composeRoundClassification(parseRoundClassification(b, n), n);
                           }});
            for (int heat = 1; heat <= std::min(entry.heatsPerRound, kMaxHeatsPerRound); ++heat)
                all.push_back({heatTitle(k, round, heat), storedRun(false)});
        }
        for (int level = 1; level <= kFinalLevels; ++level) {
            all.push_back({finalTitle(k, level, true), storedRun(true)});
            all.push_back({finalTitle(k, level, false), storedRun(true)});
        }
        all.push_back({finaleTitle(k), storedRun(true)});
    }
    return all;
}

// What each section read gives, written and read again, must write the same.
void expectEverySectionStable(SectionFile& file, const std::vector<Section>& sections) {
    for (const Section& s : sections) {
        const std::optional<std::string_view> body = file.body(s.title);
        if (!body)
            continue;
        fuzz::expect(body->data() >= file.contents().data() &&
                         body->data() + body->size() <=
                             file.contents().data() + file.contents().size(),
                     "a section's body lies outside the file");
        const std::string once = s.readAndCompose(*body);
        fuzz::expectSame(once, s.readAndCompose(once), "a section read and written again");
    }
}

void loadAndCommit(test::TestProgram& t, fuzz::InputSplitter& choice) {
    const int category = 1 + choice.byte() % kMaxCategories;
    const int round = 1 + choice.byte() % kMaxRounds;
    const int heat = 1 + choice.byte() % kMaxHeatsPerRound;
    loadQualifyingHeat(t.program, category, round, heat);
    commitHeat(t.program);
    unloadRun(t.program);

    const int level = choice.byte() % (kFinalLevels + 1);
    SectionFile file(t.program.path(kWorkingRaceFile));
    StoredRun final;
    const std::string title =
        level == 0 ? finaleTitle(category) : finalTitle(category, level, choice.byte() % 2 == 0);
    if (readStoredRun(file, title, final))
        restoreSlots(final, t.program.slots);
}

struct Found {
    std::string title;
    std::string body;
};

// Writes one section as its writer would, `growth` filler units more or fewer than its area
// holds, and checks every byte of the file against the layout's rules.
void writeOneSection(const std::string& path, const std::vector<Section>& sections,
                     std::size_t which, int growth) {
    std::vector<Found> before;
    std::string content;
    std::size_t start = 0;
    const Section* chosen = nullptr;
    std::string old;
    {
        SectionFile file(path);
        old = file.contents();
        for (const Section& s : sections) {
            if (const std::optional<std::string_view> body = file.body(s.title))
                before.push_back({s.title, std::string(*body)});
        }
        if (before.empty())
            return;
        const Found& target = before[which % before.size()];
        for (const Section& s : sections)
            chosen = s.title == target.title ? &s : chosen;
        start = std::size_t(file.body(target.title)->data() - file.contents().data());
        content = chosen->readAndCompose(target.body);
    }
    if (start == old.size() && start > 0 && old.back() != '\n')
        return; // a title line cut at the end: the writer ends it first (tested on its own)
    const std::size_t end = areaEnd(old, start);
    const int units = std::max(0, int((end - start) / 2) + growth);
    const std::string area = composeArea(units, content);

    SectionFile file(path);
    fuzz::expect(file.write(chosen->title, units, content) == WriteStatus::Written,
                 "a found section could not be written");
    // In place, the area as composed or, where the old area's rest would start a section of
    // its own, filled to the old area's end; otherwise the file rewritten with it enlarged.
    const auto inPlace = [&](const std::string& written) {
        std::string bytes = old.substr(0, start) + written;
        if (start + written.size() < old.size())
            bytes += old.substr(start + written.size());
        return bytes;
    };
    const std::string_view after = file.contents();
    if (end == old.size() || area.size() <= end - start)
        fuzz::expect(after == inPlace(area) || after == inPlace(filledArea(area, end - start)),
                     "bytes outside the written area changed");
    else
        fuzz::expectSame(old.substr(0, start) + area + old.substr(end), after,
                         "bytes outside the enlarged area");
    for (const Found& f : before) {
        const std::optional<std::string_view> body = file.body(f.title);
        fuzz::expect(body.has_value(), "a section was lost by writing another");
        if (f.title != chosen->title)
            fuzz::expectSame(f.body, *body, "a section changed by writing another");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto t = std::make_unique<test::TestProgram>();
    fuzz::InputSplitter input(data, size);
    std::uint8_t choices[8];
    for (std::uint8_t& c : choices)
        c = input.byte();
    const std::string path = t->program.path(kWorkingRaceFile);
    removeJournal(path);
    fuzz::putFile(path, input.rest());
    t->dialogs.messages.clear();
    t->dialogs.questions.clear();

    std::vector<Section> sections;
    {
        SectionFile file(path);
        fuzz::expect(file.isOpen(), "the race file did not open");
        RaceHeader header;
        readRaceHeader(file, header);
        std::string content;
        if (composeRaceHeader(header, content))
            fuzz::expectSame(
                content,
                [&] {
                    std::string again;
                    composeRaceHeader(parseRaceHeader(content), again);
                    return again;
                }(),
                "the race header read and written again");
        sections = sectionsOf(header);
        expectEverySectionStable(file, sections);
    }
    fuzz::InputSplitter choice(choices, sizeof choices);
    const std::size_t which = choice.byte();
    const int growth = int(choice.byte()) - 128;
    writeOneSection(path, sections, which, growth);
    loadAndCommit(*t, choice);
    return 0;
}
