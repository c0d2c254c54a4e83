#pragma once

namespace racedesk {

struct Program;
class MainWindow;

// "Fichier > Exporter la course (web)" (1021): the meeting's pages written into a folder the
// director chooses, off the GUI thread so the tick goes on, with their progress shown.
inline constexpr int kCmdExportWeb = 1021;
void wireWebExport(MainWindow& window, Program& program);

} // namespace racedesk
