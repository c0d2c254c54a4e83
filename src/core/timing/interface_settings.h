#pragma once
#include "core/common/fixed_text.h"

#include <string>

namespace racedesk {

inline constexpr const char* kInterfaceSettingsFile = "RéglagesInterface2.rg";
inline constexpr const char* kTypeKt1 = "Tarvolin";
inline constexpr const char* kTypeKt2 = "TarvolinKT2";
// The port of a new working folder, and of a file that names none.
inline constexpr const char* kDefaultPort = "COM1";

// "RéglagesInterface2.rg": one line "%s\t%d\t%s\n" of port name, connected and type.
struct InterfaceSettings {
    FixedText<6> portName;
    int connected = 0;
    FixedText<16> type;
};

// Each field is read up to its tab, and a text longer than its field is cut. An empty port
// name reads, and is written, as the default port: never as the next field's text.
// False when the file cannot be opened.
bool readInterfaceSettings(const std::string& path, InterfaceSettings& settings);
bool writeInterfaceSettings(const std::string& path, const InterfaceSettings& settings);

} // namespace racedesk
