#include "core/timing/run_session.h"

#include <array>
#include <utility>

namespace racedesk {
namespace {

template <typename E, std::size_t N>
bool parse(const std::array<std::pair<E, const char*>, N>& keys, std::string_view key, E& m) {
    for (const auto& [value, text] : keys) {
        if (key == text) {
            m = value;
            return true;
        }
    }
    return false;
}

template <typename E, std::size_t N>
const char* key(const std::array<std::pair<E, const char*>, N>& keys, E m) {
    for (const auto& [value, text] : keys) {
        if (value == m)
            return text;
    }
    return keys[0].second;
}

constexpr std::array<std::pair<RankingMode, const char*>, 2> kRanking = {
    {{RankingMode::LapsThenTime, "CLASSEMENTToursTemps"},
     {RankingMode::BestLap, "CLASSEMENTMeilleurTour"}}};
constexpr std::array<std::pair<DurationMode, const char*>, 2> kDuration = {
    {{DurationMode::Time, "DUREESERIETemps"}, {DurationMode::Laps, "DUREESERIETours"}}};
constexpr std::array<std::pair<StartMode, const char*>, 3> kStart = {
    {{StartMode::Signal, "DEPARTSignalSonore"},
     {StartMode::Staggered, "DEPARTDecale"},
     {StartMode::FirstCar, "DEPARTPremiereVoiture"}}};
constexpr std::array<std::pair<EndOfTime, const char*>, 2> kEndOfTime = {
    {{EndOfTime::Signal, "FINTEMPSSignalSonore"}, {EndOfTime::FinishLap, "FINTEMPSFinirTour"}}};
constexpr std::array<std::pair<EndOfLaps, const char*>, 3> kEndOfLaps = {
    {{EndOfLaps::Signal, "FINTOURSignalSonore"},
     {EndOfLaps::FinishLap, "FINTOURFinirTour"},
     {EndOfLaps::AllLaps, "FINTOURFaireTousLesTours"}}};

} // namespace

const char* keyOf(RankingMode m) {
    return key(kRanking, m);
}
const char* keyOf(DurationMode m) {
    return key(kDuration, m);
}
const char* keyOf(StartMode m) {
    return key(kStart, m);
}
const char* keyOf(EndOfTime m) {
    return key(kEndOfTime, m);
}
const char* keyOf(EndOfLaps m) {
    return key(kEndOfLaps, m);
}
bool parseKey(std::string_view k, RankingMode& m) {
    return parse(kRanking, k, m);
}
bool parseKey(std::string_view k, DurationMode& m) {
    return parse(kDuration, k, m);
}
bool parseKey(std::string_view k, StartMode& m) {
    return parse(kStart, k, m);
}
bool parseKey(std::string_view k, EndOfTime& m) {
    return parse(kEndOfTime, k, m);
}
bool parseKey(std::string_view k, EndOfLaps& m) {
    return parse(kEndOfLaps, k, m);
}

} // namespace racedesk
