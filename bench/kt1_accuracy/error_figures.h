#pragma once
#include <vector>

namespace racedesk::bench {

// The usual figures of a set of errors, in milliseconds.
struct ErrorFigures {
    int count = 0;
    double meanSigned = 0; // systematic offset
    double p50 = 0;        // of the absolute errors
    double p95 = 0;
    double worst = 0;
};

// Percentiles by the nearest rank.
ErrorFigures errorFigures(const std::vector<double>& signedErrors);

} // namespace racedesk::bench
