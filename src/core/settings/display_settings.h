#pragma once
#include "core/platform/canvas.h"

#include <array>
#include <string>

namespace racedesk {

inline constexpr const char* kDisplaySettingsFile = "Private/RéglagesAffichage.rgsc";

inline constexpr int kBoardColumnCount = 9; // Ligne, Nom pilote ... Transp.
inline constexpr int kFontCount = 12;       // heat title, radio conflict, headings, 9 columns
inline constexpr int kColourCount = 13;
inline constexpr int kCustomColourCount = 16;
inline constexpr int kMaxColumnWidth = 999;

// The fonts: 0 the heat title, 1 the radio conflict, 2 the column headings, 3 + c column c.
enum DisplayFont { kHeatTitleFont = 0, kConflictFont = 1, kHeadingsFont = 2, kFirstColumnFont = 3 };

// The colours, by the role the board gives them.
enum DisplayColour {
    kWindowBackground = 0,
    kTreeBackground = 1,
    kBoardBackground = 2,
    kHeatTitleBackground = 3,
    kConflictBackground = 4,
    kJustPassedBackground = 5,
    kRunBestBackground = 6,
    kDriverBestBackground = 7,
    kHeaderTop = 8,
    kHeaderBottom = 9,
    kRowsTop = 10,
    kRowsBottom = 11,
    kFrameLines = 12,
};

struct DisplaySettings {
    int style = 0; // 1 relief, anything else gradient
    std::array<int, kBoardColumnCount> columnWidths{};
    std::array<FontSpec, kFontCount> fonts{};
    std::array<Colour, kFontCount> fontColours{};
    std::array<Colour, kColourCount> colours{};
    std::array<Colour, kCustomColourCount> customColours{};

    bool relief() const { return style == 1; }
};

// Reads "Private/RéglagesAffichage.rgsc" or a ".scrn" file (same format). The font names are
// emptied first; other values keep what the record held where the file has none. False when
// the file cannot be opened.
bool readDisplaySettings(const std::string& path, DisplaySettings& settings);
bool writeDisplaySettings(const std::string& path, const DisplaySettings& settings);

// The band rule: pixel row y of a band h rows high, from 'top' to 'bottom', each of red, green
// and blue rounded to the nearest.
Colour bandColour(Colour top, Colour bottom, int y, int h);

// The settings a new working folder starts with.
DisplaySettings defaultDisplaySettings();

} // namespace racedesk
