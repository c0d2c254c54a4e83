// The databases: drivers, clubs, circuits, frequencies, transponder packs and countries. The
// first byte of the input chooses the file, the rest is its content. Each is read, written,
// read and written again: the second write must be the first, so that no record the file
// held is lost or changed by a save.
#include "fuzz_support.h"

#include "core/databases/circuits.h"
#include "core/databases/clubs.h"
#include "core/databases/countries.h"
#include "core/databases/drivers.h"
#include "core/databases/frequencies.h"
#include "core/databases/transponder_packs.h"

#include <cstddef>
#include <cstdint>
#include <memory>

using namespace racedesk;

namespace {

template <typename Table, typename Read, typename Write>
void roundTrip(std::string_view bytes, Read read, Write write) {
    const std::string path = fuzz::scratchFile("database.bd");
    fuzz::putFile(path, bytes);
    static auto table = std::make_unique<Table>();
    fuzz::expect(read(path, *table), "an existing database could not be read");
    fuzz::expect(write(path, *table), "the database could not be written");
    const std::string once = fuzz::fileBytes(path);
    fuzz::expect(read(path, *table), "the written database could not be read");
    fuzz::expect(write(path, *table), "the database could not be written again");
    fuzz::expectSame(once, fuzz::fileBytes(path), "database read and written again");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputSplitter input(data, size);
    const std::uint8_t which = input.byte();
    const std::string_view file = input.rest();
    switch (which % 6) {
    case 0:
        roundTrip<DriverTable>(file, readDrivers, writeDrivers);
        break;
    case 1:
        roundTrip<ClubTable>(file, readClubs, writeClubs);
        break;
    case 2:
        roundTrip<CircuitTable>(file, readCircuits, writeCircuits);
        break;
    case 3:
        roundTrip<FrequencyTable>(file, readFrequencies, writeFrequencies);
        break;
    case 4:
        roundTrip<TransponderPackTable>(file, readTransponderPacks, writeTransponderPacks);
        break;
    default:
        roundTrip<CountryList>(file, readCountries, writeCountries);
        break;
    }
    return 0;
}
