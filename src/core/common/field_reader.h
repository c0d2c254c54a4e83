#pragma once
#include "core/common/fixed_text.h"

#include <cstddef>
#include <string_view>

namespace racedesk {

// Reads the tab-terminated fields of the program's text files (Windows-1252, CR LF or LF).
// It never reads past the end of its data and never loops on a cut file.
class FieldReader {
public:
    explicit FieldReader(std::string_view data) : data_(data) {}

    bool atEnd() const { return pos_ >= data_.size(); }
    bool atLineEnd() const { return atEnd() || isLineEnd(data_[pos_]); }
    std::size_t position() const { return pos_; }

    // A text field: the characters up to the next tab or line end; the tab is taken too.
    std::string_view text();
    template <std::size_t N> void text(FixedText<N>& field) { field = text(); }

    // An integer field: spaces and line ends ahead of it are skipped, then the decimal number
    // and its own tab are taken. Gives false, and 0, when no number stands there; an empty
    // field (a lone tab) is then taken whole.
    bool integer(int& value);

    // An integer as "%d" scans one: all white space ahead of it is skipped, tabs included.
    bool scanInteger(int& value);

    // A white-space delimited token, as "%s" reads one.
    std::string_view token();
    template <std::size_t N> bool token(FixedText<N>& field) {
        const std::string_view t = token();
        field = t;
        return !t.empty();
    }

    // Skips to the start of the next line.
    void skipLine();
    // The rest of the line, without its line end; moves to the next line.
    std::string_view line();

    static bool isLineEnd(char c) { return c == '\n' || c == '\r'; }

private:
    void skipWhiteSpace();

    std::string_view data_;
    std::size_t pos_ = 0;
};

} // namespace racedesk
