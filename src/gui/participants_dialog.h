#pragma once

class QWidget;

namespace racedesk {

struct Program;

// "Liste des pilotes" (command 1054) for the category of the header's selected item: drivers
// of the database become participants and leave again, the list prints; "Valider" writes the
// list and the composition, "Echap" and closing write nothing. Frozen once qualifying started.
void runParticipantsDialog(Program& program, QWidget* parent);

} // namespace racedesk
