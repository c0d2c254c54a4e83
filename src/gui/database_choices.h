#pragma once
#include <QStringList>

#include <span>

namespace racedesk {

struct Program;
struct ClubRecord;

// The drop-down choices of the clubs and drivers dialogs, made when the dialog opens.

// The names of the countries file; a file that cannot be read is reported and gives none.
QStringList countryChoices(Program& program);
// The names of the clubs.
QStringList clubChoices(std::span<const ClubRecord> clubs);

} // namespace racedesk
