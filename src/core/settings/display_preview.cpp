#include "core/settings/display_preview.h"

#include "core/platform/fitted_font.h"
#include "core/settings/band_fill.h"

#include <array>

namespace racedesk {
namespace {

constexpr int kSwatchWidth = 40;
constexpr int kWideSwatchWidth = 90;
constexpr int kSwatchHeight = 20;
constexpr int kSampleWidth = 90;
constexpr int kSampleHeight = 20;

constexpr std::array<Point, kColourCount> kSwatchAt = {{
    {200, 85},  // window background
    {200, 115}, // race tree background
    {200, 145}, // board background
    {200, 215}, // heat title
    {200, 245}, // radio conflict
    {200, 275}, // car passing
    {200, 305}, // best lap of the run
    {200, 335}, // best lap of the driver
    {200, 405}, // header band, top
    {250, 405}, // header band, bottom
    {200, 435}, // result rows, top
    {250, 435}, // result rows, bottom
    {300, 435}, // frame lines
}};

constexpr std::array<Point, kFontSampleCount> kSampleAt = {{
    {250, 215}, // heat title
    {250, 245}, // radio conflict
    {300, 405}, // column headings
    {300, 500}, // the selected column
}};

// The preview stands to the right of the table's swatches and samples.
constexpr int kPreviewLeft = 410;
constexpr int kPreviewRight = 630;
constexpr int kPreviewTop = 405;
constexpr int kPreviewHeaderHeight = 20;
constexpr int kPreviewRowHeight = 25;
// The frame line across the second row, as the board draws its frame lines.
constexpr int kLineBelowRowTop = 10;
constexpr int kLineInset = 5;
constexpr int kLineWidth = 3;

constexpr Colour kOutline = rgb(0, 0, 0);
constexpr Colour kSampleOutline = rgb(160, 160, 160);

constexpr int kSampleInset = 2;

// Each sample stands on the colour its text has on the board: the heat title and the conflict
// banner on their backgrounds, the headings and the columns on their bands.
void paintSampleBand(Canvas& canvas, const DisplaySettings& settings, int sample, const Rect& r) {
    const auto& c = settings.colours;
    switch (sample) {
    case kHeatTitleFont:
        canvas.fillRect(r, c[kHeatTitleBackground]);
        break;
    case kConflictFont:
        canvas.fillRect(r, c[kConflictBackground]);
        break;
    case kHeadingsFont:
        fillBand(canvas, r, c[kHeaderTop], c[kHeaderBottom]);
        break;
    default:
        fillBand(canvas, r, c[kRowsTop], c[kRowsBottom]);
        break;
    }
}

bool strictlyInside(const Rect& r, int x, int y) {
    return x > r.left && x < r.right && y > r.top && y < r.bottom;
}

} // namespace

Rect swatchRect(int colour) {
    const Point at = kSwatchAt[std::size_t(colour)];
    const int width = colour == kFrameLines ? kWideSwatchWidth : kSwatchWidth;
    return {at.x, at.y, at.x + width, at.y + kSwatchHeight};
}

Rect fontSampleRect(int sample) {
    const Point at = kSampleAt[std::size_t(sample)];
    return {at.x, at.y, at.x + kSampleWidth, at.y + kSampleHeight};
}

Rect previewHeaderRect() {
    return {kPreviewLeft, kPreviewTop, kPreviewRight, kPreviewTop + kPreviewHeaderHeight};
}

Rect previewRowRect(int row) {
    const int top = kPreviewTop + kPreviewHeaderHeight + row * kPreviewRowHeight;
    return {kPreviewLeft, top, kPreviewRight, top + kPreviewRowHeight};
}

int fontOfSample(int sample, int column) {
    return sample == kFontSampleCount - 1 ? kFirstColumnFont + column : sample;
}

int swatchAt(int x, int y) {
    for (int i = 0; i < kColourCount; ++i)
        if (strictlyInside(swatchRect(i), x, y))
            return i;
    return -1;
}

int fontSampleAt(int x, int y) {
    for (int i = 0; i < kFontSampleCount; ++i)
        if (strictlyInside(fontSampleRect(i), x, y))
            return i;
    return -1;
}

void paintSwatches(Canvas& canvas, const DisplaySettings& settings) {
    for (int i = 0; i < kColourCount; ++i) {
        const Rect r = swatchRect(i);
        canvas.fillRect(r, settings.colours[std::size_t(i)]);
        canvas.frameRect(r, kOutline, 1, false, kOutline);
    }
}

void paintFontSamples(Canvas& canvas, const DisplaySettings& settings, int column) {
    for (int i = 0; i < kFontSampleCount; ++i) {
        const Rect r = fontSampleRect(i);
        paintSampleBand(canvas, settings, i, r);
        const std::size_t font = std::size_t(fontOfSample(i, column));
        FontSpec shown = settings.fonts[font];
        shown.height = kFontSampleHeight;
        shown = fittedFont(canvas, kFontSampleText, shown, r.width() - 2 * kSampleInset);
        canvas.frameRect(r, kSampleOutline, 1, false, kSampleOutline);
        canvas.text(r.left + kSampleInset, r.top + (r.height() - shown.height) / 2, kFontSampleText,
                    shown, settings.fontColours[font], Align::Left, false, kOutline);
    }
}

void paintPreview(Canvas& canvas, const DisplaySettings& settings) {
    const auto& c = settings.colours;
    fillBand(canvas, previewHeaderRect(), c[kHeaderTop], c[kHeaderBottom]);
    for (int row = 0; row < 2; ++row)
        fillBand(canvas, previewRowRect(row), c[kRowsTop], c[kRowsBottom]);
    const Rect second = previewRowRect(1);
    const int y = second.top + kLineBelowRowTop;
    canvas.line({second.left + kLineInset, y}, {second.right - kLineInset, y}, c[kFrameLines],
                kLineWidth, PenStyle::Solid);
}

void paintDisplayOptions(Canvas& canvas, const DisplaySettings& settings, int column) {
    paintSwatches(canvas, settings);
    paintFontSamples(canvas, settings, column);
    paintPreview(canvas, settings);
}

} // namespace racedesk
