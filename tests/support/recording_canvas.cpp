#include "support/recording_canvas.h"

#include <algorithm>

namespace racedesk::test {

void RecordingCanvas::polyline(const Point* points, int count, Colour, int) {
    polylines.emplace_back(points, points + count);
}

const RecordingCanvas::Text* RecordingCanvas::find(const std::string& text) const {
    for (const Text& t : texts) {
        if (t.text == text)
            return &t;
    }
    return nullptr;
}

int RecordingCanvas::count(const std::string& text) const {
    return int(
        std::count_if(texts.begin(), texts.end(), [&](const Text& t) { return t.text == text; }));
}

long RecordingCanvas::colourAt(int x, int y) const {
    for (auto it = fills.rbegin(); it != fills.rend(); ++it) {
        if (it->rect.contains(x, y))
            return long(it->colour);
    }
    return -1;
}

} // namespace racedesk::test
