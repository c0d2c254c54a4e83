#include "core/common/text_file.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace racedesk {

bool readWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr)
        return false;
    char chunk[65536];
    std::size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        contents.append(chunk, n);
    const bool ok = std::ferror(f) == 0;
    std::fclose(f);
    return ok;
}

bool replaceWholeFile(const std::string& path, std::string_view contents) {
    const std::string temporary = path + ".tmp";
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (f == nullptr)
        return false;
    bool ok = std::fwrite(contents.data(), 1, contents.size(), f) == contents.size();
    ok = std::fflush(f) == 0 && ok;
    ok = ::fsync(::fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok && std::rename(temporary.c_str(), path.c_str()) == 0) {
        syncFolderOf(path);
        return true;
    }
    std::remove(temporary.c_str());
    return false;
}

void syncFolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

std::string joinPath(const std::string& dir, std::string_view name) {
    if (dir.empty())
        return std::string(name);
    std::string p = dir;
    if (p.back() != '/')
        p.push_back('/');
    p.append(name);
    return p;
}

} // namespace racedesk
