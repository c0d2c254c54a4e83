#pragma once
#include "core/race/transfer_files.h"
#include "support/recording_canvas.h"

#include <initializer_list>
#include <vector>

namespace racedesk::test {

// A driver's run made of these lap times, its start crossing at 'start'.
inline DriverResult runOfLaps(std::initializer_list<RaceTime> laps, RaceTime start = 0) {
    DriverResult run;
    run.name = "Jean Dupont";
    run.times[0] = start;
    for (const RaceTime lap : laps) {
        ++run.laps;
        run.times[std::size_t(run.laps)] = run.times[std::size_t(run.laps - 1)] + lap;
    }
    return run;
}

inline DriverResult runOfEqualLaps(int laps, RaceTime lap) {
    DriverResult run;
    for (int i = 1; i <= laps; ++i)
        run.times[std::size_t(i)] = run.times[std::size_t(i - 1)] + lap;
    run.laps = laps;
    return run;
}

// The run whose figures the analysis is known by: laps of 61.2, 61.25, 61.9, 62.6 and 67 s.
inline DriverResult fiveLapRun() {
    return runOfLaps({61'200, 61'250, 61'900, 62'600, 67'000});
}

// Records as RecordingCanvas does, and also the logical window each frame, bitmap and text was
// drawn in, and the pen of each polyline.
class AnalysisCanvas : public RecordingCanvas {
public:
    struct Window {
        int width = 0;
        int height = 0;
    };
    struct Pen {
        Colour colour;
        int width;
    };

    void frameRect(const Rect& r, Colour pen, int penWidth, bool filled, Colour fill) override {
        RecordingCanvas::frameRect(r, pen, penWidth, filled, fill);
        frameWindows.push_back({logicalWidth, logicalHeight});
    }
    void bitmap(const Rect& target, const char* file, bool crop) override {
        RecordingCanvas::bitmap(target, file, crop);
        bitmapWindows.push_back({logicalWidth, logicalHeight});
    }
    void text(int x, int y, std::string_view s, const FontSpec& font, Colour colour, Align align,
              bool opaque, Colour background) override {
        RecordingCanvas::text(x, y, s, font, colour, align, opaque, background);
        textWindows.push_back({logicalWidth, logicalHeight});
    }
    void polyline(const Point* points, int count, Colour pen, int penWidth) override {
        RecordingCanvas::polyline(points, count, pen, penWidth);
        polylinePens.push_back({pen, penWidth});
    }

    std::vector<Window> frameWindows;
    std::vector<Window> bitmapWindows;
    std::vector<Window> textWindows;
    std::vector<Pen> polylinePens;
};

inline bool sameRect(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace racedesk::test
