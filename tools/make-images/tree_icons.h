#pragma once

#include <QPainter>

// The ten icons of the race tree, on a 16 x 16 grid. A heat without results and a heat with
// stored results must tell apart at a glance: an empty outline flag against a chequered flag
// with a green tick.
namespace makeimages {

void drawTreeFolder(QPainter& p);
void drawTreeTrack(QPainter& p);
void drawTreeParticipants(QPainter& p);
void drawTreeParameters(QPainter& p);
void drawTreeComposition(QPainter& p);
void drawTreeCategory(QPainter& p);
void drawTreeHeatEmpty(QPainter& p);
void drawTreeClassification(QPainter& p);
void drawTreeHeatDone(QPainter& p);
void drawTreeTrophy(QPainter& p);

} // namespace makeimages
