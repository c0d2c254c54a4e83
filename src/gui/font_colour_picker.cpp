#include "gui/font_colour_picker.h"

#include "core/settings/display_dialog_rules.h"
#include "gui/dialog_look.h"
#include "platform/qt_text.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace racedesk {
namespace {

QFont qFontOf(const FontSpec& fontSpec) {
    QFont font(toQString(fontSpec.face.view()));
    if (fontSpec.height > 0)
        font.setPointSizeF(pointsOfPixels(fontSpec.height));
    font.setWeight(QFont::Weight(fontSpec.weight > 0 ? std::min(fontSpec.weight, 1000) : 400));
    font.setItalic(fontSpec.italic);
    font.setUnderline(fontSpec.underline);
    font.setStrikeOut(fontSpec.strikeOut);
    return font;
}

FontSpec fontSpecOf(const QFont& font) {
    FontSpec fontSpec;
    fontSpec.face = fromQString(font.family());
    fontSpec.height = font.pixelSize() > 0 ? font.pixelSize() : pixelsOfPoints(font.pointSizeF());
    fontSpec.weight = font.weight();
    fontSpec.italic = font.italic();
    fontSpec.underline = font.underline();
    fontSpec.strikeOut = font.strikeOut();
    return fontSpec;
}

QIcon swatchIcon(const QColor& colour) {
    QPixmap swatch(24, 16);
    swatch.fill(colour);
    return QIcon(swatch);
}

} // namespace

std::optional<PickedFont> pickFontAndColour(const FontSpec& font, Colour colour, QWidget* parent) {
    QDialog picker(parent);
    picker.setWindowTitle(uiText(Text::DisplayFontPicker));
    auto* layout = new QVBoxLayout(&picker);

    auto* fonts = new QFontDialog(qFontOf(font), &picker);
    fonts->setObjectName("fontPicker");
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts->setWindowFlags(Qt::Widget);
    layout->addWidget(fonts);

    QColor textColour = toQColor(colour);
    auto* colourButton = new QPushButton(swatchIcon(textColour), uiText(Text::DisplayFontColour));
    colourButton->setObjectName("fontColour");
    auto* row = new QHBoxLayout;
    row->addWidget(colourButton);
    row->addStretch();
    layout->addLayout(row);
    QObject::connect(colourButton, &QPushButton::clicked, [&] {
        QColorDialog chooser(textColour, &picker);
        chooser.setOption(QColorDialog::DontUseNativeDialog);
        chooser.setWindowTitle(uiText(Text::DisplayColourPicker));
        if (chooser.exec() != QDialog::Accepted)
            return;
        textColour = chooser.selectedColor();
        colourButton->setIcon(swatchIcon(textColour));
    });

    auto* buttons = new QDialogButtonBox(&picker);
    buttons->addButton(uiText(Text::ButtonOk), QDialogButtonBox::AcceptRole)->setObjectName("1");
    buttons->addButton(uiText(Text::ButtonCancel), QDialogButtonBox::RejectRole)
        ->setObjectName("2");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &picker, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &picker, &QDialog::reject);
    layout->addWidget(buttons);

    if (picker.exec() != QDialog::Accepted)
        return std::nullopt;
    return PickedFont{fontSpecOf(fonts->currentFont()), fromQColor(textColour)};
}

} // namespace racedesk
