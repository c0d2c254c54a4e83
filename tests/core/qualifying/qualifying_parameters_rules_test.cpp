#include "core/qualifying/qualifying_parameters_rules.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace racedesk {
namespace {

using namespace qualifying_control;

bool enabled(const QualifyingParameters& p, int control) {
    return controlState(p, control).enabled;
}
bool shown(const QualifyingParameters& p, int control) {
    return controlState(p, control).shown;
}

TEST(QualifyingParametersRules, aTimedRunShowsTheMinutesAndOnlyItsOwnEndOptions) {
    const QualifyingParameters p;
    for (int id : {kMinutes, kMinutesUnit})
        EXPECT_TRUE(shown(p, id)) << id;
    for (int id : {kLaps, kLapsUnit})
        EXPECT_FALSE(shown(p, id)) << id;
    for (int id : {kTimeEndGroup, kTimeEndSignal, kTimeEndFinishLap})
        EXPECT_TRUE(enabled(p, id)) << id;
    for (int id : {kLapsEndGroup, kLapsEndSignal, kLapsEndFinishLap, kLapsEndAllLaps})
        EXPECT_FALSE(enabled(p, id)) << id;
}

TEST(QualifyingParametersRules, choosingLapsShowsTheLapsAndSwapsTheEndOptions) {
    QualifyingParameters p;
    setControl(p, kDurationLaps, true);
    EXPECT_EQ(p.duration, DurationMode::Laps);
    for (int id : {kLaps, kLapsUnit})
        EXPECT_TRUE(shown(p, id)) << id;
    for (int id : {kMinutes, kMinutesUnit})
        EXPECT_FALSE(shown(p, id)) << id;
    for (int id : {kLapsEndGroup, kLapsEndSignal, kLapsEndFinishLap, kLapsEndAllLaps})
        EXPECT_TRUE(enabled(p, id)) << id;
    for (int id : {kTimeEndGroup, kTimeEndSignal, kTimeEndFinishLap})
        EXPECT_FALSE(enabled(p, id)) << id;

    setControl(p, kDurationTime, true);
    EXPECT_EQ(p.duration, DurationMode::Time);
    EXPECT_TRUE(shown(p, kMinutes));
    EXPECT_FALSE(shown(p, kLaps));
}

TEST(QualifyingParametersRules, theStaggeredStartForcesAndLocksTheEndOptions) {
    QualifyingParameters p;
    setControl(p, kTimeEndSignal, true);
    setControl(p, kLapsEndSignal, true);
    setControl(p, kStartStaggered, true);
    EXPECT_EQ(p.start, StartMode::Staggered);
    EXPECT_EQ(p.endOfTime, EndOfTime::FinishLap);
    EXPECT_EQ(p.endOfLaps, EndOfLaps::AllLaps);
    EXPECT_TRUE(controlChecked(p, kTimeEndFinishLap));
    EXPECT_FALSE(controlChecked(p, kTimeEndSignal));
    EXPECT_FALSE(enabled(p, kTimeEndSignal));
    EXPECT_TRUE(enabled(p, kTimeEndFinishLap));

    // Then "Nbre tours": in the lap-count group only "all the laps" is left, and checked.
    setControl(p, kDurationLaps, true);
    EXPECT_FALSE(enabled(p, kLapsEndSignal));
    EXPECT_FALSE(enabled(p, kLapsEndFinishLap));
    EXPECT_TRUE(enabled(p, kLapsEndAllLaps));
    EXPECT_TRUE(controlChecked(p, kLapsEndAllLaps));
    EXPECT_FALSE(controlChecked(p, kLapsEndSignal));
    EXPECT_FALSE(controlChecked(p, kLapsEndFinishLap));
    EXPECT_FALSE(enabled(p, kTimeEndFinishLap)) << "the timed group is off for a lap-count run";
}

TEST(QualifyingParametersRules, anotherStartReenablesTheEndOptionsOfTheDurationTypeOnly) {
    for (int start : {kStartSignal, kStartFirstCar}) {
        QualifyingParameters p;
        setControl(p, kDurationLaps, true);
        setControl(p, kStartStaggered, true);
        setControl(p, start, true);
        EXPECT_TRUE(enabled(p, kLapsEndSignal)) << start;
        EXPECT_TRUE(enabled(p, kLapsEndFinishLap)) << start;
        EXPECT_FALSE(enabled(p, kTimeEndSignal)) << start;
        EXPECT_EQ(p.endOfLaps, EndOfLaps::AllLaps) << "the forced choice stays until changed";
        setControl(p, kDurationTime, true);
        EXPECT_TRUE(enabled(p, kTimeEndSignal)) << start;
        EXPECT_FALSE(enabled(p, kLapsEndSignal)) << start;
    }
    QualifyingParameters p;
    setControl(p, kStartFirstCar, true);
    EXPECT_EQ(p.start, StartMode::FirstCar);
    EXPECT_EQ(p.endOfLaps, EndOfLaps::FinishLap) << "only the staggered start forces";
}

TEST(QualifyingParametersRules, aStoredStaggeredStartOpensWithItsEndOptionsLocked) {
    QualifyingParameters p;
    p.start = StartMode::Staggered;
    p.endOfTime = EndOfTime::Signal;
    EXPECT_FALSE(enabled(p, kTimeEndSignal));
    EXPECT_TRUE(controlChecked(p, kTimeEndSignal)) << "opening shows what the file holds";
}

TEST(QualifyingParametersRules, radiosAndTheCheckBoxSetTheirFields) {
    QualifyingParameters p;
    setControl(p, kRankingBestLap, true);
    EXPECT_EQ(p.ranking, RankingMode::BestLap);
    EXPECT_TRUE(controlChecked(p, kRankingBestLap));
    EXPECT_FALSE(controlChecked(p, kRankingLapsThenTime));
    setControl(p, kLapsEndFinishLap, true);
    EXPECT_EQ(p.endOfLaps, EndOfLaps::FinishLap);
    setControl(p, kTimeEndSignal, true);
    EXPECT_EQ(p.endOfTime, EndOfTime::Signal);
    setControl(p, kRankingLapsThenTime, false);
    EXPECT_EQ(p.ranking, RankingMode::BestLap) << "a radio losing its check changes nothing";

    setControl(p, kEditableOrder, true);
    EXPECT_EQ(p.startingOrder, StartingOrder::Editable);
    EXPECT_TRUE(controlChecked(p, kEditableOrder));
    setControl(p, kEditableOrder, false);
    EXPECT_EQ(p.startingOrder, StartingOrder::Fixed);
    EXPECT_FALSE(controlChecked(p, kEditableOrder));
}

TEST(QualifyingParametersRules, minutesAboveSixtyShowSixtyAndZeroIsTakenAsOne) {
    QualifyingParameters p;
    TypedNumber typed = typeNumber(p, kMinutes, "75");
    EXPECT_EQ(p.minutes, 60);
    EXPECT_TRUE(typed.showValue);
    EXPECT_EQ(typed.value, 60);

    typed = typeNumber(p, kMinutes, "0");
    EXPECT_EQ(p.minutes, 1);
    EXPECT_FALSE(typed.showValue) << "the field keeps the 0 typed";
    typeNumber(p, kMinutes, "");
    EXPECT_EQ(p.minutes, 1);
    typed = typeNumber(p, kMinutes, "60");
    EXPECT_EQ(p.minutes, 60);
    EXPECT_FALSE(typed.showValue);
    typeNumber(p, kMinutes, "459");
    EXPECT_EQ(p.minutes, 45) << "two characters at most";
    EXPECT_EQ(numberOf(p, kMinutes), 45);
}

TEST(QualifyingParametersRules, lapsCountdownAndRestKeepTheirOwnLimits) {
    QualifyingParameters p;
    EXPECT_TRUE(typeNumber(p, kLaps, "151").showValue);
    EXPECT_EQ(p.laps, 150);
    EXPECT_FALSE(typeNumber(p, kLaps, "150").showValue);
    EXPECT_FALSE(typeNumber(p, kLaps, "0").showValue);
    EXPECT_EQ(p.laps, 1);
    typeNumber(p, kLaps, "1234");
    EXPECT_EQ(p.laps, 123) << "three characters at most";

    EXPECT_TRUE(typeNumber(p, kCountdown, "3601").showValue);
    EXPECT_EQ(p.countdownSeconds, 3600);
    typeNumber(p, kCountdown, "9999");
    EXPECT_EQ(p.countdownSeconds, 3600);
    EXPECT_FALSE(typeNumber(p, kCountdown, "0").showValue);
    EXPECT_EQ(p.countdownSeconds, 0) << "no countdown at all is allowed";

    EXPECT_FALSE(typeNumber(p, kRest, "99").showValue);
    EXPECT_EQ(p.restMinutes, 99);
    typeNumber(p, kRest, "0");
    EXPECT_EQ(p.restMinutes, 0);
    typeNumber(p, kRest, "123");
    EXPECT_EQ(p.restMinutes, 12);
}

TEST(QualifyingParametersRules, onlyTheFourEditsAreNumbers) {
    EXPECT_EQ(numberFieldOf(kMinutes)->digits, 2);
    EXPECT_EQ(numberFieldOf(kLaps)->digits, 3);
    EXPECT_EQ(numberFieldOf(kCountdown)->digits, 4);
    EXPECT_EQ(numberFieldOf(kRest)->digits, 2);
    EXPECT_EQ(numberFieldOf(kCategoryName), nullptr);
    QualifyingParameters p;
    const TypedNumber typed = typeNumber(p, kDurationLaps, "42");
    EXPECT_FALSE(typed.showValue);
    EXPECT_EQ(p.minutes, 1);
    EXPECT_EQ(p.laps, 1);
}

} // namespace
} // namespace racedesk
