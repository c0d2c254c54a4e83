#pragma once

class QWidget;

namespace racedesk {

class LiveResults;

// "Résultats en direct": on or off, the port, and the address to give people as text and as
// a QR code. "Ok" keeps the settings and applies them; "Annuler" leaves everything as it was.
void runLiveResultsDialog(LiveResults& live, QWidget* parent);

} // namespace racedesk
