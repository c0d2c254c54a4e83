#include "core/timing/sound_settings.h"

#include "core/common/field_reader.h"
#include "core/common/text_file.h"

namespace racedesk {
namespace {

struct KeyTexts {
    const char* on;
    const char* off;
};

constexpr std::array<KeyTexts, static_cast<std::size_t>(SoundKey::Count)> kKeys = {{
    {"SONLANGUEAnglais", "SONLANGUEFrancais"},
    {"SONDECOMPTEoui", "SONDECOMPTEnon"},
    {"SONDEPARToui", "SONDEPARTnon"},
    {"SONPASSAGEoui", "SONPASSAGEnon"},
    {"SONMEILLEURTOURoui", "SONMEILLEURTOURnon"},
    {"SONHORLOGEoui", "SONHORLOGEnon"},
    {"SONFINCOURSEoui", "SONFINCOURSEnon"},
    {"SONFINVOITUREoui", "SONFINVOITUREnon"},
}};

std::size_t index(SoundKey key) {
    return static_cast<std::size_t>(key);
}

} // namespace

bool SoundSettings::isOn(SoundKey key) const {
    return keys[index(key)] == kKeys[index(key)].on;
}

void SoundSettings::set(SoundKey key, bool on) {
    keys[index(key)] = on ? kKeys[index(key)].on : kKeys[index(key)].off;
}

SpokenLanguage SoundSettings::language() const {
    const auto& k = keys[index(SoundKey::Language)];
    if (k == kKeys[0].on)
        return SpokenLanguage::English;
    if (k == kKeys[0].off)
        return SpokenLanguage::French;
    return SpokenLanguage::None;
}

void SoundSettings::setLanguage(SpokenLanguage language) {
    if (language == SpokenLanguage::None)
        keys[0].clear();
    else
        set(SoundKey::Language, language == SpokenLanguage::English);
}

SoundSettings defaultSoundSettings(SpokenLanguage language) {
    SoundSettings s;
    for (std::size_t i = 1; i < kKeys.size(); ++i)
        s.set(static_cast<SoundKey>(i), true);
    s.setLanguage(language);
    return s;
}

SoundSettings shownSoundSettings(const SoundSettings& settings) {
    SoundSettings shown;
    for (std::size_t i = 1; i < kKeys.size(); ++i)
        shown.set(static_cast<SoundKey>(i), settings.isOn(static_cast<SoundKey>(i)));
    shown.setLanguage(settings.language() == SpokenLanguage::English ? SpokenLanguage::English
                                                                     : SpokenLanguage::French);
    return shown;
}

bool readSoundSettings(const std::string& path, SoundSettings& settings) {
    settings = SoundSettings{};
    std::string contents;
    if (!readWholeFile(path, contents))
        return false;
    // One key a line, each in its own place: a damaged or empty key never moves the keys
    // after it up onto the wrong settings.
    FieldReader reader(contents);
    for (auto& key : settings.keys)
        FieldReader(reader.line()).token(key);
    return true;
}

bool writeSoundSettings(const std::string& path, const SoundSettings& settings) {
    std::string contents;
    for (const auto& key : settings.keys) {
        contents.append(key.view());
        contents.append("\r\n");
    }
    return replaceWholeFile(path, contents);
}

} // namespace racedesk
