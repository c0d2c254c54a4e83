// The settings files: "RéglagesSons.rg", "RéglagesInterface2.rg" and the display settings
// ("Private/RéglagesAffichage.rgsc", ".scrn"). The first byte of the input chooses the file,
// the rest is its content. Each is read, written, read and written again: the second write
// must be the first, byte for byte.
#include "fuzz_support.h"

#include "core/settings/display_settings.h"
#include "core/timing/interface_settings.h"
#include "core/timing/sound_settings.h"

#include <cstddef>
#include <cstdint>

using namespace racedesk;

namespace {

template <typename Record, typename Read, typename Write>
void roundTrip(std::string_view bytes, Record record, Read read, Write write) {
    const std::string path = fuzz::scratchFile("settings");
    fuzz::putFile(path, bytes);
    fuzz::expect(read(path, record), "an existing settings file could not be read");
    fuzz::expect(write(path, record), "the settings could not be written");
    const std::string once = fuzz::fileBytes(path);
    fuzz::expect(read(path, record), "the written settings could not be read");
    fuzz::expect(write(path, record), "the settings could not be written again");
    fuzz::expectSame(once, fuzz::fileBytes(path), "settings read and written again");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputSplitter input(data, size);
    switch (input.byte() % 3) {
    case 0:
        roundTrip(input.rest(), SoundSettings{}, readSoundSettings, writeSoundSettings);
        break;
    case 1:
        roundTrip(input.rest(), InterfaceSettings{}, readInterfaceSettings, writeInterfaceSettings);
        break;
    default:
        roundTrip(input.rest(), defaultDisplaySettings(), readDisplaySettings,
                  writeDisplaySettings);
        break;
    }
    return 0;
}
