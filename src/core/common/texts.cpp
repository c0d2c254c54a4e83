#include "core/common/texts.h"

#include "core/common/cp1252.h"

#include <array>
#include <string>

namespace racedesk {
namespace {

using Table = std::array<std::string, static_cast<std::size_t>(Text::Count)>;

const Table& table() {
    static const Table converted = [] {
        Table t;
        for (std::size_t i = 0; i < t.size(); ++i)
            t[i] = utf8ToCp1252(textUtf8(static_cast<Text>(i)));
        return t;
    }();
    return converted;
}

} // namespace

const char* tx(Text id) {
    return table()[static_cast<std::size_t>(id)].c_str();
}

void loadTexts() {
    table();
}

} // namespace racedesk
