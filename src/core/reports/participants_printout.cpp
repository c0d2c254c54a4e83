#include "core/reports/participants_printout.h"

#include "core/common/texts.h"
#include "core/reports/page_titles.h"
#include "core/reports/print_file_name.h"

#include <cstdio>

namespace racedesk {
namespace {

constexpr int kNameX = 150;
constexpr int kLicenceX = 550;
constexpr int kClubX = 650;
constexpr int kRuleGap = 5; // a column's rule stands this far left of its texts

const DriverIdentity* findDriver(std::span<const DriverIdentity> drivers, std::string_view name) {
    for (const DriverIdentity& driver : drivers) {
        if (driver.name == name)
            return &driver;
    }
    return nullptr;
}

PrintRow participantRow(const Participant& participant, std::span<const DriverIdentity> drivers) {
    const DriverIdentity* driver = findDriver(drivers, participant.name.view());
    if (driver == nullptr)
        return {std::string(participant.name.view()), {}, {}};
    return {std::string(participant.name.view()), std::string(driver->licence),
            std::string(driver->club)};
}

} // namespace

PrintDocument participantsPrintout(const ParticipantTable& participants,
                                   std::string_view categoryName, std::string_view raceName,
                                   std::string_view circuitName,
                                   std::span<const DriverIdentity> drivers) {
    PrintDocument document;
    document.jobName = tx(Text::PrintJobParticipants);
    document.firstTitle = categoryTitle(categoryName);
    document.fileTitle = tx(PrintFileText::Participants);
    document.category = categoryName;
    char title[96];
    std::snprintf(title, sizeof title, tx(Text::ParticipantsPrintTitle),
                  participantCount(participants));
    document.secondTitle = title;
    document.raceLine = raceLine(raceName, circuitName);
    document.columns = {{tx(Text::ParticipantsPrintName), kNameX, Align::Left},
                        {tx(Text::ParticipantsPrintLicence), kLicenceX, Align::Left},
                        {tx(Text::ParticipantsPrintClub), kClubX, Align::Left}};
    document.exportColumns = {{tx(Text::ParticipantsPrintName), CellKind::Text},
                              {tx(Text::ParticipantsPrintLicence), CellKind::Text},
                              {tx(Text::ParticipantsPrintClub), CellKind::Text}};
    const int headerTop = document.layout.table.headerTop;
    document.rules = {{kLicenceX - kRuleGap, headerTop}, {kClubX - kRuleGap, headerTop}};
    for (const Participant& participant : participants) {
        if (!participant.isFree())
            document.rows.push_back(participantRow(participant, drivers));
    }
    return document;
}

} // namespace racedesk
