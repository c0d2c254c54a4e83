#include "core/databases/clubs.h"

#include "core/databases/record_file.h"

namespace racedesk {
namespace {

// The fields in file order.
template <typename Club, typename Visit> void clubFields(Club& c, Visit visit) {
    visit(c.name);
    visit(c.acronym);
    visit(c.address);
    visit(c.address2);
    visit(c.postcode);
    visit(c.town);
    visit(c.country);
    visit(c.telephone);
    visit(c.email);
}

} // namespace

bool readClubs(const std::string& path, ClubTable& table) {
    return readTextRecords(path, std::span<ClubRecord>(table),
                           [](ClubRecord& c, auto visit) { clubFields(c, visit); });
}

bool writeClubs(const std::string& path, const ClubTable& table) {
    const auto listed = std::size_t(listedCount(table, kClubNames));
    return writeTextRecords(path, std::span<const ClubRecord>(table.data(), listed),
                            [](const ClubRecord& c, auto visit) { clubFields(c, visit); });
}

} // namespace racedesk
