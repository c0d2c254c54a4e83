#include "core/race/file_image.h"

#include "core/race/write_journal.h"

#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace racedesk {
namespace {

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

bool FileImage::open(const std::string& path) {
    close();
    finishInterruptedWrite(path);
    path_ = path;
    fd_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd_ < 0)
        return false;
    if (view())
        return true;
    close();
    return false;
}

void FileImage::close() {
    unview();
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

std::string_view FileImage::bytes() const {
    if (mapped_ != nullptr)
        return {static_cast<const char*>(mapped_), size_};
    return copy_;
}

bool FileImage::writeAt(std::size_t offset, std::string_view bytes) {
    if (fd_ < 0 || !writeJournal(path_, offset, bytes))
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
    if (done == bytes.size() && ::fdatasync(fd_) == 0)
        removeJournal(path_);
    // A mapping shows the new bytes by itself as long as the file did not grow.
    if (mapped_ == nullptr || offset + done > size_) {
        unview();
        if (!view())
            return false;
    }
    return done == bytes.size();
}

bool FileImage::view() {
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || st.st_size < 0)
        return false;
    size_ = std::size_t(st.st_size);
    if (size_ == 0)
        return true;
    void* m = ::mmap(nullptr, size_, PROT_READ, MAP_SHARED, fd_, 0);
    if (m != MAP_FAILED) {
        mapped_ = m;
        return true;
    }
    return readAll(fd_, copy_, size_);
}

void FileImage::unview() {
    if (mapped_ != nullptr)
        ::munmap(mapped_, size_);
    mapped_ = nullptr;
    size_ = 0;
    copy_.clear();
}

} // namespace racedesk
