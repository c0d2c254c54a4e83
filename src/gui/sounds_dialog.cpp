#include "gui/sounds_dialog.h"

#include "core/app/program.h"
#include "core/timing/sound_settings.h"
#include "gui/dialog_look.h"

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>

namespace racedesk {
namespace {

struct SoundBox {
    int id;
    Text text;
    SoundKey key;
    int y;
};

constexpr SoundBox kBoxes[] = {
    {3703, Text::SoundsCountdown, SoundKey::Countdown, 112},
    {3704, Text::SoundsStartSignal, SoundKey::StartSignal, 140},
    {3705, Text::SoundsPassing, SoundKey::Passing, 207},
    {3706, Text::SoundsBestLap, SoundKey::BestLap, 235},
    {3707, Text::SoundsRaceClock, SoundKey::RaceClock, 263},
    {3708, Text::SoundsEndSignal, SoundKey::EndSignal, 330},
    {3709, Text::SoundsEndPerCar, SoundKey::EndPerCar, 358},
};

constexpr int kWidth = 560;
constexpr int kHeight = 450;

void addLanguageRadios(QDialog& dialog, SoundSettings& keys) {
    const bool english = keys.language() == SpokenLanguage::English;
    auto* en = addRadio(dialog, 3701, Text::SoundsEnglish, {30, 50, 200, 26});
    auto* fr = addRadio(dialog, 3702, Text::SoundsFrench, {250, 50, 200, 26});
    (english ? en : fr)->setChecked(true);
    QObject::connect(en, &QRadioButton::clicked,
                     [&keys] { keys.setLanguage(SpokenLanguage::English); });
    QObject::connect(fr, &QRadioButton::clicked,
                     [&keys] { keys.setLanguage(SpokenLanguage::French); });
}

void addSoundBoxes(QDialog& dialog, SoundSettings& keys) {
    addGroup(dialog, 3711, Text::SoundsStartGroup, {15, 85, kWidth - 30, 90});
    addGroup(dialog, 3712, Text::SoundsRaceGroup, {15, 180, kWidth - 30, 118});
    addGroup(dialog, 3713, Text::SoundsEndGroup, {15, 303, kWidth - 30, 90});
    for (const SoundBox& b : kBoxes) {
        auto* box = addCheck(dialog, b.id, b.text, {30, b.y, kWidth - 50, 26});
        box->setChecked(keys.isOn(b.key));
        const SoundKey key = b.key;
        QObject::connect(box, &QCheckBox::clicked, [&keys, key](bool on) { keys.set(key, on); });
    }
}

} // namespace

void runSoundsDialog(Program& program, QWidget* parent) {
    const std::string file = program.path(kSoundSettingsFile);
    SoundSettings keys;
    if (!readSoundSettings(file, keys))
        program.showError(tx(Text::ErrSoundSettings));
    keys = shownSoundSettings(keys);

    QDialog dialog(parent);
    setUpDialog(dialog, Text::SoundsTitle, kWidth, kHeight);
    addTitle(dialog, 3710, Text::SoundsTitle, {20, 12, kWidth - 40, 28});
    addLanguageRadios(dialog, keys);
    addSoundBoxes(dialog, keys);

    auto* ok = addButton(dialog, 1, Text::ButtonOk, {kWidth - 240, kHeight - 45, 105, 32});
    auto* cancel = addButton(dialog, 2, Text::ButtonCancel, {kWidth - 120, kHeight - 45, 105, 32});
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, [&] {
        if (!writeSoundSettings(file, keys))
            program.showError(tx(Text::ErrSoundSettingsWrite));
        dialog.accept();
    });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    dialog.exec();
}

} // namespace racedesk
