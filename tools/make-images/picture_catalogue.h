#pragma once

#include <QColor>
#include <QPainter>
#include <QSize>

#include <vector>

namespace makeimages {

enum class Folder {
    // "images/": 24-bit Windows bitmaps that the program and the user's working folder name.
    Images,
    // "icons/": PNG with transparency, for the windows and menus.
    Icons,
};

// One picture to generate: where it goes, its size in pixels, and the drawing that fills it.
// The drawing works on its own grid of units, scaled onto the picture's size.
struct Picture {
    Folder folder;
    const char* file;
    QSize size;
    QSize grid;
    // What a bitmap is drawn on (bitmaps have no transparency); unused for icons.
    QRgb background;
    void (*draw)(QPainter&);
};

const std::vector<Picture>& allPictures();

} // namespace makeimages
