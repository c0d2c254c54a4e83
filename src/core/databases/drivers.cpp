#include "core/databases/drivers.h"

#include "core/databases/record_file.h"
#include "core/race/section_lines.h"
#include "core/timing/car_slot.h"

#include <algorithm>

namespace racedesk {
namespace {

// The fields in file order.
template <typename Driver, typename Visit> void driverFields(Driver& d, Visit visit) {
    visit(d.name);
    visit(d.address);
    visit(d.address2);
    visit(d.postcode);
    visit(d.town);
    visit(d.country);
    visit(d.telephone);
    visit(d.email);
    visit(d.birthDate);
    visit(d.licence);
    visit(d.transponder);
    visit(d.club);
    visit(d.picture);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool isReservedDriverName(std::string_view name) {
    return name == kEmptySlotName || name == kTrackTitle ||
           name.find(kCategoryTitlePrefix) != std::string_view::npos;
}

bool readDrivers(const std::string& path, DriverTable& table) {
    return readTextRecords(path, std::span<DriverRecord>(table),
                           [](DriverRecord& d, auto visit) { driverFields(d, visit); });
}

bool writeDrivers(const std::string& path, const DriverTable& table) {
    const auto listed = std::size_t(listedCount(table, kDriverNames));
    return writeTextRecords(path, std::span<const DriverRecord>(table.data(), listed),
                            [](const DriverRecord& d, auto visit) { driverFields(d, visit); });
}

bool isTransponderNumber(std::string_view text) {
    return text.size() == std::size_t(kTransponderDigits) &&
           std::all_of(text.begin(), text.end(), isDigit);
}

void copyTransponder(DriverRecord& driver, std::string_view typed) {
    if (isTransponderNumber(typed))
        driver.transponder = typed;
}

void forgetMissingClubs(DriverTable& drivers, const ClubTable& clubs) {
    for (DriverRecord& d : drivers) {
        const bool known = std::any_of(clubs.begin(), clubs.end(), [&d](const ClubRecord& c) {
            return !c.name.empty() && c.name.view() == d.club.view();
        });
        if (!known)
            d.club.clear();
    }
}

} // namespace racedesk
