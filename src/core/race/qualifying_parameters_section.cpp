#include "core/race/qualifying_parameters_section.h"

#include "core/common/field_writer.h"
#include "core/race/section_reading.h"
#include "core/race/section_titles.h"

namespace racedesk {
namespace {

constexpr const char* kFixedKey = "ORDREDEPARTFixe";
constexpr const char* kEditableKey = "ORDREDEPARTModifiable";

} // namespace

const char* keyOf(StartingOrder order) {
    return order == StartingOrder::Editable ? kEditableKey : kFixedKey;
}

bool parseKey(std::string_view key, StartingOrder& order) {
    if (key == kFixedKey)
        order = StartingOrder::Fixed;
    else if (key == kEditableKey)
        order = StartingOrder::Editable;
    else
        return false;
    return true;
}

std::string composeQualifyingParameters(const QualifyingParameters& p) {
    FieldWriter out;
    out.text(keyOf(p.ranking));
    out.text(keyOf(p.duration));
    out.integer(p.minutes);
    out.integer(p.laps);
    out.integer(p.countdownSeconds);
    out.integer(p.restMinutes);
    out.text(keyOf(p.start));
    out.text(keyOf(p.startingOrder));
    out.text(keyOf(p.endOfTime));
    out.text(keyOf(p.endOfLaps));
    out.endLine();
    return out.contents();
}

QualifyingParameters parseQualifyingParameters(std::string_view body) {
    QualifyingParameters p;
    FieldReader lines(body);
    FieldReader in(nextFilledLine(lines));
    readKey(in, p.ranking);
    readKey(in, p.duration);
    readClamped(in, p.minutes, 1, 60);
    readClamped(in, p.laps, 1, kQualifyingMaxLaps);
    readClamped(in, p.countdownSeconds, 0, 3600);
    readClamped(in, p.restMinutes, 0, 99);
    readKey(in, p.start);
    readKey(in, p.startingOrder);
    readKey(in, p.endOfTime);
    readKey(in, p.endOfLaps);
    return p;
}

bool readQualifyingParameters(SectionFile& file, int category, QualifyingParameters& parameters) {
    const std::optional<std::string_view> body = file.body(qualifyingParametersTitle(category));
    parameters = body ? parseQualifyingParameters(*body) : QualifyingParameters{};
    return body.has_value();
}

WriteStatus writeQualifyingParameters(SectionFile& file, int category,
                                      const QualifyingParameters& parameters) {
    return file.write(qualifyingParametersTitle(category), kQualifyingParametersUnits,
                      composeQualifyingParameters(parameters));
}

} // namespace racedesk
