// The write journal beside the race file, as a killed program leaves it: any bytes, cut
// anywhere. The first two bytes of the input give the length of the race file, the rest of
// it is the journal. Opening must finish a whole journal's write exactly and drop anything
// else, never writing where no write in place could have.
#include "fuzz_support.h"

#include "core/race/file_image.h"
#include "core/race/write_journal.h"

#include <cstddef>
#include <cstdint>

using namespace racedesk;

namespace {

// The journal's layout: "RDJ1", the offset and the size (64 bits, little-endian), the bytes,
// then a 64-bit checksum.
constexpr std::size_t kJournalHead = 4 + 8 + 8;
constexpr std::size_t kJournalTail = 8;

std::uint64_t littleEndianAt(std::string_view bytes, std::size_t at) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < 8; ++i)
        value |= std::uint64_t(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputSplitter input(data, size);
    const std::size_t raceSize = std::size_t(input.byte()) << 8 | input.byte();
    const std::string race(input.take(raceSize));
    const std::string_view journal = input.rest();
    const std::string path = fuzz::scratchFile("Course.race");
    fuzz::putFile(path, race);
    fuzz::putFile(journalPath(path), journal);

    FileImage image;
    fuzz::expect(image.open(path), "the race file did not open after its journal");
    fuzz::expect(fuzz::fileBytes(journalPath(path)).empty(), "the journal was left behind");
    const std::string_view after = image.bytes();
    fuzz::expectSame(after, fuzz::fileBytes(path), "the image and the file");
    if (after == race)
        return 0;
    // Applied: the journal was whole. Its write starts within the file or at its end, never
    // past it (that would leave a hole of zeros in the race file).
    fuzz::expect(journal.size() >= kJournalHead + kJournalTail, "a cut journal was applied");
    const std::uint64_t offset = littleEndianAt(journal, 4);
    const std::string_view bytes =
        journal.substr(kJournalHead, journal.size() - kJournalHead - kJournalTail);
    fuzz::expect(offset <= race.size(), "a journal's write past the end of the file was applied");
    std::string expected = race;
    if (expected.size() < offset + bytes.size())
        expected.resize(offset + bytes.size());
    expected.replace(offset, bytes.size(), bytes);
    fuzz::expectSame(expected, after, "the file after its journal's write");
    return 0;
}
