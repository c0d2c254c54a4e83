#include "core/race/classification_sections.h"

#include "core/common/field_writer.h"
#include "core/race/race_header.h"
#include "core/race/section_reading.h"
#include "core/race/section_titles.h"

#include <algorithm>

namespace racedesk {
namespace {

// P brought within the table: the lines written and read, and the P that sizes the area.
int tableParticipants(int participants) {
    return std::clamp(participants, 0, kMaxParticipants);
}

std::size_t lineCount(int participants) {
    return std::size_t(tableParticipants(participants));
}

} // namespace

PointsScale defaultPointsScale(int participants) {
    PointsScale scale;
    scale.first = participants + 5;
    return scale;
}

RoundClassification defaultRoundClassification(int participants) {
    RoundClassification round;
    round.scale = defaultPointsScale(participants);
    return round;
}

std::string composeRoundClassification(const RoundClassification& round, int participants) {
    FieldWriter out;
    out.text(keyOf(round.ranking));
    const PointsScale& s = round.scale;
    for (const int value : {s.first, s.gapFirstSecond, s.gapSecondThird, s.gapThirdFourth,
                            s.gapFourthFifth, s.gapFurther})
        out.integer(value);
    out.endLine();
    for (std::size_t i = 0; i < lineCount(participants); ++i) {
        const RoundEntry& e = round.entries[i];
        out.text(e.name.view());
        out.integer(e.laps);
        out.integer(e.totalTime);
        out.integer(e.bestLap);
        out.integer(e.points);
        out.endLine();
    }
    return out.contents();
}

RoundClassification parseRoundClassification(std::string_view body, int participants) {
    RoundClassification round = defaultRoundClassification(participants);
    FieldReader lines(body);
    FieldReader first(nextFilledLine(lines));
    readKey(first, round.ranking);
    PointsScale& s = round.scale;
    for (int* value : {&s.first, &s.gapFirstSecond, &s.gapSecondThird, &s.gapThirdFourth,
                       &s.gapFourthFifth, &s.gapFurther})
        readInteger(first, *value);
    for (std::size_t i = 0; i < lineCount(participants); ++i) {
        RoundEntry& e = round.entries[i];
        FieldReader in(nextFilledLine(lines));
        in.text(e.name);
        readInteger(in, e.laps);
        readInteger(in, e.totalTime);
        readInteger(in, e.bestLap);
        readInteger(in, e.points);
    }
    return round;
}

bool readRoundClassification(SectionFile& file, int category, int round, int participants,
                             RoundClassification& classification) {
    const std::optional<std::string_view> body =
        file.body(roundClassificationTitle(category, round));
    classification = body ? parseRoundClassification(*body, participants)
                          : defaultRoundClassification(participants);
    return body.has_value();
}

WriteStatus writeRoundClassification(SectionFile& file, int category, int round, int participants,
                                     const RoundClassification& classification) {
    return file.write(roundClassificationTitle(category, round),
                      roundClassificationUnits(tableParticipants(participants)),
                      composeRoundClassification(classification, participants));
}

std::string composeOverallClassification(const OverallClassification& overall, int participants) {
    FieldWriter out;
    out.text(keyOf(overall.tieBreak));
    out.integer(overall.bestRounds);
    out.endLine();
    for (std::size_t i = 0; i < lineCount(participants); ++i) {
        out.text(overall.names[i].view());
        out.endLine();
    }
    return out.contents();
}

OverallClassification parseOverallClassification(std::string_view body, int participants) {
    OverallClassification overall;
    FieldReader lines(body);
    FieldReader first(nextFilledLine(lines));
    readKey(first, overall.tieBreak);
    readClamped(first, overall.bestRounds, 0, kMaxRounds);
    for (std::size_t i = 0; i < lineCount(participants); ++i) {
        FieldReader in(nextFilledLine(lines));
        in.text(overall.names[i]);
    }
    return overall;
}

bool readOverallClassification(SectionFile& file, int category, int participants,
                               OverallClassification& classification) {
    const std::optional<std::string_view> body = file.body(overallClassificationTitle(category));
    classification =
        body ? parseOverallClassification(*body, participants) : OverallClassification{};
    return body.has_value();
}

WriteStatus writeOverallClassification(SectionFile& file, int category, int participants,
                                       const OverallClassification& classification) {
    return file.write(overallClassificationTitle(category),
                      overallClassificationUnits(tableParticipants(participants)),
                      composeOverallClassification(classification, participants));
}

} // namespace racedesk
