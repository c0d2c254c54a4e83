#pragma once
#include "core/common/race_time.h"
#include "core/common/texts.h"
#include "core/race/participant.h"
#include "core/race/section_file.h"
#include "core/timing/run_session.h"

#include <array>
#include <string>
#include <string_view>

namespace racedesk {

// The stored qualifying classifications of a category. Both hold one line per participant
// after their first line, so their readers and writers take P, the category's number of
// participants (0 to 200), which also sizes their areas.

// "Catégorie%dM%dClassement": the ranking mode and the points scale, then for each
// participant in classification order: name, laps, total time, best lap, points.
inline constexpr Text kRoundClassificationTitleNotFound = Text::ErrTitleRoundClassification;

constexpr int roundClassificationUnits(int participants) {
    return 35 * participants + 24;
}

struct PointsScale {
    int first = 5; // the category's participants + 5 by default
    int gapFirstSecond = 2;
    int gapSecondThird = 1;
    int gapThirdFourth = 1;
    int gapFourthFifth = 1;
    int gapFurther = 1; // between every two places from the 5th on
};

PointsScale defaultPointsScale(int participants);

struct RoundEntry {
    DriverName name;
    int laps = 0;
    RaceTime totalTime = 0;
    RaceTime bestLap = 0;
    int points = 0;
};

// A round gathers the drivers of all its heats, which may be more than the category's
// participants (a heat composition has 220 places); only the first P are stored.
inline constexpr int kMaxRoundEntries = 220;

struct RoundClassification {
    RankingMode ranking = RankingMode::LapsThenTime;
    PointsScale scale;
    std::array<RoundEntry, kMaxRoundEntries> entries;
};

// The defaults: laps + time, the default scale for P participants, no entries.
RoundClassification defaultRoundClassification(int participants);
// The first P entries after the first line.
std::string composeRoundClassification(const RoundClassification& round, int participants);
// Over the defaults for P; P lines are read, the entries the body does not reach stay empty.
RoundClassification parseRoundClassification(std::string_view body, int participants);

bool readRoundClassification(SectionFile& file, int category, int round, int participants,
                             RoundClassification& classification);
WriteStatus writeRoundClassification(SectionFile& file, int category, int round, int participants,
                                     const RoundClassification& classification);

// "Catégorie%dClassementFinalQualifs": the tie-break mode and the number of best rounds
// counted, then the participants' names in overall order.
inline constexpr Text kOverallClassificationTitleNotFound = Text::ErrTitleOverallClassification;

constexpr int overallClassificationUnits(int participants) {
    return 22 * participants + 15;
}

struct OverallClassification {
    RankingMode tieBreak = RankingMode::LapsThenTime;
    int bestRounds = 1; // 0 to 9
    std::array<DriverName, kMaxParticipants> names;
};

std::string composeOverallClassification(const OverallClassification& overall, int participants);
OverallClassification parseOverallClassification(std::string_view body, int participants);

bool readOverallClassification(SectionFile& file, int category, int participants,
                               OverallClassification& classification);
WriteStatus writeOverallClassification(SectionFile& file, int category, int participants,
                                       const OverallClassification& classification);

} // namespace racedesk
