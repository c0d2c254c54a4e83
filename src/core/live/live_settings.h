#pragma once
#include <string>

namespace racedesk {

inline constexpr const char* kLiveSettingsFile = "RéglagesDirect.rg";
inline constexpr int kDefaultLivePort = 8080;
// Ports below 1024 need privileges the program does not have.
inline constexpr int kLowestLivePort = 1024;
inline constexpr int kHighestLivePort = 65535;

// "RéglagesDirect.rg": one line "DIRECToui\t%d\t" or "DIRECTnon\t%d\t": the server on or
// off, and its port.
struct LiveSettings {
    bool on = false;
    int port = kDefaultLivePort;
};

int clampLivePort(int port);

// A missing file is a server off on the default port. Any other key than "DIRECToui" is off;
// a port out of range is brought into it. False when the file cannot be opened.
bool readLiveSettings(const std::string& path, LiveSettings& settings);
bool writeLiveSettings(const std::string& path, const LiveSettings& settings);

} // namespace racedesk
