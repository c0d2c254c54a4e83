#pragma once

class QWidget;

namespace racedesk {

struct Program;

// "DETAILRESULTATS": the analysis of the driver whose run "ResultatPilote.res" holds.
void runDriverAnalysis(Program&, QWidget* parent);

} // namespace racedesk
