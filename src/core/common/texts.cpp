#include "core/common/texts.h"

#include "core/common/cp1252.h"

namespace racedesk {

std::string textToCp1252(const char* utf8) {
    return utf8ToCp1252(utf8);
}

void loadTexts() {
    tx(Text::CaptionError);
}

} // namespace racedesk
