#include "core/race/finals_sections.h"

#include "core/common/field_writer.h"
#include "core/race/participant.h"
#include "core/race/section_reading.h"
#include "core/race/section_titles.h"
#include "core/timing/car_slot.h"

#include <algorithm>

namespace racedesk {
namespace {

constexpr int kMaxCountdown = 3600;
constexpr int kMaxFinalMinutes = 150;
constexpr int kMaxRestMinutes = 99;       // two digits
constexpr int kMaxDirect = 2 * kCarCount; // both finals of a level full of direct qualifiers

template <std::size_t N> void writeAll(FieldWriter& out, const std::array<int, N>& values) {
    for (const int value : values)
        out.integer(value);
}

template <std::size_t N>
void readAllClamped(FieldReader& in, std::array<int, N>& values, int low, int high) {
    for (int& value : values)
        readClamped(in, value, low, high);
}

} // namespace

std::string composeFinalsParameters(const FinalsParameters& parameters) {
    FieldWriter out;
    out.text(keyOf(parameters.start));
    out.text(keyOf(parameters.endOfTime));
    out.integer(parameters.countdownSeconds);
    out.endLine();
    return out.contents();
}

FinalsParameters parseFinalsParameters(std::string_view body) {
    FinalsParameters parameters;
    FieldReader lines(body);
    FieldReader in(nextFilledLine(lines));
    readKey(in, parameters.start);
    readKey(in, parameters.endOfTime);
    readClamped(in, parameters.countdownSeconds, 0, kMaxCountdown);
    return parameters;
}

bool readFinalsParameters(SectionFile& file, int category, FinalsParameters& parameters) {
    const std::optional<std::string_view> body = file.body(finalsParametersTitle(category));
    parameters = body ? parseFinalsParameters(*body) : FinalsParameters{};
    return body.has_value();
}

WriteStatus writeFinalsParameters(SectionFile& file, int category,
                                  const FinalsParameters& parameters) {
    return file.write(finalsParametersTitle(category), kFinalsParametersUnits,
                      composeFinalsParameters(parameters));
}

FinalsComposition defaultFinalsComposition(int participants) {
    FinalsComposition composition;
    composition.participants = std::clamp(participants, 0, kMaxParticipants);
    return composition;
}

std::string composeFinalsComposition(const FinalsComposition& c) {
    FieldWriter out;
    out.integer(c.participants);
    out.integer(c.driversPerFinal);
    writeAll(out, c.durations);
    writeAll(out, c.rests);
    writeAll(out, c.direct);
    writeAll(out, c.movingUp);
    out.endLine();
    return out.contents();
}

FinalsComposition parseFinalsComposition(std::string_view body, int participants) {
    FinalsComposition c = defaultFinalsComposition(participants);
    FieldReader lines(body);
    FieldReader in(nextFilledLine(lines));
    readClamped(in, c.participants, 0, kMaxParticipants);
    readClamped(in, c.driversPerFinal, 1, kCarCount);
    readAllClamped(in, c.durations, 1, kMaxFinalMinutes);
    readAllClamped(in, c.rests, 0, kMaxRestMinutes);
    readAllClamped(in, c.direct, 0, kMaxDirect);
    readAllClamped(in, c.movingUp, 0, kCarCount);
    return c;
}

bool readFinalsComposition(SectionFile& file, int category, int participants,
                           FinalsComposition& composition) {
    const std::optional<std::string_view> body = file.body(finalsCompositionTitle(category));
    composition =
        body ? parseFinalsComposition(*body, participants) : defaultFinalsComposition(participants);
    return body.has_value();
}

WriteStatus writeFinalsComposition(SectionFile& file, int category,
                                   const FinalsComposition& composition) {
    return file.write(finalsCompositionTitle(category), kFinalsCompositionUnits,
                      composeFinalsComposition(composition));
}

} // namespace racedesk
