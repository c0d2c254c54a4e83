#include "core/timing/interface_dialog_rules.h"

#include "core/app/program.h"
#include "core/common/text_builder.h"
#include "core/timing/decoder_link.h"
#include "core/timing/interface_settings.h"

namespace racedesk {
namespace {

constexpr Point kLightAt{280, 370};
// The shipped lights are 24 pixels square; another picture is fitted into that square.
constexpr int kLightSide = 24;

Text readyMessage(bool kt2) {
    return kt2 ? Text::InterfaceKt2Ready : Text::InterfaceKt1Ready;
}

} // namespace

FixedText<6> comPortName(int index) {
    char name[8];
    TextBuilder(name, sizeof name).put("COM").number(index + 1);
    return FixedText<6>(name);
}

int comPortIndex(std::string_view portName) {
    for (int i = 0; i < kComPortCount; ++i)
        if (comPortName(i) == portName)
            return i;
    return -1;
}

InterfaceDialogState openInterfaceDialog(Program& p) {
    InterfaceSettings file = interfaceSettingsOf(p.link);
    if (!readInterfaceSettings(p.path(kInterfaceSettingsFile), file))
        p.showError(tx(Text::ErrInterfaceDialogFile));
    InterfaceDialogState s;
    s.kt2 = file.type.view() != kTypeKt1;
    s.connected = file.connected;
    s.portIndex = comPortIndex(file.portName.view());
    s.message = file.connected == 1 ? readyMessage(s.kt2) : Text::InterfacePortNotOpen;
    return s;
}

void connectInterface(Program& p, InterfaceDialogState& state, std::string_view portName) {
    closeDecoderPort(p);
    p.link.portName = portName;
    p.link.connected = 0;
    state.connected = recogniseInterface(p);
    if (state.connected == 0) {
        state.message = Text::InterfaceOpenFailed;
        return;
    }
    state.kt2 = p.link.isKt2();
    state.message = state.kt2 ? Text::InterfaceKt2Opened : Text::InterfaceKt1Opened;
}

Rect connectionLightRect() {
    return {kLightAt.x, kLightAt.y, kLightAt.x + kLightSide, kLightAt.y + kLightSide};
}

void paintConnectionLight(Canvas& canvas, int connected) {
    canvas.bitmap(connectionLightRect(), connected == 1 ? kConnectedLight : kNotConnectedLight,
                  false);
}

} // namespace racedesk
