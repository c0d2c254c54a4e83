#include "core/race/participants_section.h"

#include "core/common/field_writer.h"
#include "core/race/section_reading.h"
#include "core/race/section_titles.h"

namespace racedesk {

std::string composeParticipants(const ParticipantTable& table) {
    FieldWriter out;
    for (const Participant& p : table) {
        out.text(p.name.view());
        out.text(p.transponder.view());
        for (const FrequencyText& f : p.frequencies)
            out.text(f.view());
        out.endLine();
    }
    return out.contents();
}

void parseParticipants(std::string_view body, ParticipantTable& table) {
    FieldReader lines(body);
    for (Participant& p : table) {
        FieldReader in(nextFilledLine(lines));
        in.text(p.name);
        in.text(p.transponder);
        for (FrequencyText& f : p.frequencies)
            in.text(f);
    }
}

bool readParticipants(SectionFile& file, int category, ParticipantTable& table) {
    const std::optional<std::string_view> body = file.body(participantsTitle(category));
    table = ParticipantTable{};
    if (body)
        parseParticipants(*body, table);
    return body.has_value();
}

WriteStatus writeParticipants(SectionFile& file, int category, const ParticipantTable& table) {
    return file.write(participantsTitle(category), kParticipantsUnits, composeParticipants(table));
}

} // namespace racedesk
