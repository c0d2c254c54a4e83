#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace racedesk {

// A file opened for reading and writing, with a copy of all its bytes read at once; writes go
// to the file with positioned writes and to the copy. A copy rather than a mapping: another
// process cutting the file short while it is read (a copy from a pulled USB stick) makes a
// read error here, where a mapping would kill the program on its next look at the lost bytes.
// Opening first finishes a write in place that a killed process left half done. The file is
// closed when the image is destroyed.
class FileImage {
public:
    FileImage() = default;
    ~FileImage() { close(); }
    FileImage(const FileImage&) = delete;
    FileImage& operator=(const FileImage&) = delete;

    // Opens an existing file; false when it cannot be opened.
    bool open(const std::string& path);
    // Opens an existing file only to read it, from any thread: the copy is taken under the
    // file's shared lock, which every write in place holds exclusively, so it never holds half
    // a write. A journal left behind is not touched, and writes are refused.
    bool openToRead(const std::string& path);
    void close();
    bool isOpen() const { return fd_ >= 0; }

    // Valid until the next write or close.
    std::string_view bytes() const { return bytes_; }

    // One positioned write; the file grows when the bytes end past its end. The write goes
    // through the file's journal (write_journal.h), so a process killed in its middle leaves
    // the file as before or, once opened again, as after; false, and nothing written, when the
    // journal cannot be written.
    bool writeAt(std::size_t offset, std::string_view bytes);

private:
    bool readBytes();

    std::string path_;
    int fd_ = -1;
    bool readOnly_ = false;
    std::string bytes_;
};

} // namespace racedesk
