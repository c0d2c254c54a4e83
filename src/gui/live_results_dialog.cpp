#include "gui/live_results_dialog.h"

#include "core/live/live_texts.h"
#include "gui/dialog_look.h"
#include "gui/live_results.h"
#include "gui/qr_code.h"
#include "platform/qt_text.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace racedesk {
namespace {

constexpr int kWidth = 460;
constexpr int kHeight = 560;
constexpr int kQrSide = 260;

QString live(LiveText id) {
    return toQString(tx(id));
}

} // namespace

void runLiveResultsDialog(LiveResults& results, QWidget* parent) {
    QDialog dialog(parent);
    setUpDialog(dialog, live(LiveText::Caption), kWidth, kHeight);

    auto* on = new QCheckBox(live(LiveText::SwitchOn), &dialog);
    place(on, 4101, {20, 15, kWidth - 40, 30});
    auto* portLabel = new QLabel(live(LiveText::Port), &dialog);
    place(portLabel, 0, {20, 55, 100, 30});
    auto* port = new QSpinBox(&dialog);
    place(port, 4102, {120, 55, 110, 30});
    port->setRange(kLowestLivePort, kHighestLivePort);
    auto* addressLabel = new QLabel(live(LiveText::Address), &dialog);
    place(addressLabel, 0, {20, 95, kWidth - 40, 26}, true);
    auto* address = new QLabel(&dialog);
    place(address, 4103, {20, 122, kWidth - 40, 30});
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* code = new QLabel(&dialog);
    place(code, 4104, {(kWidth - kQrSide) / 2, 158, kQrSide, kQrSide});
    code->setAlignment(Qt::AlignCenter);
    auto* hint = new QLabel(live(LiveText::AddressHint), &dialog);
    place(hint, 0, {20, 425, kWidth - 40, 60});
    hint->setWordWrap(true);
    auto* ok = addButton(dialog, 1, Text::ButtonOk, {kWidth - 240, kHeight - 50, 105, 32});
    auto* cancel = addButton(dialog, 2, Text::ButtonCancel, {kWidth - 125, kHeight - 50, 105, 32});
    ok->setDefault(true);

    const auto show = [&] {
        port->setEnabled(on->isChecked());
        if (!on->isChecked()) {
            address->setText(live(LiveText::ServerOff));
            code->clear();
            return;
        }
        const QString url = liveAddress(port->value());
        address->setText(url);
        const QImage image = qrCodeImage(url, 1);
        const int scale = image.isNull() ? 1 : std::max(1, kQrSide / image.width());
        code->setPixmap(QPixmap::fromImage(qrCodeImage(url, scale)));
    };
    on->setChecked(results.settings().on);
    port->setValue(results.settings().port);
    show();
    QObject::connect(on, &QCheckBox::toggled, &dialog, show);
    QObject::connect(port, &QSpinBox::valueChanged, &dialog, show);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return;
    results.apply(LiveSettings{on->isChecked(), port->value()});
}

} // namespace racedesk
