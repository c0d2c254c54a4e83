#pragma once
#include <QString>

#include <string>
#include <string_view>

namespace racedesk {

// The GUI boundary: core strings are Windows-1252, Qt speaks UTF-16.
QString toQString(std::string_view cp1252);
std::string fromQString(const QString& text);

} // namespace racedesk
