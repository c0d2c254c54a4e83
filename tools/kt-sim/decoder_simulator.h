#pragma once
#include "decoder_messages.h"
#include "event_log.h"
#include "options.h"

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace ktsim {

// The interface's behaviour: a KT2 answers identify and clock reset, takes keep-alives
// silently and stamps passings with its own clock since the last reset; a KT1 answers
// nothing and sends each passing as it happens. Every message sent is logged.
class DecoderSimulator {
public:
    // Writes one message to the program in one write; false when it could not.
    using Send = std::function<bool(const std::uint8_t* bytes, int count)>;

    DecoderSimulator(const Options& options, EventLog& log, Send send);

    // Bytes the program wrote.
    void received(const std::uint8_t* bytes, int count);
    // One passing now, outside the cars' laps.
    void pass(int transponder);
    // The cars lap from 'micros' on: their first passing comes one lap later.
    void startCars(std::int64_t micros);
    // A silent interface neither answers nor sends; its cars go on lapping unseen.
    void setSilent(bool silent) { silent_ = silent; }

    // Sends the cars' passings that are due.
    void sendDue();
    // When the next passing is due; INT64_MAX when none is.
    std::int64_t nextDue() const;

private:
    struct Car {
        int transponder = 0;
        std::int64_t nextMicros = 0;
        int sent = 0;
    };

    struct Scheduled {
        std::int64_t micros = 0;
        int transponder = 0;
    };

    void answer(Command command);
    void scheduleAfterKeepAlive();
    void reply(const Kt2Reply& bytes, const char* name);
    void sendPassing(int transponder);
    std::int64_t lapMicros();
    bool allCarsDone() const;

    const Options& options_;
    EventLog& log_;
    Send send_;
    std::vector<Car> cars_;
    std::vector<Scheduled> scheduled_; // passings timed from keep-alives, earliest first
    std::size_t keepAlives_ = 0;
    std::vector<std::uint8_t> pending_; // command bytes not yet whole
    std::int64_t clockZero_;            // the KT2 clock's origin, in monotonic microseconds
    bool silent_ = false;
    bool doneLogged_ = true;
    std::mt19937_64 random_;
};

} // namespace ktsim
