#pragma once
#include "core/settings/display_settings.h"

#include <string>
#include <string_view>

namespace racedesk {

struct Program;

// The rules of the display options dialog, which edits a record of its own.

inline constexpr int kWidthFieldDigits = 3;
inline constexpr const char* kDisplayFilePattern = "*.scrn";
inline constexpr const char* kDisplayFileExtension = ".scrn";

// "+" and "-" of the column width: "+" stops at 999, "-" at 0.
int widenedColumn(int width);
int narrowedColumn(int width);
// The width the field's text stands for: its leading digits, at most three; no digit is 0.
int widthOfField(std::string_view text);

// The font picker speaks points and the board draws in pixels: heights are stored in pixels
// at the 96 dots per inch the board is laid out for, so one point is 4/3 of a pixel.
int pixelsOfPoints(double points);
double pointsOfPixels(int pixels);
// A picked height (pixels) held to the sizes the picker offers for that font: the heat title
// at most 20 points, the radio conflict at most 40, the column headings 8 to 16, the columns
// at most 50.
int clampedFontHeight(int font, int pixels);
// What the picker gives is kept as face, height (clamped), weight, the three flags and colour.
void storeChosenFont(DisplaySettings& record, int font, const FontSpec& chosen, Colour colour);

// The file "Sauver" writes for the name the save dialog gave: none (empty) when it was
// cancelled or the proposed "*.scrn" was left as it was; the name itself when it holds
// ".scrn" anywhere; otherwise the name with ".scrn" appended.
std::string displayFileToSave(const std::string& chosen);

// Reads a display file into the record only when it can be read: a failed read leaves the
// record exactly as it was, font names included.
bool loadDisplayFile(const std::string& path, DisplaySettings& record);

// The dialog's record at opening, from "Private/RéglagesAffichage.rgsc"; the error is shown
// and the record kept when the file cannot be read.
bool readDialogRecord(Program& p, DisplaySettings& record);
// Ok: the record written to "Private/RéglagesAffichage.rgsc"; the error when it cannot be.
bool writeDialogRecord(Program& p, const DisplaySettings& record);
// "Charger": a display file chosen by the director replaces the record. Gives true when it
// did; a file that cannot be read is reported and changes nothing.
bool loadChosenDisplayFile(Program& p, DisplaySettings& record);
// "Sauver": the record written to a display file chosen by the director. Gives true when a
// file was written.
bool saveChosenDisplayFile(Program& p, const DisplaySettings& record);

} // namespace racedesk
