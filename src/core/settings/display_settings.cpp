#include "core/settings/display_settings.h"

#include "core/common/field_reader.h"
#include "core/common/text_builder.h"
#include "core/common/text_file.h"
#include "core/settings/display_dialog_rules.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <span>

namespace racedesk {
namespace {

template <typename T, std::size_t N, typename Get>
void appendLine(std::string& out, const std::array<T, N>& values, Get get) {
    char number[24];
    for (const T& v : values) {
        TextBuilder(number, sizeof number).number(get(v));
        out.append(number);
        out.push_back('\t');
    }
    out.append("\r\n");
}

template <typename T, std::size_t N, typename Set>
void readNumbers(FieldReader& reader, std::array<T, N>& values, Set set) {
    for (T& v : values) {
        int n = 0;
        if (reader.scanInteger(n))
            set(v, n);
    }
}

// Colours are unsigned 32-bit values: written as such, and read so whether a file holds them
// that way or as the signed numbers another writer made of them (-16777216 for 0xFF000000).
void readColours(FieldReader& reader, std::span<Colour> colours) {
    for (Colour& c : colours) {
        const std::string_view t = reader.token();
        std::int64_t n = 0;
        const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), n);
        if (error == std::errc{} && end != t.data())
            c = Colour(std::uint64_t(n));
    }
}

// The most a font weight can be; the lightest is 0.
constexpr int kHeaviestWeight = 1000;

FontSpec font(const char* face, int height, int weight, bool italic = false) {
    FontSpec f;
    f.face = face;
    f.height = height;
    f.weight = weight;
    f.italic = italic;
    return f;
}

} // namespace

bool readDisplaySettings(const std::string& path, DisplaySettings& s) {
    for (FontSpec& f : s.fonts)
        f.face.clear();
    std::string contents;
    if (!readWholeFile(path, contents))
        return false;
    FieldReader reader(contents);
    reader.scanInteger(s.style);
    reader.skipLine();
    for (FontSpec& f : s.fonts)
        reader.text(f.face);
    // Heights and widths within what the dialog lets a user choose: the board scales them.
    readNumbers(reader, s.fonts, [&s](FontSpec& f, int n) {
        f.height = std::max(0, clampedFontHeight(int(&f - s.fonts.data()), n));
    });
    readNumbers(reader, s.fonts,
                [](FontSpec& f, int n) { f.weight = std::clamp(n, 0, kHeaviestWeight); });
    readNumbers(reader, s.fonts, [](FontSpec& f, int n) { f.italic = n != 0; });
    readNumbers(reader, s.fonts, [](FontSpec& f, int n) { f.underline = n != 0; });
    readNumbers(reader, s.fonts, [](FontSpec& f, int n) { f.strikeOut = n != 0; });
    readColours(reader, s.fontColours);
    readColours(reader, s.colours);
    readNumbers(reader, s.columnWidths,
                [](int& w, int n) { w = std::clamp(n, 0, kMaxColumnWidth); });
    readColours(reader, s.customColours);
    return true;
}

bool writeDisplaySettings(const std::string& path, const DisplaySettings& s) {
    std::string out;
    char number[24];
    out.append(TextBuilder(number, sizeof number).number(s.style).c_str());
    out.append("\t\r\n");
    for (const FontSpec& f : s.fonts) {
        out.append(f.face.view());
        out.push_back('\t');
    }
    out.append("\r\n");
    appendLine(out, s.fonts, [](const FontSpec& f) { return f.height; });
    appendLine(out, s.fonts, [](const FontSpec& f) { return f.weight; });
    appendLine(out, s.fonts, [](const FontSpec& f) { return int(f.italic); });
    appendLine(out, s.fonts, [](const FontSpec& f) { return int(f.underline); });
    appendLine(out, s.fonts, [](const FontSpec& f) { return int(f.strikeOut); });
    appendLine(out, s.fontColours, [](Colour c) { return std::int64_t(c); });
    appendLine(out, s.colours, [](Colour c) { return std::int64_t(c); });
    appendLine(out, s.columnWidths, [](int w) { return w; });
    appendLine(out, s.customColours, [](Colour c) { return std::int64_t(c); });
    return replaceWholeFile(path, out);
}

Colour bandColour(Colour top, Colour bottom, int y, int h) {
    if (h <= 0 || top == bottom)
        return top;
    auto channel = [&](int t, int b) {
        // top - (top - bottom) * y / h, the quotient rounded to the nearest integer.
        const int num = (t - b) * y;
        const int q = num >= 0 ? (2 * num + h) / (2 * h) : -((-2 * num + h) / (2 * h));
        return t - q;
    };
    return rgb(channel(redOf(top), redOf(bottom)), channel(greenOf(top), greenOf(bottom)),
               channel(blueOf(top), blueOf(bottom)));
}

DisplaySettings defaultDisplaySettings() {
    DisplaySettings s;
    s.style = 1;
    // Ligne, Nom pilote, Tours, Temps total, Ecart leader, Ecart précédt, Dernier tour,
    // Meilleur tour, Transp.: wide enough for their texts at 1366 pixels and more.
    s.columnWidths = {70, 300, 70, 150, 135, 135, 135, 135, 95};
    s.fonts[kHeatTitleFont] = font("Arial", 16, 700);
    s.fonts[kConflictFont] = font("Arial", 28, 700);
    s.fonts[kHeadingsFont] = font("Arial", 14, 700);
    for (int c = 0; c < kBoardColumnCount; ++c)
        s.fonts[std::size_t(kFirstColumnFont + c)] = font("Arial", 18, c == 1 ? 700 : 400);
    s.fontColours.fill(rgb(20, 20, 40));
    s.fontColours[kHeatTitleFont] = kWhite;
    s.fontColours[kConflictFont] = kWhite;
    s.fontColours[kHeadingsFont] = kWhite;
    s.fontColours[kFirstColumnFont + 3] = rgb(0, 0, 140); // total time
    s.fontColours[kFirstColumnFont + 7] = rgb(140, 0, 0); // best lap
    s.colours[kWindowBackground] = rgb(200, 200, 200);
    s.colours[kTreeBackground] = rgb(245, 245, 235);
    s.colours[kBoardBackground] = rgb(225, 228, 235);
    s.colours[kHeatTitleBackground] = rgb(40, 60, 110);
    s.colours[kConflictBackground] = rgb(200, 30, 30);
    s.colours[kJustPassedBackground] = rgb(255, 200, 60);
    s.colours[kRunBestBackground] = rgb(230, 120, 220);
    s.colours[kDriverBestBackground] = rgb(140, 220, 140);
    s.colours[kHeaderTop] = rgb(70, 95, 150);
    s.colours[kHeaderBottom] = rgb(30, 45, 90);
    s.colours[kRowsTop] = rgb(250, 250, 252);
    s.colours[kRowsBottom] = rgb(215, 220, 232);
    s.colours[kFrameLines] = rgb(90, 100, 130);
    s.customColours.fill(kWhite);
    return s;
}

} // namespace racedesk
