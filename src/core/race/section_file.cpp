#include "core/race/section_file.h"

#include "core/common/text_file.h"
#include "core/race/section_area.h"
#include "core/race/section_lines.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace racedesk {
namespace {

// The old area's bytes past a shorter new one stay there, unread; unless, once the new area
// ends before them, their first lines would start a section: a title line that a damaged
// file holds inside the area would then hide the real section further on. The area is then
// filled to its old end instead.
bool tailWouldStartSection(std::string_view data, std::size_t start, std::size_t end,
                           std::string_view area) {
    const std::size_t tail = start + area.size();
    if (tail >= end)
        return false;
    const std::size_t probeEnd = std::min(end, nextLineStart(data, nextLineStart(data, tail)));
    std::string probe(area);
    probe.append(data.substr(tail, probeEnd - tail));
    const std::size_t first = area.size();
    return !sectionTitleAt(probe, first).empty() ||
           !sectionTitleAt(probe, nextLineStart(probe, first)).empty();
}

} // namespace

SectionFile::SectionFile(std::string path) : path_(std::move(path)) {
    image_.open(path_);
    titles_.changedFrom(contents(), 0);
}

SectionFile::SectionFile(std::string path, ToRead) : path_(std::move(path)), readOnly_(true) {
    image_.openToRead(path_);
    titles_.changedFrom(contents(), 0);
}

std::optional<std::string_view> SectionFile::body(std::string_view title) {
    const std::optional<std::size_t> start = titles_.find(title);
    if (!start)
        return std::nullopt;
    const std::string_view data = contents();
    return data.substr(*start, areaEnd(data, *start) - *start);
}

std::string_view SectionFile::header() const {
    const std::string_view data = contents();
    return data.substr(0, areaEnd(data, 0));
}

WriteStatus SectionFile::write(std::string_view title, int units, std::string_view content) {
    if (!writable())
        return WriteStatus::FileError;
    if (!isValidTitle(title))
        return WriteStatus::TitleNotFound;
    const std::string area = composeArea(units, content);
    if (const std::optional<std::size_t> start = titles_.find(title))
        return putArea(*start, area);

    const std::string_view data = contents();
    std::string section;
    if (!data.empty() && data.back() != '\n')
        section.append("\r\n"); // a cut last line must not swallow the title line
    appendSection(section, title, area);
    const std::size_t end = data.size();
    const WriteStatus status = writeAt(end, section);
    if (status != WriteStatus::Written)
        return status;
    return titles_.find(title) == end + section.size() - area.size() ? WriteStatus::Written
                                                                     : WriteStatus::TitleNotFound;
}

WriteStatus SectionFile::writeHeader(int units, std::string_view content) {
    if (!writable())
        return WriteStatus::FileError;
    return putArea(0, composeArea(units, content));
}

WriteStatus SectionFile::overwriteFirstInteger(std::string_view title, int value) {
    if (!writable())
        return WriteStatus::FileError;
    const std::optional<std::size_t> start = titles_.find(title);
    if (!start)
        return WriteStatus::TitleNotFound;
    char digits[16];
    const std::string_view number(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    const std::string_view data = contents();
    const std::string_view area = data.substr(*start, areaEnd(data, *start) - *start);
    const std::string_view field = firstField(area, 0);
    const bool hasTab = field.size() < area.size() && area[field.size()] == '\t';
    if (hasTab && number.size() <= field.size()) {
        // Leading spaces keep the rest of the line where it is; an integer reader skips them.
        std::string padded(field.size() - number.size(), ' ');
        padded.append(number);
        return writeAt(*start, padded);
    }
    std::string rebuilt(number);
    rebuilt.push_back('\t');
    rebuilt.append(area.substr(field.size() + (hasTab ? 1 : 0)));
    return putArea(*start, rebuilt);
}

WriteStatus SectionFile::putArea(std::size_t start, std::string_view area) {
    const std::string_view data = contents();
    if (start == data.size() && start > 0 && data.back() != '\n') {
        // A title line cut at the end of the file: ended first, so the area is its body.
        std::string ended(data.back() == '\r' ? "\n" : "\r\n");
        ended.append(area);
        return writeAt(start, ended);
    }
    const std::size_t end = areaEnd(data, start);
    // The last area may grow at the end of the file: nothing follows it.
    if (end == data.size() || area.size() <= end - start) {
        if (tailWouldStartSection(data, start, end, area))
            return writeAt(start, filledArea(area, end - start));
        return writeAt(start, area);
    }
    return rewriteWhole(start, end, area);
}

WriteStatus SectionFile::writeAt(std::size_t offset, std::string_view bytes) {
    const std::size_t sizeBefore = contents().size();
    const bool ok = image_.writeAt(offset, bytes);
    if (contents().size() == sizeBefore)
        titles_.rewrittenInPlace(contents(), offset, offset + bytes.size());
    else
        titles_.changedFrom(contents(), offset);
    return ok ? WriteStatus::Written : WriteStatus::FileError;
}

WriteStatus SectionFile::rewriteWhole(std::size_t start, std::size_t end, std::string_view area) {
    const std::string_view data = contents();
    std::string whole;
    whole.reserve(data.size() - (end - start) + area.size());
    whole.append(data.substr(0, start));
    whole.append(area);
    whole.append(data.substr(end));
    const bool replaced = replaceWholeFile(path_, whole);
    // The old file is gone once renamed over: the image follows the new one.
    const bool reopened = image_.open(path_);
    titles_.changedFrom(contents(), start);
    return replaced && reopened ? WriteStatus::Written : WriteStatus::FileError;
}

} // namespace racedesk
