#pragma once
#include "core/common/fixed_text.h"
#include "core/common/texts.h"
#include "core/platform/canvas.h"

#include <string_view>

namespace racedesk {

struct Program;

// The rules of the "Interface" dialog: what it shows, and what "Ouvrir" does to the link and
// the interface settings file.

inline constexpr int kComPortCount = 49;
inline constexpr const char* kConnectedLight = "images/voyantVert.bmp";
inline constexpr const char* kNotConnectedLight = "images/voyantRouge.bmp";

// "COM1" to "COM49", in the order the port list offers them.
FixedText<6> comPortName(int index);
// Where the port list holds a port name, or -1 when it does not.
int comPortIndex(std::string_view portName);

struct InterfaceDialogState {
    bool kt2 = false; // the decoder the radio buttons show; the radios change only this
    int connected = 0;
    int portIndex = -1; // in the port list; -1 selects none
    Text message = Text::InterfacePortNotOpen;
};

// The dialog at opening, from the interface settings file; the error is shown when the file
// cannot be read, and the link's own settings are shown instead.
InterfaceDialogState openInterfaceDialog(Program& p);

// "Ouvrir": the port is closed, then the recognition runs on 'portName' and writes the
// settings file (connected 0 with the type "Tarvolin" when the port does not open). The state
// takes the decoder found, the message and connected.
void connectInterface(Program& p, InterfaceDialogState& state, std::string_view portName);

// The indicator light of the dialog, green when connected, red when not.
void paintConnectionLight(Canvas& canvas, int connected);
Rect connectionLightRect();

} // namespace racedesk
