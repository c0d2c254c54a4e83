#include "core/race/heat_composition_section.h"

#include "core/common/field_writer.h"
#include "core/race/race_header.h"
#include "core/race/section_reading.h"
#include "core/race/section_titles.h"

namespace racedesk {

CompositionPlaces freePlaces() {
    CompositionPlaces places;
    places.fill(DriverName(kFreePlace));
    return places;
}

std::string_view placeName(const HeatComposition& composition, int index) {
    if (index < 0 || index >= kCompositionPlaces)
        return kFreePlace;
    return composition.places[std::size_t(index)].view();
}

std::string_view heatDriver(const HeatComposition& composition, int heat, int gridValue) {
    const int n = composition.driversPerHeat;
    if (n < 1 || n > kMaxDriversPerHeat || heat < 1 || heat > kCompositionPlaces || gridValue < 1 ||
        gridValue > n)
        return kFreePlace;
    return placeName(composition, (heat - 1) * n + gridValue - 1);
}

int usedPlaces(const HeatComposition& composition) {
    for (int k = kCompositionPlaces; k > 0; --k) {
        if (composition.places[std::size_t(k - 1)] != kFreePlace)
            return k;
    }
    return 0;
}

int heatsPerRound(const HeatComposition& composition) {
    const int n = composition.driversPerHeat > 0 ? composition.driversPerHeat : 1;
    return (usedPlaces(composition) - 1) / n + 1;
}

std::string composeHeatComposition(const HeatComposition& composition) {
    FieldWriter out;
    out.integer(composition.qualifyingStarted);
    out.integer(composition.driversPerHeat);
    out.integer(composition.rounds);
    out.endLine();
    for (const DriverName& name : composition.places) {
        out.text(name.view());
        out.endLine();
    }
    return out.contents();
}

HeatComposition parseHeatComposition(std::string_view body) {
    HeatComposition composition;
    FieldReader lines(body);
    FieldReader first(nextFilledLine(lines));
    readClamped(first, composition.qualifyingStarted, 0, 1);
    readClamped(first, composition.driversPerHeat, 1, kMaxDriversPerHeat);
    readClamped(first, composition.rounds, 1, kMaxRounds);
    for (DriverName& name : composition.places) {
        FieldReader in(nextFilledLine(lines));
        in.text(name);
        if (name.empty())
            name = kFreePlace;
    }
    return composition;
}

bool readHeatComposition(SectionFile& file, int category, HeatComposition& composition) {
    const std::optional<std::string_view> body = file.body(heatCompositionTitle(category));
    composition = body ? parseHeatComposition(*body) : HeatComposition{};
    return body.has_value();
}

WriteStatus writeHeatComposition(SectionFile& file, int category,
                                 const HeatComposition& composition) {
    return file.write(heatCompositionTitle(category), kHeatCompositionUnits,
                      composeHeatComposition(composition));
}

WriteStatus rewriteHeatComposition(SectionFile& file, int category,
                                   const HeatComposition& composition) {
    if (!file.isOpen())
        return WriteStatus::FileError;
    if (!file.body(heatCompositionTitle(category)))
        return WriteStatus::TitleNotFound;
    return writeHeatComposition(file, category, composition);
}

} // namespace racedesk
