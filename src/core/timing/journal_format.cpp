#include "core/timing/journal_format.h"

#include "core/common/checksum.h"

#include <charconv>
#include <cstring>

namespace racedesk {
namespace {

void putLittle(std::uint8_t* out, std::uint64_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i)
        out[i] = std::uint8_t(value >> (8 * i) & 0xFF);
}

std::uint64_t little(std::string_view in, std::size_t at, std::size_t size) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value |= std::uint64_t(static_cast<unsigned char>(in[at + i])) << (8 * i);
    return value;
}

std::uint32_t recordCheck(std::string_view covered) {
    return std::uint32_t(fnv1a64(covered) & 0xFFFFFFFFu);
}

// A switch without a default, so that a type added to JournalType and not here fails the build.
bool knownType(char type) {
    switch (JournalType(type)) {
    case JournalType::Bytes:
    case JournalType::Start:
    case JournalType::Go:
    case JournalType::Manual:
    case JournalType::Stop:
    case JournalType::Clear:
    case JournalType::Commit:
    case JournalType::Edit:
    case JournalType::Declined:
    case JournalType::PortReset:
    case JournalType::Session:
    case JournalType::Transponder:
    case JournalType::Undo:
    case JournalType::Recovery:
        return true;
    }
    return false;
}

constexpr std::size_t kSegmentHead = 1 + 8;

} // namespace

std::size_t composeJournalRecord(JournalType type, std::int64_t stamp, std::string_view payload,
                                 std::uint8_t* out) {
    if (payload.size() > kJournalMaxPayload)
        return 0;
    out[0] = std::uint8_t(type);
    putLittle(out + 1, payload.size(), 2);
    putLittle(out + 3, std::uint64_t(stamp), 8);
    // An empty payload may have no data pointer at all, which memcpy must never be given.
    if (!payload.empty())
        std::memcpy(out + kJournalHeadSize, payload.data(), payload.size());
    const std::size_t covered = kJournalHeadSize + payload.size();
    putLittle(out + covered,
              recordCheck(std::string_view(reinterpret_cast<const char*>(out), covered)),
              kJournalCheckSize);
    return covered + kJournalCheckSize;
}

std::vector<JournalRecord> readJournalRecords(std::string_view file, std::size_t& validSize) {
    std::vector<JournalRecord> records;
    validSize = 0;
    if (file.substr(0, kJournalSignature.size()) != kJournalSignature)
        return records;
    std::size_t at = kJournalSignature.size();
    validSize = at;
    while (file.size() - at >= kJournalHeadSize + kJournalCheckSize) {
        const std::size_t size = std::size_t(little(file, at + 1, 2));
        const std::size_t covered = kJournalHeadSize + size;
        if (!knownType(file[at]) || size > kJournalMaxPayload ||
            file.size() - at < covered + kJournalCheckSize ||
            little(file, at + covered, kJournalCheckSize) != recordCheck(file.substr(at, covered)))
            break;
        JournalRecord r;
        r.type = JournalType(file[at]);
        r.stamp = std::int64_t(little(file, at + 3, 8));
        r.payload = std::string(file.substr(at + kJournalHeadSize, size));
        records.push_back(std::move(r));
        at += covered + kJournalCheckSize;
        validSize = at;
    }
    return records;
}

std::size_t composeByteSegments(const std::uint8_t* bytes, const std::int64_t* stamps, int count,
                                std::uint8_t* out) {
    std::size_t size = 0;
    int i = 0;
    while (i < count && size + kSegmentHead + 1 <= kJournalMaxPayload) {
        int n = 1;
        while (i + n < count && n < 255 && stamps[i + n] == stamps[i] &&
               size + kSegmentHead + std::size_t(n) + 1 <= kJournalMaxPayload)
            ++n;
        out[size] = std::uint8_t(n);
        putLittle(out + size + 1, std::uint64_t(stamps[i]), 8);
        std::memcpy(out + size + kSegmentHead, bytes + i, std::size_t(n));
        size += kSegmentHead + std::size_t(n);
        i += n;
    }
    return size;
}

bool parseByteSegments(std::string_view payload, std::vector<std::uint8_t>& bytes,
                       std::vector<std::int64_t>& stamps) {
    bytes.clear();
    stamps.clear();
    std::size_t at = 0;
    while (at < payload.size()) {
        if (payload.size() - at < kSegmentHead)
            return false;
        const std::size_t n = static_cast<unsigned char>(payload[at]);
        const auto stamp = std::int64_t(little(payload, at + 1, 8));
        if (n == 0 || payload.size() - at - kSegmentHead < n)
            return false;
        for (std::size_t i = 0; i < n; ++i) {
            bytes.push_back(static_cast<std::uint8_t>(payload[at + kSegmentHead + i]));
            stamps.push_back(stamp);
        }
        at += kSegmentHead + n;
    }
    return true;
}

bool parseJournalNumber(std::string_view field, std::int64_t& value) {
    const char* end = field.data() + field.size();
    const auto result = std::from_chars(field.data(), end, value);
    return result.ec == std::errc() && result.ptr == end && !field.empty();
}

} // namespace racedesk
