#pragma once
#include <cerrno>
#include <sys/file.h>

namespace racedesk {

// An advisory lock of a whole file for the guard's life. Two descriptors of one file conflict
// even inside one process, so the GUI thread's writes in place (exclusive) and another
// thread's copies of the file (shared) exclude each other. A file replaced by a rename needs
// none: a reader keeps the file it opened, whole.
class FileLock {
public:
    enum Mode { Shared = LOCK_SH, Exclusive = LOCK_EX };

    FileLock(int fd, Mode mode) : fd_(fd) {
        while (::flock(fd_, mode) != 0 && errno == EINTR) {
        }
    }
    ~FileLock() { ::flock(fd_, LOCK_UN); }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_;
};

} // namespace racedesk
