#pragma once
#include "core/common/fixed_text.h"

#include <string>

namespace racedesk {

inline constexpr const char* kInterfaceSettingsFile = "RéglagesInterface2.rg";
inline constexpr const char* kTypeKt1 = "Tarvolin";
inline constexpr const char* kTypeKt2 = "TarvolinKT2";

// "RéglagesInterface2.rg": one line "%s\t%d\t%s\n" of port name, connected and type.
struct InterfaceSettings {
    FixedText<6> portName;
    int connected = 0;
    FixedText<16> type;
};

// Tokens are read as "%s\t%d\t%s" reads them; a token longer than its field is cut.
// False when the file cannot be opened.
bool readInterfaceSettings(const std::string& path, InterfaceSettings& settings);
bool writeInterfaceSettings(const std::string& path, const InterfaceSettings& settings);

} // namespace racedesk
