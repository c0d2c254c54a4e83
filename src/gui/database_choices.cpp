#include "gui/database_choices.h"

#include "core/app/program.h"
#include "core/common/texts.h"
#include "core/databases/clubs.h"
#include "core/databases/countries.h"
#include "platform/qt_text.h"

#include <memory>

namespace racedesk {

QStringList countryChoices(Program& program) {
    const auto countries = std::make_unique<CountryList>();
    if (!readCountries(program.path(kCountriesFile), *countries))
        program.showError(tx(Text::ErrCountriesDatabase));
    QStringList choices;
    for (int i = 0; i < countries->count; ++i)
        if (const CountryName& name = countries->names[std::size_t(i)]; !name.empty())
            choices << toQString(name.view());
    return choices;
}

QStringList clubChoices(std::span<const ClubRecord> clubs) {
    QStringList choices;
    for (const ClubRecord& club : clubs)
        if (!club.name.empty())
            choices << toQString(club.name.view());
    return choices;
}

} // namespace racedesk
