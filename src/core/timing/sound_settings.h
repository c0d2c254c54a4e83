#pragma once
#include "core/common/fixed_text.h"

#include <array>
#include <string>

namespace racedesk {

inline constexpr const char* kSoundSettingsFile = "RéglagesSons.rg";

// The eight lines of "RéglagesSons.rg", in file order.
enum class SoundKey {
    Language,
    Countdown,
    StartSignal,
    Passing,
    BestLap,
    RaceClock,
    EndSignal,
    EndPerCar,
    Count
};

enum class SpokenLanguage { French, English, None };

// Held as the keys' texts, each compared whole: a key that matches neither of its values
// (a missing or damaged file) behaves as off, and a language that is neither plays no
// spoken clip.
struct SoundSettings {
    std::array<FixedText<32>, static_cast<std::size_t>(SoundKey::Count)> keys;

    bool isOn(SoundKey key) const;
    void set(SoundKey key, bool on);
    SpokenLanguage language() const;
    void setLanguage(SpokenLanguage language);
};

// The settings as a new working folder gets them: every sound on.
SoundSettings defaultSoundSettings(SpokenLanguage language);

// The settings as the sounds dialog shows them: a key holding neither of its values (a
// missing or damaged file) is off, a language other than English is French. Saved from the
// dialog, every key then has a value.
SoundSettings shownSoundSettings(const SoundSettings& settings);

// False when the file cannot be opened; the keys are then all empty (every sound off).
bool readSoundSettings(const std::string& path, SoundSettings& settings);
bool writeSoundSettings(const std::string& path, const SoundSettings& settings);

} // namespace racedesk
