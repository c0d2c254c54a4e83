// kt-sim: a KT1 or KT2 decoder interface on a pseudo-terminal, linked as
// <workdir>/ports/COMn where the program opens its port. Commands on standard input, one a
// line: vanish (the device goes: terminal closed, link removed), return (a new terminal,
// linked again), silent / speak (stop / resume answering and sending), pass TRANSPONDER (one
// passing now), start (the cars start lapping now), quit. The end of standard input quits
// too, unless --stay.
//
// Each event is logged as "<monotonic microseconds> <event> ...": ready PORT DEVICE KIND,
// cmd TEXT, recv identify|keepalive|reset|unknown B3 B4, recv noise B, send identify-reply,
// send reset-reply, send passing TRANSPONDER [CLOCK-MS], fail ..., muted passing
// TRANSPONDER, cars-start N, cars-done, vanished, quit.
#include "decoder_simulator.h"
#include "event_log.h"
#include "options.h"
#include "pseudo_terminal.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace ktsim {
namespace {

volatile std::sig_atomic_t stopRequested = 0;

void onStopSignal(int) {
    stopRequested = 1;
}

// SIGINT and SIGTERM are let through only while waiting, so none is missed between a check
// and the wait. Gives the mask to wait with.
sigset_t catchStopSignals() {
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGINT);
    sigaddset(&blocked, SIGTERM);
    sigset_t waiting;
    ::sigprocmask(SIG_BLOCK, &blocked, &waiting);
    sigdelset(&waiting, SIGINT);
    sigdelset(&waiting, SIGTERM);
    return waiting;
}

class Simulator {
public:
    Simulator(const Options& options, EventLog& log)
        : options_(options), log_(log), linkPath_(options.workDir + "/ports/" + options.port),
          decoder_(options, log, [this](const std::uint8_t* b, int n) { return send(b, n); }) {}

    bool start();
    int run(const sigset_t& waitMask);

private:
    bool send(const std::uint8_t* bytes, int count);
    bool createTerminal();
    void readTerminal();
    void readCommands();
    void command(const std::string& line);
    timespec* timeout(timespec& storage) const;

    const Options& options_;
    EventLog& log_;
    std::string linkPath_;
    PseudoTerminal terminal_;
    DecoderSimulator decoder_;
    std::string input_;
    bool stdinOpen_ = true;
    bool quit_ = false;
};

bool Simulator::start() {
    if (!createTerminal())
        return false;
    if (!options_.kt2 && options_.startAfterMs >= 0)
        decoder_.startCars(monotonicMicros() + options_.startAfterMs * 1000);
    return true;
}

bool Simulator::createTerminal() {
    std::string error;
    if (!terminal_.create(linkPath_, error)) {
        std::fprintf(stderr, "kt-sim: %s\n", error.c_str());
        log_.at(monotonicMicros(), "fail terminal %s", error.c_str());
        return false;
    }
    log_.at(monotonicMicros(), "ready %s %s %s", options_.port.c_str(),
            terminal_.slaveName().c_str(), options_.kt2 ? "kt2" : "kt1");
    return true;
}

bool Simulator::send(const std::uint8_t* bytes, int count) {
    if (!terminal_.isOpen())
        return false;
    return ::write(terminal_.master(), bytes, std::size_t(count)) == count;
}

void Simulator::readTerminal() {
    std::array<std::uint8_t, 256> bytes{};
    for (;;) {
        const ssize_t n = ::read(terminal_.master(), bytes.data(), bytes.size());
        if (n <= 0)
            return;
        decoder_.received(bytes.data(), int(n));
    }
}

void Simulator::readCommands() {
    std::array<char, 256> chunk{};
    const ssize_t n = ::read(STDIN_FILENO, chunk.data(), chunk.size());
    if (n <= 0) {
        stdinOpen_ = false;
        quit_ = !options_.stay;
        return;
    }
    input_.append(chunk.data(), std::size_t(n));
    for (std::size_t end; (end = input_.find('\n')) != std::string::npos;) {
        std::string line = input_.substr(0, end);
        input_.erase(0, end + 1);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            command(line);
    }
}

void Simulator::command(const std::string& line) {
    log_.at(monotonicMicros(), "cmd %s", line.c_str());
    int transponder = 0;
    if (line == "vanish") {
        terminal_.destroy();
        log_.at(monotonicMicros(), "vanished");
    } else if (line == "return") {
        createTerminal();
    } else if (line == "silent" || line == "speak") {
        decoder_.setSilent(line == "silent");
    } else if (std::sscanf(line.c_str(), "pass %d", &transponder) == 1) {
        decoder_.pass(transponder);
    } else if (line == "start") {
        decoder_.startCars(monotonicMicros());
    } else if (line == "quit") {
        quit_ = true;
    } else {
        log_.at(monotonicMicros(), "fail unknown-command");
    }
}

timespec* Simulator::timeout(timespec& storage) const {
    const std::int64_t next = decoder_.nextDue();
    if (next == std::numeric_limits<std::int64_t>::max())
        return nullptr;
    const std::int64_t wait = std::max<std::int64_t>(0, next - monotonicMicros());
    storage.tv_sec = time_t(wait / 1'000'000);
    storage.tv_nsec = long(wait % 1'000'000 * 1000);
    return &storage;
}

int Simulator::run(const sigset_t& waitMask) {
    while (!quit_ && stopRequested == 0) {
        std::array<pollfd, 2> fds{};
        nfds_t count = 0;
        if (stdinOpen_)
            fds[count++] = pollfd{STDIN_FILENO, POLLIN, 0};
        const nfds_t terminalAt = count;
        if (terminal_.isOpen())
            fds[count++] = pollfd{terminal_.master(), POLLIN, 0};
        timespec storage{};
        const int ready = ::ppoll(fds.data(), count, timeout(storage), &waitMask);
        if (ready < 0 && errno != EINTR)
            return 1;
        if (ready > 0 && terminalAt < count && (fds[terminalAt].revents & POLLIN) != 0)
            readTerminal();
        if (ready > 0 && stdinOpen_ && fds[0].revents != 0)
            readCommands();
        decoder_.sendDue();
    }
    log_.at(monotonicMicros(), "quit");
    terminal_.destroy();
    return 0;
}

} // namespace
} // namespace ktsim

int main(int argc, char** argv) {
    ktsim::Options options;
    bool help = false;
    std::string error;
    if (!ktsim::parseOptions(argc, argv, options, help, error)) {
        std::fprintf(stderr, "kt-sim: %s\n%s", error.c_str(), ktsim::usage());
        return 2;
    }
    if (help) {
        std::fputs(ktsim::usage(), stdout);
        return 0;
    }
    std::FILE* out = options.logPath.empty() ? stdout : std::fopen(options.logPath.c_str(), "a");
    if (out == nullptr) {
        std::perror(options.logPath.c_str());
        return 2;
    }
    const sigset_t waitMask = ktsim::catchStopSignals();
    ktsim::EventLog log(out);
    ktsim::Simulator simulator(options, log);
    if (!simulator.start())
        return 1;
    return simulator.run(waitMask);
}
