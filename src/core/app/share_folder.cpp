#include "core/app/share_folder.h"

#include <filesystem>
#include <system_error>

namespace racedesk {

std::string shareFolderFor(const std::string& programFolder) {
    namespace fs = std::filesystem;
    const fs::path share = fs::path(programFolder).parent_path() / "share";
    const fs::path installed = share / "racedesk";
    std::error_code ec;
    const fs::path chosen = fs::is_directory(installed, ec) ? installed : share;
    return chosen.lexically_normal().string();
}

} // namespace racedesk
