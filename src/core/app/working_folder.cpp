#include "core/app/working_folder.h"

#include "core/common/cp1252.h"
#include "core/common/field_reader.h"
#include "core/common/text_file.h"
#include "core/databases/circuits.h"
#include "core/databases/clubs.h"
#include "core/databases/countries.h"
#include "core/databases/drivers.h"
#include "core/databases/frequencies.h"
#include "core/databases/transponder_packs.h"
#include "core/settings/display_settings.h"
#include "core/timing/interface_settings.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace racedesk {
namespace {

namespace fs = std::filesystem;
using Kind = InstallProblem::Kind;

constexpr const char* kShippedFolders[] = {"sons", "images", "Guides"};
// The lists the user fills in their dialogs start with the sample meeting's, when the
// installation ships it, and empty otherwise.
constexpr const char* kUserDatabases[] = {kCircuitsFile, kClubsFile, kDriversFile,
                                          kFrequenciesFile};
constexpr const char* kSampleFolder = "sample";
constexpr const char* kFrenchSampleRace = "Exemple.race";
constexpr const char* kEnglishSampleRace = "Example.race";
constexpr const char* kPortsFolder = "ports";

struct Installation {
    fs::path share;
    fs::path work;
    InstallReport report;

    void fail(std::string name, Kind kind) { report.problems.push_back({std::move(name), kind}); }
};

// Anything standing there counts, even a dangling link: it is the user's, not ours to replace.
bool present(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

// Through a temporary name, so an interrupted copy never leaves a half file that a later
// start would take for the user's own.
bool copyFile(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::create_directories(to.parent_path(), ec);
    if (ec)
        return false;
    fs::path temporary = to;
    temporary += ".tmp";
    fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, ec);
    if (!ec)
        fs::rename(temporary, to, ec);
    if (!ec)
        return true;
    fs::remove(temporary, ec);
    return false;
}

void copyMissingFiles(Installation& in, const char* folder) {
    const fs::path source = in.share / folder;
    const std::string shownName = std::string(folder) + "/";
    std::error_code ec;
    if (!fs::is_directory(source, ec)) {
        in.fail(shownName, Kind::MissingFromShare);
        return;
    }
    fs::recursive_directory_iterator it(source, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        const fs::path name = fs::path(folder) / it->path().lexically_relative(source);
        if (!present(in.work / name) && !copyFile(it->path(), in.work / name))
            in.fail(name.generic_string(), Kind::CannotCreate);
    }
    if (ec)
        in.fail(shownName, Kind::MissingFromShare);
}

template <typename Write> void writeIfMissing(Installation& in, const char* name, Write write) {
    const fs::path target = in.work / name;
    if (present(target))
        return;
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    if (ec || !write(target.string()))
        in.fail(name, Kind::CannotCreate);
}

// The shipped list is UTF-8, one name a line; the file is exactly the 208 lines the program
// reads, in Windows-1252, each name cut to its field.
CountryList shippedCountries(std::string_view utf8List) {
    FieldReader lines(utf8List);
    CountryList list;
    for (CountryName& name : list.names)
        name = utf8ToCp1252(lines.line());
    list.count = kCountryCount;
    return list;
}

void installCountries(Installation& in, SpokenLanguage language) {
    if (present(in.work / kCountriesFile))
        return;
    const fs::path list =
        in.share / "countries" / (language == SpokenLanguage::English ? "en.txt" : "fr.txt");
    std::string utf8List;
    if (!readWholeFile(list.string(), utf8List)) {
        in.fail(kCountriesFile, Kind::MissingFromShare);
        return;
    }
    writeIfMissing(in, kCountriesFile, [&](const std::string& path) {
        return writeCountries(path, shippedCountries(utf8List));
    });
}

void installSettings(Installation& in, SpokenLanguage language) {
    writeIfMissing(in, kDisplaySettingsFile, [](const std::string& path) {
        return writeDisplaySettings(path, defaultDisplaySettings());
    });
    writeIfMissing(in, kSoundSettingsFile, [&](const std::string& path) {
        return writeSoundSettings(path, defaultSoundSettings(language));
    });
    writeIfMissing(in, kInterfaceSettingsFile, [](const std::string& path) {
        InterfaceSettings settings;
        settings.portName = kDefaultPort;
        settings.connected = 0;
        settings.type = kTypeKt1;
        return writeInterfaceSettings(path, settings);
    });
}

// The sample's copy of a file, when the installation ships one.
bool copySample(const Installation& in, const char* name, const std::string& path) {
    const fs::path sample = in.share / kSampleFolder / name;
    std::error_code ec;
    return fs::is_regular_file(sample, ec) && copyFile(sample, path);
}

void installDatabases(Installation& in, SpokenLanguage language) {
    for (const char* name : kUserDatabases)
        writeIfMissing(in, name, [&](const std::string& path) {
            return copySample(in, name, path) || replaceWholeFile(path, "");
        });
    writeIfMissing(in, kTransponderPacksFile, [&](const std::string& path) {
        return copySample(in, kTransponderPacksFile, path) ||
               writeTransponderPacks(path, TransponderPackTable{});
    });
    const char* race = language == SpokenLanguage::English ? kEnglishSampleRace : kFrenchSampleRace;
    std::error_code ec;
    if (fs::is_regular_file(in.share / kSampleFolder / race, ec))
        writeIfMissing(in, race,
                       [&](const std::string& path) { return copySample(in, race, path); });
}

void createPortsFolder(Installation& in) {
    std::error_code ec;
    fs::create_directories(in.work / kPortsFolder, ec);
    if (ec || !fs::is_directory(in.work / kPortsFolder, ec))
        in.fail(std::string(kPortsFolder) + "/", Kind::CannotCreate);
}

} // namespace

InstallReport installShippedDefaults(const std::string& shareFolder,
                                     const std::string& workingFolder, SpokenLanguage language) {
    Installation in{shareFolder, workingFolder, {}};
    std::error_code ec;
    fs::create_directories(in.work, ec);
    if (ec || !fs::is_directory(in.work, ec)) {
        in.fail(workingFolder, Kind::CannotCreate);
        return in.report;
    }
    for (const char* folder : kShippedFolders)
        copyMissingFiles(in, folder);
    installSettings(in, language);
    installCountries(in, language);
    installDatabases(in, language);
    createPortsFolder(in);
    return in.report;
}

} // namespace racedesk
