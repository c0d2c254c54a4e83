#include "core/timing/journal_files.h"

#include "core/app/program.h"
#include "core/common/text_file.h"
#include "core/timing/journal_events.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>

namespace racedesk {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrefix = "Journal-";
constexpr std::string_view kSuffix = ".rdj";
constexpr std::size_t kNameSize = kPrefix.size() + 10 + kSuffix.size();

bool isJournalName(std::string_view name) {
    return name.size() == kNameSize && name.substr(0, kPrefix.size()) == kPrefix &&
           name.substr(name.size() - kSuffix.size()) == kSuffix;
}

// The day a journal's name stands for, as days since 1970; false when it names none.
bool journalDay(std::string_view name, std::chrono::sys_days& day) {
    int y = 0;
    unsigned m = 0;
    unsigned d = 0;
    const std::string date(name.substr(kPrefix.size(), 10));
    if (std::sscanf(date.c_str(), "%4d-%2u-%2u", &y, &m, &d) != 3)
        return false;
    const std::chrono::year_month_day ymd{std::chrono::year(y), std::chrono::month(m),
                                          std::chrono::day(d)};
    if (!ymd.ok())
        return false;
    day = ymd;
    return true;
}

} // namespace

std::string dayJournalName(const LocalDateTime& day) {
    char name[64];
    std::snprintf(name, sizeof name, "%s/Journal-%04d-%02d-%02d.rdj", kJournalFolder, day.year,
                  day.month, day.day);
    return name;
}

void openDayJournal(Program& p) {
    const LocalDateTime today = p.io.clock.localNow();
    const std::string folder = p.path(kJournalFolder);
    std::error_code ec;
    fs::create_directories(folder, ec);
    removeOldJournals(folder, today, kJournalKeptDays);
    if (p.journal.open(p.path(dayJournalName(today))))
        journalSession(p);
}

void removeOldJournals(const std::string& folder, const LocalDateTime& today, int keptDays) {
    const std::chrono::sys_days todayDays = std::chrono::year_month_day{
        std::chrono::year(today.year), std::chrono::month(unsigned(today.month)),
        std::chrono::day(unsigned(today.day))};
    for (const std::string& name : journalFiles(folder)) {
        std::chrono::sys_days day;
        if (journalDay(name, day) && (todayDays - day).count() > keptDays)
            std::remove(joinPath(folder, name).c_str());
    }
}

std::vector<std::string> journalFiles(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (isJournalName(name) && it->is_regular_file(ec))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<JournalRecord> recentJournalRecords(const std::string& folder) {
    const std::vector<std::string> names = journalFiles(folder);
    std::vector<JournalRecord> records;
    const std::size_t first = names.size() > 2 ? names.size() - 2 : 0;
    for (std::size_t i = first; i < names.size(); ++i) {
        std::string contents;
        readWholeFile(joinPath(folder, names[i]), contents);
        std::size_t validSize = 0;
        std::vector<JournalRecord> day = readJournalRecords(contents, validSize);
        std::move(day.begin(), day.end(), std::back_inserter(records));
    }
    return records;
}

} // namespace racedesk
