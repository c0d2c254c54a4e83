#pragma once

#include "picture_catalogue.h"

#include <QImage>
#include <QString>

namespace makeimages {

// The picture drawn at its size: opaque on its background for a bitmap, transparent around
// the drawing for an icon.
QImage render(const Picture& picture);

// Writes the picture into its folder under 'imagesDir' or 'iconsDir': a 24-bit BMP or a PNG
// with alpha. Returns false, with the reason in 'error', when the file cannot be written.
bool writePicture(const Picture& picture, const QString& imagesDir, const QString& iconsDir,
                  QString& error);

} // namespace makeimages
