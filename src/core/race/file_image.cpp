#include "core/race/file_image.h"

#include "core/race/file_lock.h"
#include "core/race/write_journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace racedesk {
namespace {

// False when the file turns out shorter than it was a moment before: cut while being read.
bool readAll(int fd, std::string& out, std::size_t size) {
    out.resize(size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, out.data() + done, size - done, off_t(done));
        if (n <= 0)
            break;
        done += std::size_t(n);
    }
    out.resize(done);
    return done == size;
}

} // namespace

bool FileImage::openToRead(const std::string& path) {
    close();
    path_ = path;
    readOnly_ = true;
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        return false;
    bool read = false;
    {
        const FileLock shared(fd_, FileLock::Shared);
        read = readBytes();
    }
    if (read)
        return true;
    close();
    return false;
}

bool FileImage::open(const std::string& path) {
    close();
    finishInterruptedWrite(path);
    path_ = path;
    readOnly_ = false;
    fd_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd_ < 0)
        return false;
    if (readBytes())
        return true;
    close();
    return false;
}

void FileImage::close() {
    bytes_.clear();
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

bool FileImage::writeAt(std::size_t offset, std::string_view bytes) {
    if (fd_ < 0 || readOnly_)
        return false;
    const FileLock exclusive(fd_, FileLock::Exclusive);
    if (!writeJournal(path_, offset, bytes))
        return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pwrite(fd_, bytes.data() + done, bytes.size() - done, off_t(offset + done));
        if (n <= 0)
            break;
        done += std::size_t(n);
    }
    // The journal goes only once the write it guards is on disk.
    if (done == bytes.size() && ::fdatasync(fd_) == 0) {
        removeJournal(path_);
        if (bytes_.size() < offset + done)
            bytes_.resize(offset + done);
        bytes_.replace(offset, done, bytes);
        return true;
    }
    // What reached the file is not known: the copy is read again.
    readBytes();
    return false;
}

bool FileImage::readBytes() {
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || st.st_size < 0) {
        bytes_.clear();
        return false;
    }
    return readAll(fd_, bytes_, std::size_t(st.st_size));
}

} // namespace racedesk
