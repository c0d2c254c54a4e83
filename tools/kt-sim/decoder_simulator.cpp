#include "decoder_simulator.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace ktsim {
namespace {

constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();
constexpr int kCommandSize = 5;

bool startsCommand(const std::vector<std::uint8_t>& b) {
    return b[0] == 0xFF && b[1] == 0xFF && b[2] == 0xFF;
}

} // namespace

DecoderSimulator::DecoderSimulator(const Options& options, EventLog& log, Send send)
    : options_(options), log_(log), send_(std::move(send)), clockZero_(monotonicMicros()),
      random_(options.seed) {
    for (const int t : options.transponders)
        cars_.push_back(Car{t, kNever, 0});
}

void DecoderSimulator::received(const std::uint8_t* bytes, int count) {
    pending_.insert(pending_.end(), bytes, bytes + count);
    while (pending_.size() >= std::size_t(kCommandSize)) {
        if (!startsCommand(pending_)) {
            log_.at(monotonicMicros(), "recv noise %02x", pending_[0]);
            pending_.erase(pending_.begin());
            continue;
        }
        const Command command = commandOf(pending_.data());
        log_.at(monotonicMicros(), "recv %s %02x %02x", nameOf(command), pending_[3], pending_[4]);
        pending_.erase(pending_.begin(), pending_.begin() + kCommandSize);
        answer(command);
    }
}

void DecoderSimulator::answer(Command command) {
    if (!options_.kt2 || silent_)
        return;
    if (command == Command::KeepAlive) {
        scheduleAfterKeepAlive();
    } else if (command == Command::Identify) {
        reply(identifyReply(), "identify-reply");
    } else if (command == Command::ClockReset) {
        clockZero_ = monotonicMicros();
        reply(clockResetReply(), "reset-reply");
        startCars(clockZero_);
    }
}

void DecoderSimulator::reply(const Kt2Reply& bytes, const char* name) {
    const std::int64_t now = monotonicMicros();
    if (send_(bytes.data(), int(bytes.size())))
        log_.at(now, "send %s", name);
    else
        log_.at(now, "fail %s", name);
}

void DecoderSimulator::pass(int transponder) {
    sendPassing(transponder);
}

// Passings that arrive at a chosen moment of the keep-alive period, to meet the program's
// next keep-alive on the wire at any offset.
void DecoderSimulator::scheduleAfterKeepAlive() {
    const std::vector<std::int64_t>& offsets = options_.afterKeepAliveMicros;
    if (offsets.empty() || cars_.empty())
        return;
    const std::size_t n = keepAlives_++;
    const Scheduled next{monotonicMicros() + offsets[n % offsets.size()],
                         cars_[n % cars_.size()].transponder};
    scheduled_.insert(std::upper_bound(scheduled_.begin(), scheduled_.end(), next,
                                       [](const Scheduled& a, const Scheduled& b) {
                                           return a.micros < b.micros;
                                       }),
                      next);
}

void DecoderSimulator::startCars(std::int64_t micros) {
    if (!options_.afterKeepAliveMicros.empty())
        return; // passings come from the keep-alives instead
    for (Car& car : cars_) {
        car.sent = 0;
        car.nextMicros = micros + lapMicros();
    }
    doneLogged_ = cars_.empty();
    log_.at(monotonicMicros(), "cars-start %zu", cars_.size());
}

void DecoderSimulator::sendDue() {
    while (!scheduled_.empty() && scheduled_.front().micros <= monotonicMicros()) {
        sendPassing(scheduled_.front().transponder);
        scheduled_.erase(scheduled_.begin());
    }
    for (;;) {
        const auto car =
            std::min_element(cars_.begin(), cars_.end(), [](const Car& a, const Car& b) {
                return a.nextMicros < b.nextMicros;
            });
        if (car == cars_.end() || car->nextMicros > monotonicMicros())
            break;
        sendPassing(car->transponder);
        ++car->sent;
        const bool done = options_.laps > 0 && car->sent >= options_.laps;
        car->nextMicros = done ? kNever : car->nextMicros + lapMicros();
    }
    if (!doneLogged_ && allCarsDone()) {
        doneLogged_ = true;
        log_.at(monotonicMicros(), "cars-done");
    }
}

std::int64_t DecoderSimulator::nextDue() const {
    std::int64_t next = scheduled_.empty() ? kNever : scheduled_.front().micros;
    for (const Car& car : cars_)
        next = std::min(next, car.nextMicros);
    return next;
}

void DecoderSimulator::sendPassing(int transponder) {
    const std::int64_t now = monotonicMicros();
    if (silent_) {
        log_.at(now, "muted passing %d", transponder);
        return;
    }
    if (options_.kt2) {
        const std::int64_t clockMs = (now - clockZero_) / 1000;
        const Kt2Passing bytes = kt2Passing(transponder, clockMs);
        const bool sent = send_(bytes.data(), int(bytes.size()));
        log_.at(now, "%s passing %d %lld", sent ? "send" : "fail", transponder,
                static_cast<long long>(clockMs));
    } else {
        const Kt1Passing bytes = kt1Passing(transponder);
        const bool sent = send_(bytes.data(), int(bytes.size()));
        log_.at(now, "%s passing %d", sent ? "send" : "fail", transponder);
    }
}

// A lap of lap-ms, give or take up to jitter-ms, to the microsecond; never under 1 ms.
std::int64_t DecoderSimulator::lapMicros() {
    const std::int64_t jitter = options_.jitterMs * 1000;
    std::uniform_int_distribution<std::int64_t> spread(-jitter, jitter);
    return std::max<std::int64_t>(1000, options_.lapMs * 1000 + spread(random_));
}

bool DecoderSimulator::allCarsDone() const {
    return std::all_of(cars_.begin(), cars_.end(),
                       [](const Car& c) { return c.nextMicros == kNever; });
}

} // namespace ktsim
