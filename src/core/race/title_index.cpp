#include "core/race/title_index.h"

#include "core/race/section_lines.h"

#include <algorithm>

namespace racedesk {

std::optional<std::size_t> TitleIndex::find(std::string_view title) {
    if (!couldBeTitle(title))
        return scanForTitle(data_, title);
    if (const auto known = firsts_.find(title); known != firsts_.end())
        return known->second.body;
    return scanOnFor(title);
}

std::optional<std::size_t> TitleIndex::scanOnFor(std::string_view title) {
    while (scanned_ < data_.size()) {
        const std::size_t line = scanned_;
        scanned_ = nextLineStart(data_, line);
        const std::string_view field = sectionTitleAt(data_, line);
        if (field.empty())
            continue;
        const bool added =
            firsts_.try_emplace(std::string(field), TitleLine{line, scanned_}).second;
        if (added && field == title)
            return scanned_;
    }
    return std::nullopt;
}

void TitleIndex::changedFrom(std::string_view data, std::size_t offset) {
    data_ = data;
    const std::size_t cut = lineStartOf(data_, offset);
    std::erase_if(firsts_, [cut](const auto& entry) { return entry.second.line >= cut; });
    if (scanned_ > cut)
        scanned_ = cut;
}

void TitleIndex::rewrittenInPlace(std::string_view data, std::size_t from, std::size_t to) {
    data_ = data;
    const std::size_t cut = lineStartOf(data_, from);
    // The two lines after the rewritten bytes are looked at too: whether the first starts a
    // line, and whether it is the empty line a section title follows, may have changed.
    const std::size_t stop = nextLineStart(data_, nextLineStart(data_, to));
    if (scanned_ <= cut)
        return;
    // A title line rewritten (only in a damaged file: writers rewrite bodies) may leave its
    // title to a later line that was passed over: those lines are scanned again.
    const bool titleLineRewritten = std::any_of(firsts_.begin(), firsts_.end(), [&](const auto& e) {
        return e.second.line >= cut && e.second.line < stop;
    });
    if (scanned_ < stop || titleLineRewritten)
        return changedFrom(data, from);
    for (std::size_t line = cut; line < stop;) {
        const std::size_t next = nextLineStart(data_, line);
        const std::string_view field = sectionTitleAt(data_, line);
        if (!field.empty()) {
            // A title now on a rewritten line comes before any later line holding it.
            const auto [entry, added] =
                firsts_.try_emplace(std::string(field), TitleLine{line, next});
            if (!added && entry->second.line > line)
                entry->second = TitleLine{line, next};
        }
        line = next;
    }
}

} // namespace racedesk
