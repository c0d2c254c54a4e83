#include "pseudo_terminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <termios.h>
#include <unistd.h>

namespace ktsim {
namespace {

std::string reason(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

bool makeRaw(int fd) {
    termios t{};
    if (::tcgetattr(fd, &t) != 0)
        return false;
    ::cfmakeraw(&t);
    ::cfsetispeed(&t, B9600);
    ::cfsetospeed(&t, B9600);
    t.c_cflag |= CLOCAL | CREAD;
    return ::tcsetattr(fd, TCSANOW, &t) == 0;
}

// Through a temporary name and a rename, so the program never finds the link half made.
bool linkAs(const std::string& target, const std::string& linkPath, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(linkPath).parent_path(), ec);
    if (ec) {
        error = "cannot create the folder of " + linkPath + ": " + ec.message();
        return false;
    }
    const std::string temporary = linkPath + ".new";
    ::unlink(temporary.c_str());
    if (::symlink(target.c_str(), temporary.c_str()) != 0) {
        error = reason("symlink");
        return false;
    }
    if (::rename(temporary.c_str(), linkPath.c_str()) != 0) {
        error = reason("rename");
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace

bool PseudoTerminal::create(const std::string& linkPath, std::string& error) {
    destroy();
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0) {
        error = reason("posix_openpt");
        return false;
    }
    const char* name = nullptr;
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
        (name = ::ptsname(master_)) == nullptr) {
        error = reason("pseudo-terminal set-up");
        destroy();
        return false;
    }
    slaveName_ = name;
    slave_ = ::open(slaveName_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0 || !makeRaw(slave_)) {
        error = reason(slaveName_.c_str());
        destroy();
        return false;
    }
    if (!linkAs(slaveName_, linkPath, error)) {
        destroy();
        return false;
    }
    linkPath_ = linkPath;
    return true;
}

void PseudoTerminal::destroy() {
    if (!linkPath_.empty())
        ::unlink(linkPath_.c_str());
    linkPath_.clear();
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = master_ = -1;
    slaveName_.clear();
}

} // namespace ktsim
