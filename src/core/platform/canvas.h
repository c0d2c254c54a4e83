#pragma once
#include "core/common/fixed_text.h"

#include <cstdint>
#include <string_view>

namespace racedesk {

// A colour as the settings files store it: red in the lowest byte, then green, then blue.
using Colour = std::uint32_t;

constexpr Colour rgb(int red, int green, int blue) {
    return Colour(red & 0xFF) | Colour(green & 0xFF) << 8 | Colour(blue & 0xFF) << 16;
}
constexpr int redOf(Colour c) {
    return int(c & 0xFF);
}
constexpr int greenOf(Colour c) {
    return int(c >> 8 & 0xFF);
}
constexpr int blueOf(Colour c) {
    return int(c >> 16 & 0xFF);
}

inline constexpr Colour kBlack = rgb(0, 0, 0);
inline constexpr Colour kWhite = rgb(255, 255, 255);

struct FontSpec {
    FixedText<32> face;
    int height = 0; // pixels (or logical units on a page)
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

// The face every drawing and printout of the program uses, at a height and a weight.
inline FontSpec arialFont(int height, int weight = 400) {
    FontSpec font;
    font.face = "Arial";
    font.height = height;
    font.weight = weight;
    return font;
}

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

enum class Align { Left, Centre, Right };
enum class PenStyle { Solid, Dotted };

struct Point {
    int x = 0;
    int y = 0;
};

// Where core draws: the board, printed pages, the analysis views and painted tables.
// Texts are Windows-1252. The platform draws on a widget, an image or a printer; tests
// record what was drawn where.
class Canvas {
public:
    virtual ~Canvas() = default;
    // Logical units of the drawing from now on: a width x height window mapped isotropically
    // onto the device, its origin at the top left. Without a call, units are device pixels.
    virtual void setLogicalWindow(int width, int height) = 0;
    virtual void fillRect(const Rect& r, Colour colour) = 0;
    // An outline with a pen of the given width; fill only when 'filled'.
    virtual void frameRect(const Rect& r, Colour pen, int penWidth, bool filled, Colour fill) = 0;
    virtual void line(Point from, Point to, Colour pen, int penWidth, PenStyle style) = 0;
    virtual void polyline(const Point* points, int count, Colour pen, int penWidth) = 0;
    // Text with its top at y; x is its left edge, centre or right edge by 'align'. With
    // 'opaque', the text's box is first filled with 'background'.
    virtual void text(int x, int y, std::string_view text, const FontSpec& font, Colour colour,
                      Align align, bool opaque, Colour background) = 0;
    virtual int textWidth(std::string_view text, const FontSpec& font) = 0;
    // A BMP file (relative to the working folder or absolute) scaled into a rectangle, or its
    // top-left part copied when 'crop'. A missing file draws nothing.
    virtual void bitmap(const Rect& target, const char* file, bool crop) = 0;
};

} // namespace racedesk
