#pragma once
#include "kt-sim/control/sim_log.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace ktsim {

// kt-sim running as a child process on a working folder, its log in that folder. Commands
// go to its standard input; when this object goes, kt-sim is told to quit (and killed if it
// does not), and should this process die first, the end of its input stops kt-sim anyway.
class SimProcess {
public:
    // 'options' are kt-sim's options other than --workdir and --log.
    SimProcess(const std::string& executable, const std::string& workDir,
               const std::vector<std::string>& options);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool started() const { return pid_ > 0; }
    // One command line ("vanish", "pass 1001" ...); false when kt-sim no longer listens.
    bool command(const std::string& line);
    std::vector<LogEntry> log() const { return readLog(logPath_); }
    const std::string& logPath() const { return logPath_; }

    // Waits until the log holds 'count' entries beginning with 'prefix'; false at the
    // time-out, or at once when kt-sim has ended.
    bool waitFor(std::initializer_list<std::string_view> prefix, std::size_t count, int timeoutMs);
    // Asks kt-sim to quit and waits for it; gives its exit status (-1 when it was killed).
    int stop();

private:
    pid_t pid_ = -1;
    int input_ = -1;
    int status_ = -1;
    std::string logPath_;
};

} // namespace ktsim
