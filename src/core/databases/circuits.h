#pragma once
#include "core/common/fixed_text.h"
#include "core/common/race_time.h"
#include "core/databases/name_list.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace racedesk {

inline constexpr const char* kCircuitsFile = "BaseDonnéesCircuits.bd";
inline constexpr int kCircuitCount = 20;
// The record after the 20 circuits stands for a race without a circuit: lap records of such
// a race go into it and it is never written to the file.
inline constexpr int kNoCircuit = kCircuitCount;

struct CircuitRecord {
    FixedText<40> name;
    FixedText<5> length;      // metres
    FixedText<15> recordText; // the lap record as a short time text
    RaceTime recordMs = 0;    // 0 when there is none
    TimeParts recordParts;
    FixedText<40> recordHolder;
    FixedText<4> protectionTime; // whole seconds
    FixedText<40> town;
    FixedText<260> picture; // full path of a BMP file
};

using CircuitTable = std::array<CircuitRecord, kCircuitCount + 1>;

inline constexpr NameList<CircuitRecord, 40> kCircuitNames{&CircuitRecord::name,
                                                           {.addsAfterRemoving = true}};

// The 20 circuits the file and the circuits dialog hold, without the spare record.
inline std::span<CircuitRecord> fileCircuits(CircuitTable& table) {
    return {table.data(), std::size_t(kCircuitCount)};
}
inline std::span<const CircuitRecord> fileCircuits(const CircuitTable& table) {
    return {table.data(), std::size_t(kCircuitCount)};
}

// Clears the table, then fills it from the file. False when the file cannot be opened.
bool readCircuits(const std::string& path, CircuitTable& table);
// One line per circuit whose name is not empty, in table order; the spare record is not
// written. False when the file cannot be written.
bool writeCircuits(const std::string& path, const CircuitTable& table);

// "Effacer": the circuit has no lap record any more.
void clearLapRecord(CircuitRecord& circuit);

// The race's circuit among the 20: the last one with exactly this name. An empty name never
// matches; kNoCircuit when none does.
int circuitIndexByName(const CircuitTable& table, std::string_view name);

} // namespace racedesk
