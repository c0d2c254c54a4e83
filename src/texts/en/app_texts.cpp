#include "core/app/app_texts.h"

namespace racedesk {

const char* textUtf8(AppText id) {
    switch (id) {
    case AppText::HelpNotOpened:
        return "The guide could not be opened: no PDF viewer is installed, or the file is "
               "missing.\nOpen it with a viewer of your choice:\n%s";
    case AppText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
