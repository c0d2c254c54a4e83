#include "core/qualifying/qualifying_parameters_rules.h"

namespace racedesk {
namespace {

using namespace qualifying_control;

// The record's number behind an edit control, const as the record is.
template <typename Record> auto numberField(Record& p, int control) -> decltype(&p.minutes) {
    switch (control) {
    case kMinutes:
        return &p.minutes;
    case kLaps:
        return &p.laps;
    case kCountdown:
        return &p.countdownSeconds;
    case kRest:
        return &p.restMinutes;
    default:
        return nullptr;
    }
}

void chooseStart(QualifyingParameters& p, StartMode start) {
    p.start = start;
    if (start == StartMode::Staggered) {
        p.endOfTime = EndOfTime::FinishLap;
        p.endOfLaps = EndOfLaps::AllLaps;
    }
}

} // namespace

ControlState controlState(const QualifyingParameters& p, int control) {
    const bool timed = p.duration == DurationMode::Time;
    const bool staggered = p.start == StartMode::Staggered;
    switch (control) {
    case kMinutes:
    case kMinutesUnit:
        return {timed, true};
    case kLaps:
    case kLapsUnit:
        return {!timed, true};
    case kTimeEndGroup:
    case kTimeEndFinishLap:
        return {true, timed};
    case kTimeEndSignal:
        return {true, timed && !staggered};
    case kLapsEndGroup:
    case kLapsEndAllLaps:
        return {true, !timed};
    case kLapsEndSignal:
    case kLapsEndFinishLap:
        return {true, !timed && !staggered};
    default:
        return {};
    }
}

bool controlChecked(const QualifyingParameters& p, int control) {
    switch (control) {
    case kRankingLapsThenTime:
        return p.ranking == RankingMode::LapsThenTime;
    case kRankingBestLap:
        return p.ranking == RankingMode::BestLap;
    case kDurationTime:
        return p.duration == DurationMode::Time;
    case kDurationLaps:
        return p.duration == DurationMode::Laps;
    case kStartSignal:
        return p.start == StartMode::Signal;
    case kStartFirstCar:
        return p.start == StartMode::FirstCar;
    case kStartStaggered:
        return p.start == StartMode::Staggered;
    case kEditableOrder:
        return p.startingOrder == StartingOrder::Editable;
    case kTimeEndSignal:
        return p.endOfTime == EndOfTime::Signal;
    case kTimeEndFinishLap:
        return p.endOfTime == EndOfTime::FinishLap;
    case kLapsEndSignal:
        return p.endOfLaps == EndOfLaps::Signal;
    case kLapsEndFinishLap:
        return p.endOfLaps == EndOfLaps::FinishLap;
    case kLapsEndAllLaps:
        return p.endOfLaps == EndOfLaps::AllLaps;
    default:
        return false;
    }
}

void setControl(QualifyingParameters& p, int control, bool checked) {
    if (control == kEditableOrder) {
        p.startingOrder = checked ? StartingOrder::Editable : StartingOrder::Fixed;
        return;
    }
    if (!checked)
        return;
    switch (control) {
    case kRankingLapsThenTime:
        p.ranking = RankingMode::LapsThenTime;
        break;
    case kRankingBestLap:
        p.ranking = RankingMode::BestLap;
        break;
    case kDurationTime:
        p.duration = DurationMode::Time;
        break;
    case kDurationLaps:
        p.duration = DurationMode::Laps;
        break;
    case kStartSignal:
        chooseStart(p, StartMode::Signal);
        break;
    case kStartFirstCar:
        chooseStart(p, StartMode::FirstCar);
        break;
    case kStartStaggered:
        chooseStart(p, StartMode::Staggered);
        break;
    case kTimeEndSignal:
        p.endOfTime = EndOfTime::Signal;
        break;
    case kTimeEndFinishLap:
        p.endOfTime = EndOfTime::FinishLap;
        break;
    case kLapsEndSignal:
        p.endOfLaps = EndOfLaps::Signal;
        break;
    case kLapsEndFinishLap:
        p.endOfLaps = EndOfLaps::FinishLap;
        break;
    case kLapsEndAllLaps:
        p.endOfLaps = EndOfLaps::AllLaps;
        break;
    default:
        break;
    }
}

const NumberField* numberFieldOf(int control) {
    switch (control) {
    case kMinutes:
        return &kMinutesField;
    case kLaps:
        return &kLapsField;
    case kCountdown:
        return &kCountdownField;
    case kRest:
        return &kRestField;
    default:
        return nullptr;
    }
}

int numberOf(const QualifyingParameters& p, int control) {
    const int* field = numberField(p, control);
    return field != nullptr ? *field : 0;
}

TypedNumber typeNumber(QualifyingParameters& p, int control, std::string_view text) {
    return typeInto(numberField(p, control), numberFieldOf(control), text);
}

} // namespace racedesk
