#pragma once
#include "core/timing/sound_settings.h"

#include <string>
#include <vector>

namespace racedesk {

// Something of the working folder that could not be put in place. The name is the one it
// has in the working folder, UTF-8 ("sons/", "RéglagesSons.rg", "sons/beep1.wav"), or the
// working folder's own path when that could not be created.
struct InstallProblem {
    enum class Kind {
        MissingFromShare, // the installation does not have it to give
        CannotCreate,     // it could not be written into the working folder
    };
    std::string name;
    Kind kind;
};

struct InstallReport {
    std::vector<InstallProblem> problems;
    bool ok() const { return problems.empty(); }
};

// Fills the working folder with what the installation ships and the folder lacks: the
// "sons/", "images/" and "Guides/" files of the share folder, the settings files, the
// countries list of the build's language and the empty databases, and the "ports/" folder.
// A file the user already has is never overwritten. It goes as far as it can and reports
// what it could not do, so the program can show it and start all the same.
InstallReport installShippedDefaults(const std::string& shareFolder,
                                     const std::string& workingFolder, SpokenLanguage language);

} // namespace racedesk
