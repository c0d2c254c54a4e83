#include "core/timing/decoder_journal.h"

#include "core/common/text_file.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <vector>

namespace racedesk {
namespace {

// A full minute of a decoder at 9600 baud with its stamps, and far more than a tick can hand
// over between two passes of the writer.
constexpr std::size_t kPendingCapacity = std::size_t(1) << 20;
constexpr auto kWritePeriod = std::chrono::milliseconds(200);
constexpr auto kSyncPeriod = std::chrono::seconds(1);

bool writeAll(int fd, const std::uint8_t* bytes, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, bytes + done, size - done);
        if (n <= 0)
            return false;
        done += std::size_t(n);
    }
    return true;
}

// The file's sound records kept, anything after them dropped; a file that does not even begin
// as a journal is kept aside and a new one begun. Gives the size to continue from.
std::size_t prepareFile(const std::string& path, int fd) {
    std::string contents;
    readWholeFile(path, contents);
    std::size_t validSize = 0;
    readJournalRecords(contents, validSize);
    if (validSize == 0 && !contents.empty())
        replaceWholeFile(path + ".damaged", contents);
    if (validSize == 0) {
        if (::ftruncate(fd, 0) != 0 ||
            !writeAll(fd, reinterpret_cast<const std::uint8_t*>(kJournalSignature.data()),
                      kJournalSignature.size()))
            return 0;
        return kJournalSignature.size();
    }
    return ::ftruncate(fd, off_t(validSize)) == 0 ? validSize : 0;
}

} // namespace

struct DecoderJournal::Writer {
    int fd = -1;
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable written;
    std::vector<std::uint8_t> pending;
    std::vector<std::uint8_t> writing;
    bool syncWanted = false;
    bool stopping = false;
    long passes = 0; // passes of the writer, each ending with what it took on disk when asked
    long dropped = 0;
    std::thread thread;

    void run();
    void writeTaken(bool sync, bool& unsynced, std::chrono::steady_clock::time_point& lastSync);
};

void DecoderJournal::Writer::writeTaken(bool sync, bool& unsynced,
                                        std::chrono::steady_clock::time_point& lastSync) {
    if (!writeAll(fd, writing.data(), writing.size()))
        ++dropped; // a disk that refuses the journal: counted, the run goes on
    unsynced = unsynced || !writing.empty();
    writing.clear();
    const auto now = std::chrono::steady_clock::now();
    if (unsynced && (sync || now - lastSync >= kSyncPeriod)) {
        ::fdatasync(fd);
        unsynced = false;
        lastSync = now;
    }
}

void DecoderJournal::Writer::run() {
    auto lastSync = std::chrono::steady_clock::now();
    bool unsynced = false;
    std::unique_lock lock(mutex);
    for (;;) {
        wake.wait_for(lock, kWritePeriod, [this] { return stopping || syncWanted; });
        pending.swap(writing);
        const bool sync = syncWanted || stopping;
        const bool quit = stopping;
        syncWanted = false;
        lock.unlock();
        writeTaken(sync, unsynced, lastSync);
        lock.lock();
        ++passes;
        written.notify_all();
        if (quit)
            return;
    }
}

DecoderJournal::DecoderJournal() = default;

DecoderJournal::~DecoderJournal() {
    close();
}

bool DecoderJournal::open(const std::string& path) {
    close();
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    if (prepareFile(path, fd) == 0) {
        ::close(fd);
        return false;
    }
    ::fsync(fd);
    syncFolderOf(path);
    auto w = std::make_unique<Writer>();
    w->fd = fd;
    w->pending.reserve(kPendingCapacity);
    w->writing.reserve(kPendingCapacity);
    w->thread = std::thread([raw = w.get()] { raw->run(); });
    writer_ = std::move(w);
    return true;
}

bool DecoderJournal::isOpen() const {
    return writer_ != nullptr;
}

void DecoderJournal::close() {
    if (!writer_)
        return;
    {
        std::lock_guard lock(writer_->mutex);
        writer_->stopping = true;
    }
    writer_->wake.notify_one();
    writer_->thread.join();
    ::close(writer_->fd);
    writer_.reset();
}

void DecoderJournal::append(JournalType type, std::int64_t stamp, std::string_view payload,
                            bool durable) {
    if (!writer_)
        return;
    std::uint8_t record[kJournalMaxRecord];
    const std::size_t size = composeJournalRecord(type, stamp, payload, record);
    {
        std::lock_guard lock(writer_->mutex);
        std::vector<std::uint8_t>& pending = writer_->pending;
        // Never beyond the reserved room: growing the buffer would allocate on the tick.
        if (size == 0 || pending.size() + size > pending.capacity()) {
            ++writer_->dropped;
            return;
        }
        pending.insert(pending.end(), record, record + size);
        writer_->syncWanted = writer_->syncWanted || durable;
    }
    if (durable)
        writer_->wake.notify_one();
}

void DecoderJournal::flush() {
    if (!writer_)
        return;
    std::unique_lock lock(writer_->mutex);
    writer_->syncWanted = true;
    // The pass under way may have taken its records before this call: wait for the next one.
    const long target = writer_->passes + 2;
    writer_->wake.notify_one();
    writer_->written.wait(lock, [&] { return writer_->passes >= target; });
}

long DecoderJournal::droppedRecords() const {
    if (!writer_)
        return 0;
    std::lock_guard lock(writer_->mutex);
    return writer_->dropped;
}

} // namespace racedesk
