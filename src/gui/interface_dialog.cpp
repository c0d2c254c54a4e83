#include "gui/interface_dialog.h"

#include "core/app/program.h"
#include "core/common/texts.h"
#include "core/timing/interface_dialog_rules.h"
#include "gui/dialog_look.h"
#include "gui/painted_panel.h"
#include "platform/qt_serial_port.h"
#include "platform/qt_text.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace racedesk {
namespace {

constexpr int kWidth = 450;
constexpr int kHeight = 415;

// Each COM name with the device it stands for on this machine, so the director sees which
// adapter he is choosing; the line under the list tells it for the chosen one.
QComboBox* addPortList(QDialog& dialog, int selected, const std::string& workDir) {
    auto* ports = new QComboBox(&dialog);
    place(ports, 3904, {240, 222, 180, 30});
    auto* device = new QLabel(&dialog);
    place(device, 3910, {20, 305, kWidth - 40, 50});
    device->setWordWrap(true);
    const std::vector<SystemSerialPort> system = systemSerialPorts();
    for (int i = 0; i < kComPortCount; ++i) {
        const FixedText<6> name = comPortName(i);
        const std::string described = describePort(workDir, name.c_str(), system);
        ports->addItem(toQString(name.view()));
        ports->setItemData(i,
                           described.empty() ? toQString(tx(Text::InterfaceNoDevice))
                                             : QString::fromStdString(described),
                           Qt::ToolTipRole);
    }
    const auto showDevice = [ports, device](int index) {
        device->setText(ports->itemData(index, Qt::ToolTipRole).toString());
    };
    QObject::connect(ports, &QComboBox::currentIndexChanged, device, showDevice);
    ports->setCurrentIndex(selected);
    showDevice(selected);
    return ports;
}

} // namespace

void runInterfaceDialog(Program& program, QWidget* parent) {
    InterfaceDialogState state = openInterfaceDialog(program);

    QDialog dialog(parent);
    setUpDialog(dialog, Text::InterfaceCaption, kWidth, kHeight);
    addGroup(dialog, 3908, Text::InterfaceMessagesGroup, {15, 48, kWidth - 30, 140});
    addGroup(dialog, 3906, Text::InterfaceDecoderGroup, {15, 195, 200, 105});
    addGroup(dialog, 3909, Text::InterfacePortGroup, {225, 195, kWidth - 240, 105});
    auto* light =
        new PaintedPanel(dialog, QString::fromStdString(program.workDir),
                         [&state](Canvas& c) { paintConnectionLight(c, state.connected); });

    addTitle(dialog, 3907, Text::InterfaceTitle, {20, 12, kWidth - 40, 28});
    auto* messages = new QPlainTextEdit(&dialog);
    place(messages, 3903, {27, 74, kWidth - 54, 102});
    messages->setReadOnly(true);
    auto* kt1 = addRadio(dialog, 3901, Text::InterfaceKt1, {30, 224, 175, 26});
    auto* kt2 = addRadio(dialog, 3902, Text::InterfaceKt2, {30, 258, 175, 26});
    QComboBox* ports = addPortList(dialog, state.portIndex, program.workDir);
    auto* open = addButton(dialog, 3905, Text::InterfaceOpen, {240, 258, 180, 32});
    auto* ok = addButton(dialog, 1, Text::ButtonOk, {kWidth - 120, 366, 105, 32});
    ok->setDefault(true);

    const auto show = [&] {
        (state.kt2 ? kt2 : kt1)->setChecked(true);
        messages->setPlainText(editText(state.message));
        light->update();
    };
    show();
    QObject::connect(kt1, &QRadioButton::clicked, [&state] { state.kt2 = false; });
    QObject::connect(kt2, &QRadioButton::clicked, [&state] { state.kt2 = true; });
    QObject::connect(open, &QPushButton::clicked, [&] {
        messages->setPlainText(editText(Text::InterfaceAttempt));
        messages->repaint(); // the recognition waits up to 100 ms before it answers
        connectInterface(program, state, fromQString(ports->currentText()));
        show();
    });
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.exec();
}

} // namespace racedesk
