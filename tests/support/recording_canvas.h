#pragma once
#include "core/platform/canvas.h"

#include <string>
#include <vector>

namespace racedesk::test {

// Records what core draws, so a test can ask what was drawn where and in which colour.
class RecordingCanvas : public Canvas {
public:
    struct Text {
        int x, y;
        std::string text; // Windows-1252, as drawn
        FontSpec font;
        Colour colour;
        Align align;
        bool opaque;
        Colour background;
    };
    struct Fill {
        Rect rect;
        Colour colour;
    };
    struct Bitmap {
        Rect target;
        std::string file;
        bool crop;
    };
    struct Line {
        Point from, to;
        Colour pen;
        int width;
        PenStyle style;
    };
    struct Frame {
        Rect rect;
        Colour pen;
        int width;
        bool filled;
        Colour fill;
    };

    void setLogicalWindow(int width, int height) override {
        logicalWidth = width;
        logicalHeight = height;
    }
    void fillRect(const Rect& r, Colour colour) override { fills.push_back({r, colour}); }
    void frameRect(const Rect& r, Colour pen, int penWidth, bool filled, Colour fill) override {
        frames.push_back({r, pen, penWidth, filled, fill});
    }
    void line(Point from, Point to, Colour pen, int penWidth, PenStyle style) override {
        lines.push_back({from, to, pen, penWidth, style});
    }
    void polyline(const Point* points, int count, Colour pen, int penWidth) override;
    void text(int x, int y, std::string_view text, const FontSpec& font, Colour colour, Align align,
              bool opaque, Colour background) override {
        texts.push_back({x, y, std::string(text), font, colour, align, opaque, background});
    }
    // Each character is half the font's height wide: enough to test what fits.
    int textWidth(std::string_view text, const FontSpec& font) override {
        return int(text.size()) * font.height / 2;
    }
    void bitmap(const Rect& target, const char* file, bool crop) override {
        bitmaps.push_back({target, file, crop});
    }

    // The first text drawn with exactly this content, or nullptr.
    const Text* find(const std::string& text) const;
    int count(const std::string& text) const;
    // The colour of the last fill that covers the point, or -1 when none does.
    long colourAt(int x, int y) const;

    std::vector<Text> texts;
    std::vector<Fill> fills;
    std::vector<Bitmap> bitmaps;
    std::vector<Line> lines;
    std::vector<Frame> frames;
    std::vector<std::vector<Point>> polylines;
    int logicalWidth = 0;
    int logicalHeight = 0;
};

} // namespace racedesk::test
