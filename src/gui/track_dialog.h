#pragma once

class QWidget;

namespace racedesk {

struct Program;

// "Piste" (command 1053): the race's name, organising club, circuit and lap protection time;
// "Valider" writes them into the working race file, "Echap" and closing write nothing. The
// caller takes the track back from the file afterwards.
void runTrackDialog(Program& program, QWidget* parent);

} // namespace racedesk
