#include "core/race/section_lines.h"

#include <cstring>

namespace racedesk {
namespace {

bool endsField(char c) {
    return c == '\t' || c == '\r' || c == '\n';
}

// True when a line ends at `pos`: LF, CR LF, or the end of the data.
bool lineEndsAt(std::string_view data, std::size_t pos) {
    if (pos >= data.size() || data[pos] == '\n')
        return true;
    return data[pos] == '\r' && (pos + 1 == data.size() || data[pos + 1] == '\n');
}

} // namespace

std::size_t nextLineStart(std::string_view data, std::size_t pos) {
    if (pos >= data.size())
        return data.size();
    const void* lf = std::memchr(data.data() + pos, '\n', data.size() - pos);
    if (lf == nullptr)
        return data.size();
    return std::size_t(static_cast<const char*>(lf) - data.data()) + 1;
}

std::size_t lineStartOf(std::string_view data, std::size_t pos) {
    std::size_t p = pos < data.size() ? pos : data.size();
    while (p > 0 && data[p - 1] != '\n')
        --p;
    return p;
}

std::string_view firstField(std::string_view data, std::size_t lineStart) {
    std::size_t p = lineStart;
    while (p < data.size() && !endsField(data[p]))
        ++p;
    return data.substr(lineStart, p - lineStart);
}

bool couldBeTitle(std::string_view field) {
    return field.starts_with(kCategoryTitlePrefix) || field == kTrackTitle;
}

std::string_view titleCandidateAt(std::string_view data, std::size_t lineStart) {
    if (lineStart >= data.size() || (data[lineStart] != 'C' && data[lineStart] != 'P'))
        return {};
    const std::string_view field = firstField(data, lineStart);
    return couldBeTitle(field) ? field : std::string_view{};
}

bool isEmptyLine(std::string_view data, std::size_t lineStart) {
    return lineStart < data.size() && lineEndsAt(data, lineStart);
}

bool isTitleLine(std::string_view data, std::size_t lineStart) {
    const std::string_view field = titleCandidateAt(data, lineStart);
    const std::size_t tab = lineStart + field.size();
    return !field.empty() && tab < data.size() && data[tab] == '\t' && lineEndsAt(data, tab + 1);
}

std::string_view sectionTitleAt(std::string_view data, std::size_t lineStart) {
    if (lineStart == 0 || !isTitleLine(data, lineStart) ||
        !isEmptyLine(data, lineStartOf(data, lineStart - 1)))
        return {};
    return titleCandidateAt(data, lineStart);
}

std::size_t areaEnd(std::string_view data, std::size_t bodyStart) {
    for (std::size_t line = bodyStart; line < data.size(); line = nextLineStart(data, line)) {
        const std::size_t next = nextLineStart(data, line);
        if (next < data.size() && !sectionTitleAt(data, next).empty())
            return line;
    }
    return data.size();
}

bool isValidTitle(std::string_view title) {
    return couldBeTitle(title) && title.find_first_of("\t\r\n") == std::string_view::npos;
}

std::optional<std::size_t> scanForTitle(std::string_view data, std::string_view title) {
    if (!isValidTitle(title))
        return std::nullopt;
    for (std::size_t line = 0; line < data.size(); line = nextLineStart(data, line)) {
        if (sectionTitleAt(data, line) == title)
            return nextLineStart(data, line);
    }
    return std::nullopt;
}

} // namespace racedesk
