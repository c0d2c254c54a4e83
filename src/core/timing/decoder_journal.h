#pragma once
#include "core/timing/journal_format.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace racedesk {

// The journal of the day's runs. The tick hands its records over without allocating or
// touching the disk; a writer thread of its own writes them, makes them reach the disk at
// least every second, and at once after a record that asks for it (a stop, a clear, a commit).
class DecoderJournal {
public:
    DecoderJournal();
    ~DecoderJournal();
    DecoderJournal(const DecoderJournal&) = delete;
    DecoderJournal& operator=(const DecoderJournal&) = delete;

    // Opens the journal file, made when missing, continued after its last sound record (a
    // record cut by a crash is dropped; a file that is no journal at all is kept aside under
    // ".damaged" and a new one begun). False when it cannot be opened: the program then times
    // without a journal.
    bool open(const std::string& path);
    bool isOpen() const;
    // Everything handed over is written and on disk, then the file is closed.
    void close();

    // Hands a record over; nothing when the journal is closed. `durable`: the writer puts it
    // on disk at once. A record that finds no room (the disk stalled for long) is counted.
    void append(JournalType type, std::int64_t stamp, std::string_view payload,
                bool durable = false);
    // Waits until everything handed over is on disk.
    void flush();
    long droppedRecords() const;

private:
    struct Writer;
    std::unique_ptr<Writer> writer_;
};

} // namespace racedesk
