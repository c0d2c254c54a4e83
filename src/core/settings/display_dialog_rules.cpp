#include "core/settings/display_dialog_rules.h"

#include "core/app/program.h"
#include "core/common/leading_number.h"
#include "core/common/texts.h"

#include <algorithm>
#include <cmath>

namespace racedesk {
namespace {

struct HeightLimits {
    int minPoints;
    int maxPoints;
};

HeightLimits limitsOf(int font) {
    switch (font) {
    case kHeatTitleFont:
        return {0, 20};
    case kConflictFont:
        return {0, 40};
    case kHeadingsFont:
        return {8, 16};
    default:
        return {0, 50};
    }
}

std::string_view fileNameOf(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace

int widenedColumn(int width) {
    return width >= kMaxColumnWidth ? width : width + 1;
}

int narrowedColumn(int width) {
    return width < 1 ? width : width - 1;
}

int widthOfField(std::string_view text) {
    return leadingNumber(text, kWidthFieldDigits);
}

int pixelsOfPoints(double points) {
    return int(std::lround(points * 4.0 / 3.0));
}

double pointsOfPixels(int pixels) {
    return pixels * 3.0 / 4.0;
}

int clampedFontHeight(int font, int pixels) {
    const HeightLimits limits = limitsOf(font);
    const int most = pixelsOfPoints(limits.maxPoints);
    if (limits.minPoints == 0)
        return std::min(pixels, most);
    return std::clamp(pixels, pixelsOfPoints(limits.minPoints), most);
}

void storeChosenFont(DisplaySettings& record, int font, const FontSpec& chosen, Colour colour) {
    FontSpec& f = record.fonts[std::size_t(font)];
    f.face = chosen.face.view();
    f.height = clampedFontHeight(font, chosen.height);
    f.weight = chosen.weight;
    f.italic = chosen.italic;
    f.underline = chosen.underline;
    f.strikeOut = chosen.strikeOut;
    record.fontColours[std::size_t(font)] = colour;
}

std::string displayFileToSave(const std::string& chosen) {
    if (chosen.empty() || fileNameOf(chosen) == kDisplayFilePattern)
        return {};
    if (fileNameOf(chosen).find(kDisplayFileExtension) != std::string_view::npos)
        return chosen;
    return chosen + kDisplayFileExtension;
}

bool loadDisplayFile(const std::string& path, DisplaySettings& record) {
    DisplaySettings scratch = record;
    if (!readDisplaySettings(path, scratch))
        return false;
    record = scratch;
    return true;
}

bool readDialogRecord(Program& p, DisplaySettings& record) {
    if (loadDisplayFile(p.path(kDisplaySettingsFile), record))
        return true;
    p.showError(tx(Text::ErrDisplaySettings));
    return false;
}

bool writeDialogRecord(Program& p, const DisplaySettings& record) {
    if (writeDisplaySettings(p.path(kDisplaySettingsFile), record))
        return true;
    p.showError(tx(Text::ErrDisplaySettings));
    return false;
}

bool loadChosenDisplayFile(Program& p, DisplaySettings& record) {
    const std::string chosen =
        p.io.dialogs.chooseOpenFile(tx(Text::DisplayFileFilter), kDisplayFilePattern, p.workDir);
    if (chosen.empty())
        return false;
    if (loadDisplayFile(chosen, record))
        return true;
    p.showError(tx(Text::ErrDisplayFile));
    return false;
}

bool saveChosenDisplayFile(Program& p, const DisplaySettings& record) {
    const std::string file = displayFileToSave(
        p.io.dialogs.chooseSaveFile(tx(Text::DisplayFileFilter), kDisplayFilePattern, p.workDir));
    if (file.empty())
        return false;
    if (writeDisplaySettings(file, record))
        return true;
    p.showError(tx(Text::ErrDisplaySettings));
    return false;
}

} // namespace racedesk
