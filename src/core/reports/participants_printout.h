#pragma once
#include "core/race/participant.h"
#include "core/reports/print_document.h"

#include <span>
#include <string_view>

namespace racedesk {

// What the drivers database says of a driver, for the printed participants list.
struct DriverIdentity {
    std::string_view name;
    std::string_view licence;
    std::string_view club;
};

// The printed list of a category's participants: one row per participant with the licence
// number and club of the first driver of that name in 'drivers' (empty when none).
PrintDocument participantsPrintout(const ParticipantTable& participants,
                                   std::string_view categoryName, std::string_view raceName,
                                   std::string_view circuitName,
                                   std::span<const DriverIdentity> drivers);

} // namespace racedesk
