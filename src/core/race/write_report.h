#pragma once
#include "core/common/texts.h"
#include "core/race/section_file.h"

namespace racedesk {

struct Program;

// Tells the director why a section was not written: the race file's own message when the
// file could not be opened or written, the section's "Intitulé ... non trouvé" when its title
// could not be found. A written or refused section says nothing.
void reportWrite(Program& p, WriteStatus status, Text titleMissing);

} // namespace racedesk
