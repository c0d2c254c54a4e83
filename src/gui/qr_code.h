#pragma once
#include <QImage>
#include <QString>

namespace racedesk {

// The QR code of a text (an address), black modules on white with the quiet zone a scanner
// needs, each module `scale` pixels wide. A null image when the text cannot be encoded.
QImage qrCodeImage(const QString& text, int scale);

} // namespace racedesk
