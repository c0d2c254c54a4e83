#pragma once
#include "core/common/texts.h"
#include "core/race/participant.h"
#include "core/race/section_file.h"

#include <string>
#include <string_view>

namespace racedesk {

// "Catégorie%dListeParticipants": the 200 places of the category, one line each: driver name,
// transponder, the five radio frequencies. A free place is a line of empty fields.
inline constexpr int kParticipantsUnits = 9000;
inline constexpr Text kParticipantsTitleNotFound = Text::ErrTitleParticipants;

std::string composeParticipants(const ParticipantTable& table);
// Places the body does not reach stay free; texts longer than their field are cut.
void parseParticipants(std::string_view body, ParticipantTable& table);

// False when the section is missing: every place is then free.
bool readParticipants(SectionFile& file, int category, ParticipantTable& table);
WriteStatus writeParticipants(SectionFile& file, int category, const ParticipantTable& table);

} // namespace racedesk
