#pragma once
#include "core/common/fixed_text.h"
#include "core/common/race_time.h"

#include <array>
#include <string>

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

// Clears the table, then fills it from the file. False when the file cannot be opened.
bool readCircuits(const std::string& path, CircuitTable& table);
// One line per circuit whose name is not empty, in table order; the spare record is not
// written. False when the file cannot be written.
bool writeCircuits(const std::string& path, const CircuitTable& table);

} // namespace racedesk
