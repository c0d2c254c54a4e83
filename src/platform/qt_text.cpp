#include "platform/qt_text.h"

#include "core/common/cp1252.h"

namespace racedesk {

QString toQString(std::string_view cp1252) {
    return QString::fromStdString(cp1252ToUtf8(cp1252));
}

std::string fromQString(const QString& text) {
    return utf8ToCp1252(text.toStdString());
}

} // namespace racedesk
