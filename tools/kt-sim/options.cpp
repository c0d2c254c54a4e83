#include "options.h"

#include <charconv>
#include <string_view>

namespace ktsim {
namespace {

template <typename T> bool parseNumber(std::string_view text, T& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// The comma-separated items of 'text', each through 'parse'; false at the first it refuses.
template <typename T, typename Parse>
bool parseItems(std::string_view text, std::vector<T>& values, Parse parse) {
    values.clear();
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        T value = 0;
        if (!parse(text.substr(0, comma), value))
            return false;
        values.push_back(value);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return true;
}

bool parseTransponder(std::string_view text, int& value) {
    return parseNumber(text, value) && value >= 0 && value <= 0xFFFF;
}

// "409" or "409.75": milliseconds to the microsecond.
bool parseMillisAsMicros(std::string_view text, std::int64_t& micros) {
    const std::size_t point = text.find('.');
    std::int64_t ms = 0;
    if (!parseNumber(text.substr(0, point), ms) || ms < 0 || ms > 60'000)
        return false;
    micros = ms * 1000;
    if (point == std::string_view::npos)
        return true;
    const std::string_view fraction = text.substr(point + 1);
    std::int64_t digits = 0;
    if (fraction.empty() || fraction.size() > 3 || !parseNumber(fraction, digits) || digits < 0)
        return false;
    for (std::size_t i = fraction.size(); i < 3; ++i)
        digits *= 10;
    micros += digits;
    return true;
}

bool isPortName(std::string_view name) {
    int number = 0;
    return name.size() > 3 && name.substr(0, 3) == "COM" && parseNumber(name.substr(3), number) &&
           number >= 1;
}

// The cars not given a transponder get 1001, 1002 ...
void completeTransponders(Options& o, int cars) {
    if (cars < int(o.transponders.size()))
        o.transponders.resize(std::size_t(cars));
    for (int i = int(o.transponders.size()); i < cars; ++i)
        o.transponders.push_back(1001 + i);
}

} // namespace

const char* usage() {
    return "usage: kt-sim --workdir DIR [options]\n"
           "  --port COMn            link the terminal as DIR/ports/COMn (COM1)\n"
           "  --kt1 | --kt2          interface generation (KT2)\n"
           "  --cars N               cars lapping (0)\n"
           "  --transponders A,B,..  their transponders (1001, 1002 ...)\n"
           "  --lap-ms MS            lap time (20000)\n"
           "  --jitter-ms MS         each lap varies by up to this, either way (300)\n"
           "  --start-after-ms MS    KT1: cars start this long after launch (0);\n"
           "                         negative: only on the 'start' command\n"
           "                         (KT2 cars start at each clock reset)\n"
           "  --laps N               passings per car, then it stops (0: no end)\n"
           "  --after-keepalive-ms A,B,..\n"
           "                         KT2: no laps; after each keep-alive the next car\n"
           "                         passes A ms later, after the next B ms ... (cycling;\n"
           "                         to the microsecond: 409.75)\n"
           "  --seed N               seed of the lap variations (1)\n"
           "  --log FILE             event log (standard output)\n"
           "  --stay                 keep running when standard input ends\n"
           "commands on standard input, one a line:\n"
           "  vanish | return | silent | speak | pass TRANSPONDER | start | quit\n";
}

bool parseOptions(int argc, char** argv, Options& o, bool& help, std::string& error) {
    help = false;
    int cars = 0;
    bool carsGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        const std::string_view value = hasValue ? std::string_view(argv[i + 1]) : "";
        bool ok = true;
        bool usesValue = true;
        if (arg == "--help" || arg == "-h") {
            help = true;
            return true;
        } else if (arg == "--kt1" || arg == "--kt2") {
            o.kt2 = arg == "--kt2";
            usesValue = false;
        } else if (arg == "--stay") {
            o.stay = true;
            usesValue = false;
        } else if (!hasValue) {
            ok = false;
        } else if (arg == "--workdir") {
            o.workDir = value;
        } else if (arg == "--port") {
            o.port = value;
            ok = isPortName(value);
        } else if (arg == "--cars") {
            ok = parseNumber(value, cars) && cars >= 0;
            carsGiven = true;
        } else if (arg == "--transponders") {
            ok = parseItems(value, o.transponders, parseTransponder);
        } else if (arg == "--lap-ms") {
            ok = parseNumber(value, o.lapMs) && o.lapMs > 0;
        } else if (arg == "--jitter-ms") {
            ok = parseNumber(value, o.jitterMs) && o.jitterMs >= 0;
        } else if (arg == "--start-after-ms") {
            ok = parseNumber(value, o.startAfterMs);
        } else if (arg == "--after-keepalive-ms") {
            ok = parseItems(value, o.afterKeepAliveMicros, parseMillisAsMicros) &&
                 !o.afterKeepAliveMicros.empty();
        } else if (arg == "--laps") {
            ok = parseNumber(value, o.laps) && o.laps >= 0;
        } else if (arg == "--seed") {
            ok = parseNumber(value, o.seed);
        } else if (arg == "--log") {
            o.logPath = value;
        } else {
            error = "unknown option " + std::string(arg);
            return false;
        }
        if (!ok) {
            error = "bad or missing value for " + std::string(arg);
            return false;
        }
        if (usesValue)
            ++i;
    }
    if (o.workDir.empty()) {
        error = "--workdir is required";
        return false;
    }
    completeTransponders(o, carsGiven ? cars : int(o.transponders.size()));
    return true;
}

} // namespace ktsim
