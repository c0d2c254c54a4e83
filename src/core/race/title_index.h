#pragma once
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace racedesk {

// Finds sections by title: the first section title line (section_lines.h) that holds the
// title, byte for byte, and the body starts on the next line.
// Lines are scanned from the start once, only as far as the titles asked for require, and
// every first field on the way that could be a title is remembered; so the several look-ups
// of one operation cost one pass over the file, not one pass each.
class TitleIndex {
public:
    explicit TitleIndex(std::string_view data = {}) : data_(data) {}

    // The offset of the body, or nothing when no line holds the title.
    std::optional<std::size_t> find(std::string_view title);

    // The bytes changed from `offset` on (the data may have moved, grown or shrunk; the bytes
    // before `offset` did not change): what was learnt before that line is kept.
    void changedFrom(std::string_view data, std::size_t offset);
    // The bytes from `from` to `to` were rewritten in place, nothing moved: only the lines
    // holding them are looked at again, so writing an area keeps what was learnt after it.
    void rewrittenInPlace(std::string_view data, std::size_t from, std::size_t to);

private:
    struct TitleLine {
        std::size_t line;
        std::size_t body;
    };

    // Scans on until `title` is met or the data ends.
    std::optional<std::size_t> scanOnFor(std::string_view title);

    std::string_view data_;
    // The first line of every title-like first field before this offset; nothing after it.
    std::size_t scanned_ = 0;
    std::map<std::string, TitleLine, std::less<>> firsts_;
};

} // namespace racedesk
