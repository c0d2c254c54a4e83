#pragma once
#include "core/common/fixed_text.h"

#include <array>
#include <string>

namespace racedesk {

inline constexpr const char* kTransponderPacksFile = "BaseDonnéesTranspondeurs.bd";
inline constexpr int kPackCount = 20;
inline constexpr int kPackTransponderCount = 20;

// A club's set of transponders, lent to the drivers of a run who have none of their own.
// The names come from the file as delivered: the program never edits them.
struct TransponderPack {
    FixedText<7> name;
    std::array<FixedText<7>, kPackTransponderCount> transponders; // at most 6 digits each
};

using TransponderPackTable = std::array<TransponderPack, kPackCount>;

// Clears the table, then fills it from the file, one pack a line in file order. False when
// the file cannot be opened; the table then holds 20 packs without names.
bool readTransponderPacks(const std::string& path, TransponderPackTable& table);
// Always the 20 packs, empty ones included (a line of tabs alone). False when the file
// cannot be written.
bool writeTransponderPacks(const std::string& path, const TransponderPackTable& table);

} // namespace racedesk
