#pragma once
#include "core/common/fixed_text.h"
#include "core/common/race_time.h"

#include <cstdint>
#include <string_view>

namespace racedesk {

enum class RankingMode { LapsThenTime, BestLap };
enum class DurationMode { Time, Laps };
enum class StartMode { Signal, Staggered, FirstCar };
enum class EndOfTime { Signal, FinishLap };
enum class EndOfLaps { Signal, FinishLap, AllLaps };

// The keys under which these choices are stored ("CLASSEMENTToursTemps", "DEPARTDecale"...).
const char* keyOf(RankingMode m);
const char* keyOf(DurationMode m);
const char* keyOf(StartMode m);
const char* keyOf(EndOfTime m);
const char* keyOf(EndOfLaps m);
bool parseKey(std::string_view key, RankingMode& m);
bool parseKey(std::string_view key, DurationMode& m);
bool parseKey(std::string_view key, StartMode& m);
bool parseKey(std::string_view key, EndOfTime& m);
bool parseKey(std::string_view key, EndOfLaps& m);

inline constexpr int kQualifyingMaxLaps = 150;
inline constexpr int kFinalsMaxLaps = 300;

// The countdown and race-clock announcements, each played at most once per run.
enum class Announcement {
    Countdown3600,
    Countdown1800,
    Countdown900,
    Countdown300,
    Countdown120,
    Countdown60,
    Countdown30,
    Countdown10,
    Countdown5,
    Countdown4,
    Countdown3,
    Countdown2,
    Countdown1,
    HalfTime,
    FiveMinutesLeft,
    OneMinuteLeft,
    EndSignal,
    Count
};

// The last lap a car button added, which the director may take back while the run goes on.
struct ManualLapMark {
    int car = -1; // slot index; -1: nothing to take back
    int lap = 0;
    bool carFinishedBefore = false;
};

struct RunSession {
    // Settings of the run, from the category's parameters.
    RankingMode ranking = RankingMode::LapsThenTime;
    DurationMode durationMode = DurationMode::Time;
    StartMode startMode = StartMode::Signal;
    EndOfTime endOfTime = EndOfTime::FinishLap;
    EndOfLaps endOfLaps = EndOfLaps::FinishLap;
    int durationMinutes = 1; // hours and minutes, in minutes
    int targetLaps = 1;
    int countdownSeconds = 5;
    int restMinutes = 0;
    int minLapSeconds = 2;
    FixedText<8> surface{"Sec"};
    int circuitIndex = 20; // 20: the race has no circuit; its record is the spare one
    int maxLaps = kQualifyingMaxLaps;
    int maxHoursLapsRun = 2;

    // State.
    bool starting = false;   // the start waits for its clip: no command and no tick may run it
    bool holdsRun = false;   // a heat has been loaded or a run started: there is something to clear
    bool heatLoaded = false; // a heat or final is loaded into the run
    bool ready = false;
    bool countdown = false;
    bool waitingFirstCar = false; // first-car start: the countdown stands at zero
    bool running = false;
    bool restPeriod = false;
    std::int64_t countdownStartMs = 0;
    std::int64_t runClockStartMs = 0;
    std::int64_t restStartMs = 0;
    std::int64_t lastRefreshMs = 0;
    std::int64_t lastRestRefreshMs = 0;
    std::int64_t startOffset = 0; // subtracted from every passing time
    RaceTime runBestLap = kInitialRunBest;
    bool announced[static_cast<int>(Announcement::Count)] = {};
    bool restOverPlayed = false;
    ManualLapMark lastManualLap;

    // Texts shown by the board.
    FixedText<10> durationText;
    FixedText<10> elapsedText;
    FixedText<10> remainingText;
    FixedText<10> countdownText;
    FixedText<10> restMinutesText;
    FixedText<22> restRemainingText;
    bool restElapsed = false; // the rest text is drawn in the elapsed colour
    FixedText<105> header;    // the run summary line once the run has started

    int durationHours() const { return durationMinutes / 60; }
    int durationMinutesPart() const { return durationMinutes % 60; }
    bool inProgress() const { return starting || countdown || running; }
};

} // namespace racedesk
