#include "kt-sim/control/sim_log.h"

#include <fstream>
#include <sstream>

namespace ktsim {
namespace {

bool startsWith(const LogEntry& e, std::initializer_list<std::string_view> prefix) {
    if (e.words.size() < prefix.size())
        return false;
    std::size_t i = 0;
    for (const std::string_view word : prefix) {
        if (e.words[i++] != word)
            return false;
    }
    return true;
}

} // namespace

std::vector<LogEntry> readLog(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream whole;
    whole << in.rdbuf();
    const std::string text = whole.str();
    std::vector<LogEntry> log;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        std::istringstream line(text.substr(start, end - start));
        LogEntry entry;
        if (!(line >> entry.micros))
            continue;
        for (std::string word; line >> word;)
            entry.words.push_back(word);
        log.push_back(std::move(entry));
    }
    return log;
}

std::vector<LogEntry> entriesOf(const std::vector<LogEntry>& log,
                                std::initializer_list<std::string_view> prefix) {
    std::vector<LogEntry> found;
    for (const LogEntry& e : log) {
        if (startsWith(e, prefix))
            found.push_back(e);
    }
    return found;
}

std::vector<std::int64_t> timesOf(const std::vector<LogEntry>& log,
                                  std::initializer_list<std::string_view> prefix) {
    std::vector<std::int64_t> times;
    for (const LogEntry& e : entriesOf(log, prefix))
        times.push_back(e.micros);
    return times;
}

std::vector<SentPassing> sentPassings(const std::vector<LogEntry>& log, int transponder) {
    std::vector<SentPassing> sent;
    for (const LogEntry& e : entriesOf(log, {"send", "passing"})) {
        if (e.words.size() < 3 || std::stoi(e.words[2]) != transponder)
            continue;
        const std::int64_t clockMs = e.words.size() > 3 ? std::stoll(e.words[3]) : -1;
        sent.push_back(SentPassing{e.micros, transponder, clockMs});
    }
    return sent;
}

} // namespace ktsim
