#pragma once
#include <cstdint>
#include <string_view>

namespace racedesk {

// FNV-1a, 64 bits: a record cut or changed anywhere fails it.
std::uint64_t fnv1a64(std::string_view bytes);

} // namespace racedesk
