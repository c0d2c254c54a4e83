#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace racedesk {

// A file opened for reading and writing, with a view of all its bytes. The view is a
// read-only mapping of the file, so looking through a large file neither reads it byte by
// byte nor copies it; writes go to the file with positioned writes and the view follows them.
// Opening first finishes a write in place that a killed process left half done. The file is
// closed when the image is destroyed. Nothing else may cut the file short while
// it is open (a mapping past the end of a file faults); the program's own whole-file writes
// rename a new file over it, which leaves the open one intact.
class FileImage {
public:
    FileImage() = default;
    ~FileImage() { close(); }
    FileImage(const FileImage&) = delete;
    FileImage& operator=(const FileImage&) = delete;

    // Opens an existing file; false when it cannot be opened.
    bool open(const std::string& path);
    void close();
    bool isOpen() const { return fd_ >= 0; }

    // Valid until the next write or close.
    std::string_view bytes() const;

    // One positioned write; the file grows when the bytes end past its end. The write goes
    // through the file's journal (write_journal.h), so a process killed in its middle leaves
    // the file as before or, once opened again, as after; false, and nothing written, when the
    // journal cannot be written.
    bool writeAt(std::size_t offset, std::string_view bytes);

private:
    bool view();
    void unview();

    std::string path_;
    int fd_ = -1;
    void* mapped_ = nullptr;
    std::size_t size_ = 0;
    std::string copy_; // the bytes, when the file cannot be mapped
};

} // namespace racedesk
