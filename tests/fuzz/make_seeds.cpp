// make_seeds SAMPLE_DIR CORPUS_DIR
// The first corpus of every harness, made of what the program itself writes: the sample
// meeting and its databases (SAMPLE_DIR, share/sample of a build), new settings files, a new
// race file, a write journal, the transfer files of a run and a decoder's messages. Each file
// gets the leading bytes its harness reads its choices from.
#include "core/databases/countries.h"
#include "core/race/detail_results_file.h"
#include "core/race/transfer_files.h"
#include "core/race/working_race_file.h"
#include "core/race/write_journal.h"
#include "core/settings/display_settings.h"
#include "core/timing/interface_settings.h"
#include "core/timing/run_engine.h"
#include "core/timing/sound_settings.h"
#include "fuzz_support.h"
#include "support/test_program.h"

#include <cstdio>
#include <filesystem>
#include <memory>

using namespace racedesk;
namespace fs = std::filesystem;

namespace {

fs::path corpus;

void seed(const char* harness, const std::string& name, std::string_view choices,
          std::string_view bytes) {
    fs::create_directories(corpus / harness);
    fuzz::putFile((corpus / harness / name).string(), std::string(choices) + std::string(bytes));
}

// What a writer puts into a file, read back.
template <typename Write> std::string written(Write write) {
    const std::string path = fuzz::scratchFile("seed");
    fuzz::expect(write(path), "a seed could not be written");
    return fuzz::fileBytes(path);
}

void sampleSeeds(const fs::path& sample) {
    const std::string race = fuzz::fileBytes((sample / "Exemple.race").string());
    fuzz::expect(!race.empty(), "no sample meeting in the sample folder");
    // Heat 1 of round 1 of category 1, the Final, and the first and last sections written.
    seed("race_file", "sample", std::string(8, '\0'), race);
    seed("race_file", "sample-grown", std::string("\x05\xC0\x01\x01\x02\x00\x01\x00", 8), race);
    seed("race_file", "new", std::string("\x01\x7F\x00\x00\x00\x01\x00\x00", 8),
         newRaceFileBytes());
    const char* databases[] = {"BaseDonnéesPilotes.bd", "BaseDonnéesClubs.bd",
                               "BaseDonnéesCircuits.bd", "BaseDonnéesFréquences.bd",
                               "BaseDonnéesTranspondeurs.bd"};
    for (char which = 0; which < 5; ++which)
        seed("databases", std::to_string(which), std::string(1, which),
             fuzz::fileBytes((sample / databases[int(which)]).string()));
}

void settingsSeeds() {
    seed("settings", "sounds-fr", "\x00", written([](const std::string& p) {
             return writeSoundSettings(p, defaultSoundSettings(SpokenLanguage::French));
         }));
    seed("settings", "sounds-en", std::string(1, '\x03'), written([](const std::string& p) {
             return writeSoundSettings(p, defaultSoundSettings(SpokenLanguage::English));
         }));
    seed("settings", "interface", "\x01", written([](const std::string& p) {
             InterfaceSettings s;
             s.portName = kDefaultPort;
             s.connected = 1;
             s.type = kTypeKt2;
             return writeInterfaceSettings(p, s);
         }));
    seed("settings", "display", "\x02", written([](const std::string& p) {
             return writeDisplaySettings(p, defaultDisplaySettings());
         }));
    seed("databases", "countries", "\x05", written([](const std::string& p) {
             CountryList list;
             list.names[0] = "France";
             list.names[1] = "Belgique";
             list.count = 2;
             return writeCountries(p, list);
         }));
}

void journalSeed() {
    const std::string race = newRaceFileBytes();
    const std::string path = fuzz::scratchFile("Course.race");
    fuzz::expect(writeJournal(path, race.size() - 8, "0\t1\t\r\n\r\n"), "no journal");
    const std::string journal = fuzz::fileBytes(journalPath(path));
    const std::string size{char(race.size() >> 8), char(race.size() & 0xFF)};
    seed("write_journal", "whole", size, race + journal);
    seed("write_journal", "cut", size, race + journal.substr(0, journal.size() / 2));
}

void transferSeeds() {
    auto slots = std::make_unique<CarSlots>();
    emptySlots(*slots);
    for (int car = 0; car < 6; ++car) {
        CarSlot& s = (*slots)[std::size_t(car)];
        s.name = "Pilote " + std::to_string(car + 1);
        s.passings = 12 - car;
        for (int j = 1; j <= s.passings; ++j)
            s.cumulativeTimes[std::size_t(j)] = j * (20'000 + 150 * car) + 37 * j * j % 900;
    }
    seed("transfer_files", "detail", "\x00", written([&](const std::string& p) {
             return writeDetailResults(p, RankingMode::LapsThenTime, *slots);
         }));
    seed("transfer_files", "driver", "\x01", written([&](const std::string& p) {
             return writeDriverResult(p, (*slots)[0], "Buggy - Manche1 - S\xE9rie1",
                                      "Circuit des Pins",
                                      "Dur\xE9"
                                      "e 5 min");
         }));
    seed("transfer_files", "comment", "\x02", written([](const std::string& p) {
             HeatComment c;
             c.condition = "Pluie";
             c.comment = "Piste glissante";
             return writeHeatComment(p, c);
         }));
}

void decoderSeeds() {
    std::string kt2;
    for (const auto& bytes : {test::kKt2IdentifyReply, test::kt2Passing(12301, 20'150),
                              test::kt2Passing(22312, 3'600'000 + 61'999),
                              test::kKt2ClockResetReply, test::kt2Passing(1, 999)})
        kt2.append(bytes.begin(), bytes.end());
    std::string kt1;
    for (int t : {12301, 12302, 22312})
        for (std::uint8_t b : test::kt1Passing(t))
            kt1.push_back(char(b));
    seed("decoder_stream", "kt2", std::string("\x01\x03\x04\x0A\x00", 5), kt2);
    seed("decoder_stream", "kt2-recovery", std::string("\x03\x00", 2), kt2);
    seed("decoder_stream", "kt1", std::string("\x00\x01\x00", 3), kt1);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_seeds SAMPLE_DIR CORPUS_DIR\n");
        return 2;
    }
    corpus = argv[2];
    sampleSeeds(argv[1]);
    settingsSeeds();
    journalSeed();
    transferSeeds();
    decoderSeeds();
    return 0;
}
