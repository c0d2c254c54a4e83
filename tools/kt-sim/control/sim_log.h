#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace ktsim {

// One line of kt-sim's event log: its monotonic time in microseconds and its words.
struct LogEntry {
    std::int64_t micros = 0;
    std::vector<std::string> words;
};

// The whole lines of the log; a line still being written is left out.
std::vector<LogEntry> readLog(const std::string& path);

// The entries whose first words are 'prefix' ({"recv", "keepalive"}), in order.
std::vector<LogEntry> entriesOf(const std::vector<LogEntry>& log,
                                std::initializer_list<std::string_view> prefix);
std::vector<std::int64_t> timesOf(const std::vector<LogEntry>& log,
                                  std::initializer_list<std::string_view> prefix);

// A passing kt-sim sent: when, and for a KT2 the time on its own clock (else -1).
struct SentPassing {
    std::int64_t micros = 0;
    int transponder = 0;
    std::int64_t clockMs = -1;
};
std::vector<SentPassing> sentPassings(const std::vector<LogEntry>& log, int transponder);

} // namespace ktsim
