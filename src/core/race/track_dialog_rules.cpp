#include "core/race/track_dialog_rules.h"

#include "core/app/program.h"
#include "core/common/leading_number.h"
#include "core/common/texts.h"
#include "core/race/section_lines.h"
#include "core/race/working_race_file.h"
#include "core/race/write_report.h"

#include <algorithm>
#include <span>

namespace racedesk {
namespace {

// Where the list shows this name; -1 when it does not, past the first empty name included.
template <typename Record, std::size_t N>
int listedIndexOf(std::span<const Record> table, int listed, const NameList<Record, N>& names,
                  std::string_view name) {
    return positionOf<Record, N>(table.first(std::size_t(listed)), names, name);
}

} // namespace

void openTrackDialog(Program& p, TrackDialog& d) {
    d = TrackDialog{};
    if (!readClubs(p.path(kClubsFile), d.clubs))
        p.showError(tx(Text::ErrClubsDatabase));
    if (!readCircuits(p.path(kCircuitsFile), d.circuits))
        p.showError(tx(Text::ErrCircuitsDatabase));
    SectionFile file(p.path(kWorkingRaceFile));
    if (file.isOpen())
        readTrack(file, d.track);
    selectStoredNames(d);
}

void selectStoredNames(TrackDialog& d) {
    d.clubCount = listedCount<ClubRecord, 50>(d.clubs, kClubNames);
    d.circuitCount = listedCount<CircuitRecord, 40>(fileCircuits(d.circuits), kCircuitNames);
    d.club = listedIndexOf<ClubRecord, 50>(d.clubs, d.clubCount, kClubNames, d.track.club.view());
    d.circuit = listedIndexOf<CircuitRecord, 40>(fileCircuits(d.circuits), d.circuitCount,
                                                 kCircuitNames, d.track.circuit.view());
    if (d.club < 0)
        d.track.club.clear();
    if (d.circuit < 0)
        d.track.circuit.clear();
}

bool isRefusedRaceName(std::string_view name) {
    return name == kTrackTitle || name.find(kCategoryTitlePrefix) != std::string_view::npos;
}

bool typeRaceName(TrackDialog& d, std::string_view typed) {
    d.track.raceName = typed;
    if (!isRefusedRaceName(d.track.raceName.view()))
        return true;
    d.track.raceName.clear();
    return false;
}

void chooseClub(TrackDialog& d, int index) {
    if (index < 0 || index >= d.clubCount)
        return;
    d.club = index;
    d.track.club = d.clubs[std::size_t(index)].name.view();
}

void chooseCircuit(TrackDialog& d, int index) {
    if (index < 0 || index >= d.circuitCount)
        return;
    d.circuit = index;
    const CircuitRecord& c = d.circuits[std::size_t(index)];
    d.track.circuit = c.name.view();
    d.track.protectionSeconds = protectionSecondsOf(c.protectionTime.view());
}

const CircuitRecord* selectedCircuit(const TrackDialog& d) {
    return d.circuit >= 0 ? &d.circuits[std::size_t(d.circuit)] : nullptr;
}

int protectionSecondsOf(std::string_view text) {
    return std::max(leadingNumber(text, kProtectionDigits), kMinProtectionSeconds);
}

void typeProtection(TrackDialog& d, std::string_view typed) {
    d.track.protectionSeconds = protectionSecondsOf(typed);
}

bool validateTrackDialog(Program& p, const TrackDialog& d) {
    SectionFile file(p.path(kWorkingRaceFile));
    const WriteStatus status = file.isOpen() ? writeTrack(file, d.track) : WriteStatus::FileError;
    reportWrite(p, status, kTrackTitleNotFound);
    return status == WriteStatus::Written;
}

void takeTrackBack(Program& p) {
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen()) {
        p.showError(tx(Text::ErrRaceFile));
        return;
    }
    readTrack(file, p.track);
    p.run.circuitIndex = circuitIndexByName(p.circuits, p.track.circuit.view());
    p.run.minLapSeconds = p.track.protectionSeconds;
}

} // namespace racedesk
