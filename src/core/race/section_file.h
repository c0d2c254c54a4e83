#pragma once
#include "core/race/file_image.h"
#include "core/race/title_index.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace racedesk {

enum class WriteStatus {
    Written,
    FileError,     // the file cannot be opened or written: "impossible d'ouvrir le fichier Course"
    TitleNotFound, // the section's title is not in the file: its own "Intitulé ..." message
    Refused,       // the content breaks its layout; nothing written
};

// One operation on a file of titled sections (the race file): opened when the object is
// made, closed when it goes, never held between two user actions. Look-ups share one pass
// over the file; bodies are read in place with FieldReader.
//
// A writer never writes past an area. An area runs from its body's first byte to the empty
// line before the next title line (or the end of the file); the whole area is composed in
// memory and goes to disk in one journalled write, so a process killed at any moment never
// leaves half an area (file_image.h). Content that
// does not fit its area has the file rewritten whole, with that area enlarged and every other
// byte unchanged, under a temporary name renamed over the file.
class SectionFile {
public:
    explicit SectionFile(std::string path);
    // Opened only to read, from any thread (FileImage::openToRead): every write is refused.
    struct ToRead {};
    SectionFile(std::string path, ToRead);

    bool isOpen() const { return image_.isOpen(); }
    // The whole file. Views into it last until the next write.
    std::string_view contents() const { return image_.bytes(); }

    // The body of the section: from the line after its title line to the end of its area,
    // or nothing when no line holds the title.
    std::optional<std::string_view> body(std::string_view title);
    // The race header's area, from the start of the file.
    std::string_view header() const;

    // Writes the section's area of `units` filler units with `content` at its start, where
    // the section stands; a section not in the file yet is appended at its end. When the area
    // in the file is larger (written with more units before, or enlarged), what lies beyond
    // the new area stays there, unread. A title that is no section title (section_lines.h)
    // is not found, and nothing is written.
    WriteStatus write(std::string_view title, int units, std::string_view content);
    // The same for the race header, at the start of the file.
    WriteStatus writeHeader(int units, std::string_view content);
    // Writes `value` over the first field of the section's body, the rest of the line in
    // place; nothing when the section is missing.
    WriteStatus overwriteFirstInteger(std::string_view title, int value);

private:
    bool writable() const { return isOpen() && !readOnly_; }
    // Puts `area` in place of the area whose body starts at `start`.
    WriteStatus putArea(std::size_t start, std::string_view area);
    WriteStatus writeAt(std::size_t offset, std::string_view bytes);
    WriteStatus rewriteWhole(std::size_t start, std::size_t end, std::string_view area);

    std::string path_;
    bool readOnly_ = false;
    FileImage image_;
    TitleIndex titles_;
};

} // namespace racedesk
