// The meeting's pages as the live server renders them, one request each: the race file copied
// under its lock and read afresh, then the page composed. A whole meeting of sixteen drivers
// from qualifying to the Final (meeting_with_results.h).
#include "core/web/meeting_site.h"
#include "support/meeting_with_results.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace racedesk {
namespace {

struct Meeting {
    Meeting() { failure = test::runWholeMeeting(program); }
    test::TestProgram program;
    std::string failure;
};

Meeting& meeting() {
    static Meeting m;
    return m;
}

void renderPage(benchmark::State& state, const char* path) {
    Meeting& m = meeting();
    if (!m.failure.empty()) {
        state.SkipWithError(m.failure.c_str());
        return;
    }
    const MeetingSource source{m.program.folder.path()};
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::optional<WebPage> page = meetingPage(source, path, true);
        bytes = page ? page->body.size() : 0;
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["page_bytes"] = double(bytes);
}

BENCHMARK_CAPTURE(renderPage, meeting, "/")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(renderPage, category, "/category1.html")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(renderPage, heat, "/category1-round1-heat1.html")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(renderPage, heatDetail, "/category1-round1-heat1-detail.html")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(renderPage, overall, "/category1-overall.html")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(renderPage, closure, "/category1-closure.html")->Unit(benchmark::kMicrosecond);

void listPaths(benchmark::State& state) {
    Meeting& m = meeting();
    const MeetingSource source{m.program.folder.path()};
    for (auto _ : state)
        benchmark::DoNotOptimize(meetingPagePaths(source).size());
}
BENCHMARK(listPaths)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace racedesk
