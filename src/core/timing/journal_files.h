#pragma once
#include "core/platform/clock.h"
#include "core/timing/journal_format.h"

#include <string>
#include <vector>

namespace racedesk {

struct Program;

// The journals live in the working folder, one file per day the program was started on:
// "Journaux/Journal-2026-05-14.rdj". A session started before midnight keeps its file.
inline constexpr const char* kJournalFolder = "Journaux";
// Journals of days older than this are removed at start-up.
inline constexpr int kJournalKeptDays = 60;

std::string dayJournalName(const LocalDateTime& day);

// At start-up: the journals past their keeping removed, then today's opened (made when
// missing). A journal that cannot be opened leaves the program timing without one.
void openDayJournal(Program& p);

// Removes from `folder` the journals of days more than `keptDays` before `today`; other
// files are left alone.
void removeOldJournals(const std::string& folder, const LocalDateTime& today, int keptDays);

// The journal files of `folder`, oldest first.
std::vector<std::string> journalFiles(const std::string& folder);

// The sound records of the two latest journals, in order: a run started on one day and
// declined the next is seen with its answer.
std::vector<JournalRecord> recentJournalRecords(const std::string& folder);

} // namespace racedesk
