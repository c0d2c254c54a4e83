#include "core/race/write_journal.h"

#include "core/common/checksum.h"
#include "core/common/text_file.h"
#include "core/race/file_lock.h"

#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace racedesk {
namespace {

constexpr std::string_view kMagic = "RDJ1";
constexpr std::size_t kNumber = sizeof(std::uint64_t);
constexpr std::size_t kHead = 4 + 2 * kNumber; // magic, offset, size
constexpr std::size_t kTail = kNumber;         // checksum

void putNumber(std::string& out, std::uint64_t value) {
    for (std::size_t i = 0; i < kNumber; ++i)
        out.push_back(char(value >> (8 * i) & 0xFF));
}

std::uint64_t numberAt(std::string_view in, std::size_t at) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < kNumber; ++i)
        value |= std::uint64_t(static_cast<unsigned char>(in[at + i])) << (8 * i);
    return value;
}

bool writeAll(int fd, std::string_view bytes, std::size_t offset, bool positioned) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = positioned ? ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                                off_t(offset + done))
                                     : ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += std::size_t(n);
    }
    return true;
}

// The journal's write when it is whole.
bool parseJournal(std::string_view journal, std::size_t& offset, std::string_view& bytes) {
    if (journal.size() < kHead + kTail || journal.substr(0, kMagic.size()) != kMagic)
        return false;
    const std::uint64_t size = numberAt(journal, kMagic.size() + kNumber);
    if (size != journal.size() - kHead - kTail)
        return false;
    const std::size_t end = journal.size() - kTail;
    if (fnv1a64(journal.substr(0, end)) != numberAt(journal, end))
        return false;
    offset = std::size_t(numberAt(journal, kMagic.size()));
    bytes = journal.substr(kHead, std::size_t(size));
    return true;
}

} // namespace

std::string journalPath(const std::string& path) {
    return path + ".journal";
}

bool writeJournal(const std::string& path, std::size_t offset, std::string_view bytes) {
    std::string journal(kMagic);
    putNumber(journal, offset);
    putNumber(journal, bytes.size());
    journal.append(bytes);
    putNumber(journal, fnv1a64(journal));
    const int fd =
        ::open(journalPath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    // On disk before the write in place begins, or a power cut could leave neither.
    const bool written = writeAll(fd, journal, 0, false) && ::fdatasync(fd) == 0;
    if (::close(fd) != 0 || !written)
        return false;
    syncFolderOf(journalPath(path));
    return true;
}

void removeJournal(const std::string& path) {
    std::remove(journalPath(path).c_str());
}

void finishInterruptedWrite(const std::string& path) {
    std::string journal;
    if (!readWholeFile(journalPath(path), journal))
        return;
    std::size_t offset = 0;
    std::string_view bytes;
    if (parseJournal(journal, offset, bytes)) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) {
            removeJournal(path); // the file it was written for is gone
            return;
        }
        bool fits = false;
        bool written = false;
        {
            const FileLock exclusive(fd, FileLock::Exclusive);
            // A write in place starts within the file or at its end: a journal whose write
            // starts past it was not written for this file and would leave a hole of zeros.
            struct stat st {};
            fits = ::fstat(fd, &st) == 0 && offset <= std::size_t(st.st_size);
            written = fits && writeAll(fd, bytes, offset, true);
        }
        if (::close(fd) != 0 || (fits && !written))
            return;
    }
    removeJournal(path);
}

} // namespace racedesk
