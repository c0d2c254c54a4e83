#pragma once
#include "core/settings/display_settings.h"

namespace racedesk {

// What the display options dialog paints itself, in its client pixels: the colour swatches,
// the font samples and a preview of the results table.

// The font samples: the heat title, the radio conflict, the column headings and the column
// selected in the dialog.
inline constexpr int kFontSampleCount = 4;
inline constexpr const char* kFontSampleText = "AaBbYyZz";
inline constexpr int kFontSampleHeight = 18;

Rect swatchRect(int colour);
Rect fontSampleRect(int sample);
// The preview: the header band, then two result rows.
Rect previewHeaderRect();
Rect previewRowRect(int row);

// The font a sample shows: the selected column's for the last one.
int fontOfSample(int sample, int column);

// The swatch or sample under a click strictly inside it, or -1.
int swatchAt(int x, int y);
int fontSampleAt(int x, int y);

void paintSwatches(Canvas& canvas, const DisplaySettings& settings);
void paintFontSamples(Canvas& canvas, const DisplaySettings& settings, int column);
void paintPreview(Canvas& canvas, const DisplaySettings& settings);
// All three.
void paintDisplayOptions(Canvas& canvas, const DisplaySettings& settings, int column);

} // namespace racedesk
