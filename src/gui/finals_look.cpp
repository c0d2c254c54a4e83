#include "gui/finals_look.h"

namespace racedesk {

QString uiText(FinalsText id) {
    return QString::fromUtf8(textUtf8(id));
}

} // namespace racedesk
