#include "core/race/race_texts.h"

namespace racedesk {

const char* textUtf8(RaceText id) {
    switch (id) {
    case RaceText::DefaultCategoryName:
        return "CATEGORY %d";
    case RaceText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
