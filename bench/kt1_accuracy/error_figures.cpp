#include "error_figures.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace racedesk::bench {
namespace {

double nearestRank(const std::vector<double>& sorted, double fraction) {
    const auto rank = std::size_t(std::ceil(fraction * double(sorted.size())));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

} // namespace

ErrorFigures errorFigures(const std::vector<double>& signedErrors) {
    ErrorFigures f;
    if (signedErrors.empty())
        return f;
    std::vector<double> absolute;
    for (const double e : signedErrors)
        absolute.push_back(std::fabs(e));
    std::sort(absolute.begin(), absolute.end());
    f.count = int(signedErrors.size());
    f.meanSigned = std::accumulate(signedErrors.begin(), signedErrors.end(), 0.0) / f.count;
    f.p50 = nearestRank(absolute, 0.50);
    f.p95 = nearestRank(absolute, 0.95);
    f.worst = absolute.back();
    return f;
}

} // namespace racedesk::bench
