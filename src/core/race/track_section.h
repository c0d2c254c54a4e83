#pragma once
#include "core/common/fixed_text.h"
#include "core/common/texts.h"
#include "core/race/section_file.h"

#include <string>
#include <string_view>

namespace racedesk {

// "PisteCourse": the event's name, its organising club, its circuit and the lap protection
// time, on one line.
inline constexpr int kTrackUnits = 75;
inline constexpr Text kTrackTitleNotFound = Text::ErrTitleTrack;
inline constexpr int kMinProtectionSeconds = 2;
inline constexpr int kMaxProtectionSeconds = 999; // three digits

using RaceName = FixedText<49>;    // at most 48 characters
using ClubName = FixedText<50>;    // at most 49 characters
using CircuitName = FixedText<40>; // at most 39 characters

struct TrackSettings {
    RaceName raceName;
    ClubName club;
    CircuitName circuit;
    int protectionSeconds = kMinProtectionSeconds; // a lap shorter than this is not counted
};

std::string composeTrack(const TrackSettings& track);
// What the body holds over the defaults; names longer than their field are cut.
TrackSettings parseTrack(std::string_view body);

// False when the section is missing: the track is then the defaults.
bool readTrack(SectionFile& file, TrackSettings& track);
WriteStatus writeTrack(SectionFile& file, const TrackSettings& track);

} // namespace racedesk
