#pragma once
#include <string>
#include <string_view>

namespace racedesk {

// Composes lines in the program's field conventions: every field followed by a tab (the last
// one too), integers in decimal, lines ended by CR LF. The counterpart of FieldReader.
class FieldWriter {
public:
    // A text field. A tab or a line end inside it would shift every field after it, so they
    // are written as spaces.
    void text(std::string_view field);
    void integer(int value);
    void endLine() { out_.append("\r\n"); }
    // A line that is one bare text, without a tab (the frequencies and countries lists); a
    // tab or a line end inside it is written as a space.
    void line(std::string_view text);

    const std::string& contents() const { return out_; }

private:
    std::string out_;
};

} // namespace racedesk
