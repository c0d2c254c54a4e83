// The decoder's byte stream, as the tick reads it: arbitrary bytes in chunks of arbitrary
// sizes. The first bytes of the input choose the interface kind, the recovery state and the
// chunk sizes. Besides never reading or writing outside its buffers, the decoder must find
// the same KT2 passings however the stream was cut into reads.
#include "fuzz_support.h"

#include "core/timing/decoder_protocol.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

using namespace racedesk;

namespace {

struct Decoded {
    std::vector<Passing> passings;
    bool identify = false;
};

// Feeds the stream in reads of the sizes `sizes` gives in turn (1 to kMaxRead bytes).
Decoded decode(std::string_view stream, InterfaceKind kind, bool recovery, std::string_view sizes) {
    ReceiveBuffer rx;
    TimeBase base{0, 1000};
    Decoded result;
    std::size_t next = 0;
    std::size_t turn = 0;
    while (next < stream.size()) {
        const int wanted =
            sizes.empty() ? kMaxRead : 1 + static_cast<std::uint8_t>(sizes[turn++ % sizes.size()]);
        const int room = rx.room();
        fuzz::expect(room > 0 && room <= kMaxRead, "the buffer has no room for a read");
        const std::size_t n =
            std::min({std::size_t(wanted), std::size_t(room), stream.size() - next});
        std::memcpy(rx.bytes.data() + rx.count, stream.data() + next, n);
        for (std::size_t i = 0; i < n; ++i)
            rx.stamps[std::size_t(rx.count) + i] = std::int64_t(next + i);
        rx.count += int(n);
        next += n;
        DecodeOutput out;
        decodePassings(rx, kind, recovery, base, out);
        fuzz::expect(out.count >= 0 && out.count <= DecodeOutput::kCapacity, "passings overflow");
        fuzz::expect(rx.count >= 0 && rx.count < ReceiveBuffer::kCapacity, "tail overflow");
        for (int i = 0; i < out.count; ++i) {
            const Passing& p = out.passings[std::size_t(i)];
            fuzz::expect(p.transponder.size() <= 6, "a transponder of more than six digits");
            result.passings.push_back(p);
        }
        result.identify = result.identify || out.identifyReply;
    }
    return result;
}

void expectSameStream(const Decoded& whole, const Decoded& chunked) {
    fuzz::expect(whole.passings.size() == chunked.passings.size(),
                 "cutting the stream into other reads changed the number of passings");
    for (std::size_t i = 0; i < whole.passings.size(); ++i) {
        fuzz::expect(whole.passings[i].transponder == chunked.passings[i].transponder &&
                         whole.passings[i].timeMs == chunked.passings[i].timeMs,
                     "cutting the stream into other reads changed a passing");
    }
}

// A reply scan keeps at most what could begin a reply, whatever the stream.
void scanReplies(std::string_view stream, bool (*scan)(ReceiveBuffer&)) {
    ReceiveBuffer rx;
    for (std::size_t next = 0; next < stream.size();) {
        fuzz::expect(rx.room() > 0, "a reply scan left no room for the next read");
        const std::size_t n = std::min(std::size_t(rx.room()), stream.size() - next);
        std::memcpy(rx.bytes.data() + rx.count, stream.data() + next, n);
        rx.count += int(n);
        next += n;
        scan(rx);
        fuzz::expect(rx.count >= 0 && rx.count < ReceiveBuffer::kCapacity,
                     "a reply scan kept too much");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputSplitter input(data, size);
    const std::uint8_t mode = input.byte();
    const InterfaceKind kind = mode & 1 ? InterfaceKind::KT2 : InterfaceKind::KT1;
    const bool recovery = (mode & 2) != 0;
    const std::string_view sizes = input.take(input.byte() % 16);
    const std::string_view stream = input.rest();
    const Decoded chunked = decode(stream, kind, recovery, sizes);
    if (kind == InterfaceKind::KT2 && !recovery)
        expectSameStream(decode(stream, kind, recovery, {}), chunked);
    scanReplies(stream, scanIdentifyReply);
    scanReplies(stream, scanClockResetReply);
    return 0;
}
