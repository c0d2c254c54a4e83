#pragma once
#include "core/common/fixed_text.h"
#include "core/timing/car_slot.h"

#include <string>
#include <string_view>

namespace racedesk {

inline constexpr const char* kDriverResultFile = "ResultatPilote.res";
inline constexpr const char* kCommentFile = "CommentaireSerie.res";

// One car for the run detail analysis: its name, n and the passing times 0 to n on the first
// line; the run title, the circuit name and the run summary line on the second.
bool writeDriverResult(const std::string& path, const CarSlot& car, std::string_view runTitle,
                       std::string_view circuit, std::string_view summary);

// What that file hands to the analysis: the passing times 0 to 'laps' of one car.
struct DriverResult {
    FixedText<40> name;
    int laps = 0;
    std::array<RaceTime, kLapTableSize> times{};
    FixedText<128> runTitle;
    FixedText<40> circuit;
    FixedText<105> summary;
};
// False when the file cannot be opened, the record then empty. A cut or damaged file gives
// the laps whose passing times are all there, so no lap is made of a time never read.
bool readDriverResult(const std::string& path, DriverResult& result);

// The heat comment for its dialog: the track condition and the comment on one line.
struct HeatComment {
    FixedText<6> condition{"Sec"}; // "Sec", "Pluie" or "Glace"
    FixedText<99> comment;
};
bool writeHeatComment(const std::string& path, const HeatComment& comment);
// False when the file cannot be opened; the record is then left as it was.
bool readHeatComment(const std::string& path, HeatComment& comment);

} // namespace racedesk
