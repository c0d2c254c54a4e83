// Section look-ups on a full-size race file: 9 categories of 200 participants, 9 rounds of
// 20 heats of 20 drivers, 23 finals each (about 50 MB). A heat load looks up six sections in
// one operation; it is compared with one plain memchr pass over the same bytes.
#include "core/common/field_reader.h"
#include "core/common/text_file.h"
#include "core/race/field_writer.h"
#include "core/race/race_header.h"
#include "core/race/section_area.h"
#include "core/race/section_file.h"
#include "core/race/working_race_file.h"
#include "support/temp_folder.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <string>

namespace racedesk {
namespace {

constexpr int kDrivers = 20;
const std::string kCat = "Cat\xE9gorie";

std::string title(int category, const char* rest) {
    return kCat + std::to_string(category) + rest;
}
std::string heatTitle(int category, int round, int heat) {
    return title(category, "") + "M" + std::to_string(round) + "S" + std::to_string(heat);
}

std::string participants() {
    FieldWriter w;
    for (int i = 0; i < kMaxParticipants; ++i) {
        w.text("PILOTE NUMERO " + std::to_string(i));
        w.text(std::to_string(100000 + i));
        for (int f = 0; f < 5; ++f)
            w.text("27.145");
        w.endLine();
    }
    return w.contents();
}

std::string composition() {
    FieldWriter w;
    w.integer(1);
    w.integer(kDrivers);
    w.integer(9);
    w.endLine();
    for (int i = 0; i < 220; ++i) {
        w.text(i < kMaxParticipants ? "PILOTE NUMERO " + std::to_string(i) : "(NA)");
        w.endLine();
    }
    return w.contents();
}

std::string grids() {
    FieldWriter w;
    w.integer(1);
    w.integer(kDrivers);
    w.integer(9);
    w.endLine();
    for (int r = 0; r < 9; ++r) {
        for (int d = 0; d < kDrivers; ++d)
            w.integer((d + r) % kDrivers + 1);
        w.endLine();
    }
    return w.contents();
}

// A stored run: 20 cars of `laps` laps of about 22 s, then the run summary.
std::string run(int laps) {
    FieldWriter w;
    for (int car = 0; car < kDrivers; ++car) {
        w.text("PILOTE NUMERO " + std::to_string(car));
        w.integer(laps);
        w.integer(laps);
        w.integer(laps * 22'000 + car);
        w.integer(22'000 + car);
        w.integer(21'500 + car);
        for (int lap = 0; lap <= laps; ++lap)
            w.integer(lap * 22'000 + car);
        w.endLine();
    }
    w.text("Dur\xE9"
           "e 5:00 - Tours/Temps - Signal - D\xE9part 01/05/2024 14:05");
    w.text("");
    w.text("Sec");
    w.endLine();
    return w.contents();
}

std::string fullSizeRace() {
    RaceHeader header = newRaceHeader();
    header.categoryCount = kMaxCategories;
    for (int c = 0; c < kMaxCategories; ++c) {
        CategoryEntry& e = header.categories[std::size_t(c)];
        e.name = "CATEGORIE " + std::to_string(c + 1);
        e.participants = kMaxParticipants;
        e.qualifyingStarted = 1;
        e.rounds = 9;
        e.heatsPerRound = 20;
        e.finals = 23;
    }
    std::string content;
    composeRaceHeader(header, content);
    std::string file = composeArea(kRaceHeaderUnits, content);
    appendSection(file, kHeatFlagsTitle, composeArea(kHeatFlagsUnits, ""));
    appendSection(file, "PisteCourse", composeArea(75, "Coupe\tClub\tCircuit\t3\t\r\n"));
    const std::string heat = composeArea(617 * kDrivers + 565, run(40));
    const std::string final = composeArea(1376 * kDrivers + 587, run(80));
    for (int c = 1; c <= kMaxCategories; ++c) {
        appendSection(file, title(c, "ListeParticipants"), composeArea(9000, participants()));
        appendSection(
            file, title(c, "QualifsParam\xE8tres"),
            composeArea(80,
                        "CLASSEMENTToursTemps\tDUREESERIETemps\t5\t10\t5\t0\t"
                        "DEPARTSignalSonore\tORDRE\tFINTEMPSFinirTour\tFINTOURFinirTour\t\r\n"));
        appendSection(file, title(c, "R\xE9partitionQualifs"), composeArea(4625, composition()));
        appendSection(file, title(c, "GrilleD\xE9partQualifs"), composeArea(250, grids()));
        for (int r = 1; r <= 9; ++r)
            for (int h = 1; h <= 20; ++h)
                appendSection(file, heatTitle(c, r, h), heat);
        for (int level = 2; level <= 2048; level *= 2) {
            appendSection(file,
                          title(c, "Remont\xE9"
                                   "es") +
                              std::to_string(level) + "A",
                          final);
            appendSection(file,
                          title(c, "Remont\xE9"
                                   "es") +
                              std::to_string(level) + "B",
                          final);
        }
        appendSection(file,
                      title(c, "Remont\xE9"
                               "esFinale"),
                      final);
    }
    return file;
}

struct RaceOnDisk {
    RaceOnDisk() : bytes(fullSizeRace()), path(folder.file("Course.race")) {
        replaceWholeFile(path, bytes);
    }
    test::TempFolder folder;
    std::string bytes;
    std::string path;
};

RaceOnDisk& race() {
    static RaceOnDisk r;
    return r;
}

// Reads every field of a body as a loader would; the sum keeps the reads from being dropped.
int readFields(std::string_view body, int lines) {
    FieldReader in(body);
    int sum = 0;
    for (int l = 0; l < lines && !in.atEnd(); ++l) {
        FieldReader line(in.line());
        int value = 0;
        while (!line.atEnd())
            sum += line.integer(value) ? value : int(line.text().size());
    }
    return sum;
}

// The baseline: one memchr pass over the file's bytes, counting lines.
void BM_PlainMemchrScan(benchmark::State& state) {
    const std::string& bytes = race().bytes;
    for (auto _ : state) {
        std::size_t lines = 0;
        for (const char *p = bytes.data(), *end = p + bytes.size();
             (p = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)))) != nullptr;
             ++p)
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
    state.counters["MB"] = double(bytes.size()) / 1e6;
}

// Loading the last heat of the last category: open, header, the category's participants,
// parameters, composition and grids, the heat itself; then close.
void BM_HeatLoad(benchmark::State& state) {
    const int category = int(state.range(0));
    const int round = category == 1 ? 1 : 9;
    const int heat = category == 1 ? 1 : 20;
    for (auto _ : state) {
        SectionFile file(race().path);
        RaceHeader header;
        readRaceHeader(file, header);
        int sum = header.categoryCount;
        sum += readFields(file.body(title(category, "ListeParticipants")).value_or(""), 200);
        sum += readFields(file.body(title(category, "QualifsParam\xE8tres")).value_or(""), 1);
        sum += readFields(file.body(title(category, "R\xE9partitionQualifs")).value_or(""), 221);
        sum += readFields(file.body(title(category, "GrilleD\xE9partQualifs")).value_or(""), 10);
        sum += readFields(file.body(heatTitle(category, round, heat)).value_or(""), 21);
        benchmark::DoNotOptimize(sum);
    }
}

// Storing a heat in place, as a heat commit does: its section, the qualifying-started values,
// the flags.
void BM_HeatCommit(benchmark::State& state) {
    const std::string stored = run(40);
    for (auto _ : state) {
        SectionFile file(race().path);
        file.write(heatTitle(9, 9, 20), 617 * kDrivers + 565, stored);
        file.overwriteFirstInteger(title(9, "R\xE9partitionQualifs"), 1);
        file.overwriteFirstInteger(title(9, "GrilleD\xE9partQualifs"), 1);
        file.write(kHeatFlagsTitle, kHeatFlagsUnits, "1\t\r\n");
    }
}

BENCHMARK(BM_PlainMemchrScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeatLoad)->Arg(9)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeatCommit)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace racedesk
