#include "picture_catalogue.h"

#include "app_mark.h"
#include "bitmap_pictures.h"
#include "button_icons.h"
#include "menu_icons.h"
#include "picture_style.h"
#include "tree_icons.h"

namespace makeimages {
namespace {

Picture bitmap(const char* file, int side, QRgb background, void (*draw)(QPainter&)) {
    return {Folder::Images, file, QSize(side, side), QSize(side, side), background, draw};
}

Picture icon(const char* file, int side, void (*draw)(QPainter&)) {
    return {Folder::Icons, file, QSize(side, side), QSize(32, 32), 0, draw};
}

Picture treeIcon(const char* file, void (*draw)(QPainter&)) {
    return {Folder::Icons, file, QSize(16, 16), QSize(16, 16), 0, draw};
}

std::vector<Picture> bitmaps() {
    using namespace palette;
    return {
        {Folder::Images, "logo.bmp", QSize(200, 50), QSize(200, 50), paper, drawLogo},
        bitmap("drapeauArrivee.bmp", 24, paper, drawFinishFlag),
        bitmap("voyantVert.bmp", 24, dialogGrey, drawGreenLight),
        bitmap("voyantRouge.bmp", 24, dialogGrey, drawRedLight),
        bitmap("voyantScanPuce1.bmp", 24, dialogGrey, [](QPainter& p) { drawScanLight(p, 1); }),
        bitmap("voyantScanPuce2.bmp", 24, dialogGrey, [](QPainter& p) { drawScanLight(p, 2); }),
        bitmap("voyantScanPuce3.bmp", 24, dialogGrey, [](QPainter& p) { drawScanLight(p, 3); }),
        bitmap("voyantScanPuce4.bmp", 24, dialogGrey, [](QPainter& p) { drawScanLight(p, 4); }),
        bitmap("FlecheHaut.bmp", 16, tableRow, drawArrowUp),
        bitmap("FlecheBas.bmp", 16, tableRow, drawArrowDown),
        {Folder::Images, "impression.bmp", QSize(32, 32), QSize(32, 32), dialogGrey, drawPrinter},
    };
}

std::vector<Picture> icons() {
    return {
        icon("racedesk.png", 64, drawAppMark),
        // The desktop's sizes of the application icon, installed into the hicolor theme.
        icon("racedesk-48.png", 48, drawAppMark),
        icon("racedesk-128.png", 128, drawAppMark),
        icon("racedesk-256.png", 256, drawAppMark),
        icon("start.png", 32, drawStart),
        icon("stop.png", 32, drawStop),
        icon("clear.png", 32, drawClear),
        icon("results.png", 32, drawResults),
        icon("print.png", 32, drawPrinter),
        icon("new_race.png", 32, drawNewRace),
        icon("save.png", 32, drawSave),
        icon("quit.png", 32, drawQuit),
        icon("circuits.png", 32, drawCircuits),
        icon("clubs.png", 32, drawClubs),
        icon("drivers.png", 32, drawDrivers),
        icon("frequencies.png", 32, drawFrequencies),
        icon("transponders.png", 32, drawTransponders),
        icon("planning.png", 32, drawPlanning),
        icon("sounds.png", 32, drawSounds),
        icon("display.png", 32, drawDisplay),
        icon("interface.png", 32, drawInterface),
        icon("checked.png", 32, drawChecked),
        treeIcon("tree_folder.png", drawTreeFolder),
        treeIcon("tree_track.png", drawTreeTrack),
        treeIcon("tree_participants.png", drawTreeParticipants),
        treeIcon("tree_parameters.png", drawTreeParameters),
        treeIcon("tree_composition.png", drawTreeComposition),
        treeIcon("tree_category.png", drawTreeCategory),
        treeIcon("tree_heat_empty.png", drawTreeHeatEmpty),
        treeIcon("tree_classification.png", drawTreeClassification),
        treeIcon("tree_heat_done.png", drawTreeHeatDone),
        treeIcon("tree_trophy.png", drawTreeTrophy),
    };
}

} // namespace

const std::vector<Picture>& allPictures() {
    static const std::vector<Picture> pictures = [] {
        std::vector<Picture> all = bitmaps();
        const std::vector<Picture> more = icons();
        all.insert(all.end(), more.begin(), more.end());
        return all;
    }();
    return pictures;
}

} // namespace makeimages
