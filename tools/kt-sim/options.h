#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace ktsim {

struct Options {
    std::string workDir;
    std::string port = "COM1";
    bool kt2 = true;
    std::vector<int> transponders; // one per car
    std::int64_t lapMs = 20000;
    std::int64_t jitterMs = 300;
    std::int64_t startAfterMs = 0; // KT1: cars start this long after launch; negative: on 'start'
    int laps = 0;                  // passings per car; 0: no end
    // When given, the cars do not lap: after each keep-alive one car, in turn, passes this
    // long after it, the offsets taken one a keep-alive and over again.
    std::vector<std::int64_t> afterKeepAliveMicros;
    unsigned seed = 1;
    std::string logPath; // empty: standard output
    bool stay = false;   // keep running when standard input ends
};

// Gives false with a message in 'error' for a bad command line; 'help' when asked for it.
bool parseOptions(int argc, char** argv, Options& options, bool& help, std::string& error);
const char* usage();

} // namespace ktsim
