#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace racedesk {

// The decoder journal's file: a signature, then records one after the other, each
//   type (1 byte), payload size (2 bytes), stamp (8 bytes), payload, check (4 bytes)
// in little-endian order, the check being the low 32 bits of FNV-1a 64 over everything
// before it. The stamp is the high-resolution counter when the record was made. A
// docs/decoder-journal.md describes every record for the scripts that read it.
inline constexpr std::string_view kJournalSignature = "RDJRNL1\n";
inline constexpr std::size_t kJournalHeadSize = 1 + 2 + 8;
inline constexpr std::size_t kJournalCheckSize = 4;
inline constexpr std::size_t kJournalMaxPayload = 4096;
inline constexpr std::size_t kJournalMaxRecord =
    kJournalHeadSize + kJournalMaxPayload + kJournalCheckSize;

enum class JournalType : std::uint8_t {
    Bytes = 'B',       // what one read took from the decoder: segments of (count, stamp, bytes)
    Start = 'S',       // a run's time base is fixed: its identity, settings and cars
    Go = 'G',          // the run clock starts: the offset and the time base
    Manual = 'M',      // a manual passing: the car
    Stop = 'P',        // the run stops
    Clear = 'C',       // the run is cleared
    Commit = 'K',      // the run is stored in its section
    Edit = 'E',        // a result corrected on the board
    Declined = 'D',    // the director chose not to take back an interrupted run
    PortReset = 'R',   // the port was opened or closed: bytes received and not decoded are gone
    Session = 'O',     // the program started: what follows belongs to no run of before
    Transponder = 'T', // a driver took a transponder: from the club's pack, or by the scan
    Undo = 'U',        // the last manual passing was taken back
    Recovery = 'V',    // a recovery of the decoder link begins waiting (1) or ends (0)
};

struct JournalRecord {
    JournalType type = JournalType::Bytes;
    std::int64_t stamp = 0;
    std::string payload;
};

// One record composed into `out` (room for kJournalMaxRecord); gives its size, 0 when the
// payload is too long.
std::size_t composeJournalRecord(JournalType type, std::int64_t stamp, std::string_view payload,
                                 std::uint8_t* out);

// Every record up to the first one cut or damaged; `validSize` is where that one begins, so
// that a journal is continued after its last sound record.
std::vector<JournalRecord> readJournalRecords(std::string_view file, std::size_t& validSize);

// The payload of a Bytes record: each segment is a count (1 byte), the arrival stamp of its
// bytes (8 bytes), then the bytes. Gives the size composed into `out`, which has room for
// kJournalMaxPayload.
std::size_t composeByteSegments(const std::uint8_t* bytes, const std::int64_t* stamps, int count,
                                std::uint8_t* out);
// The bytes and stamps of a Bytes record's payload; false when its segments do not add up.
bool parseByteSegments(std::string_view payload, std::vector<std::uint8_t>& bytes,
                       std::vector<std::int64_t>& stamps);

// Event payloads are text, fields each followed by a tab, Windows-1252, as in the race file
// (read with FieldReader). A 64-bit number of such a field; false when it holds none.
bool parseJournalNumber(std::string_view field, std::int64_t& value);

} // namespace racedesk
