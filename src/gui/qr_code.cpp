#include "gui/qr_code.h"

#include <qrencode.h>

#include <memory>

namespace racedesk {
namespace {

constexpr int kQuietZone = 4; // modules of white around the code

struct QrFree {
    void operator()(QRcode* code) const { QRcode_free(code); }
};

} // namespace

QImage qrCodeImage(const QString& text, int scale) {
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<QRcode, QrFree> code(
        QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1));
    if (!code || scale < 1)
        return {};
    const int modules = code->width + 2 * kQuietZone;
    QImage image(modules * scale, modules * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            if ((code->data[y * code->width + x] & 1) == 0)
                continue;
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx)
                    image.setPixel((x + kQuietZone) * scale + dx, (y + kQuietZone) * scale + dy,
                                   qRgb(0, 0, 0));
        }
    }
    return image;
}

} // namespace racedesk
