#include "core/app/app_texts.h"

namespace racedesk {

const char* textUtf8(AppText id) {
    switch (id) {
    case AppText::HelpNotOpened:
        return "Le guide n'a pas pu être ouvert: aucun lecteur de PDF n'est installé, ou le "
               "fichier manque.\nOuvrez-le avec le lecteur de votre choix :\n%s";
    case AppText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
