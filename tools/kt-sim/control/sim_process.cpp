#include "kt-sim/control/sim_process.h"

#include <chrono>
#include <csignal>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace ktsim {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPollPeriod = std::chrono::milliseconds(5);
constexpr auto kQuitGrace = std::chrono::seconds(3);

} // namespace

SimProcess::SimProcess(const std::string& executable, const std::string& workDir,
                       const std::vector<std::string>& options)
    : logPath_(workDir + "/kt-sim.log") {
    std::vector<std::string> args = {executable, "--workdir", workDir, "--log", logPath_};
    args.insert(args.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    // A socket rather than a pipe: a command sent after kt-sim ended fails instead of
    // raising SIGPIPE in this process.
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return;
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, ends[1], STDIN_FILENO);
    pid_t pid = -1;
    if (::posix_spawn(&pid, executable.c_str(), &actions, nullptr, argv.data(), environ) == 0)
        pid_ = pid;
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(ends[1]);
    input_ = ends[0];
}

SimProcess::~SimProcess() {
    stop();
}

bool SimProcess::command(const std::string& line) {
    if (input_ < 0)
        return false;
    const std::string text = line + "\n";
    return ::send(input_, text.data(), text.size(), MSG_NOSIGNAL) == ssize_t(text.size());
}

bool SimProcess::waitFor(std::initializer_list<std::string_view> prefix, std::size_t count,
                         int timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (entriesOf(log(), prefix).size() >= count)
            return true;
        int status = 0;
        if (pid_ <= 0 || ::waitpid(pid_, &status, WNOHANG) == pid_) {
            if (pid_ > 0)
                status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            pid_ = -1;
            return entriesOf(log(), prefix).size() >= count;
        }
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(kPollPeriod);
    }
}

int SimProcess::stop() {
    if (pid_ > 0) {
        command("quit");
        const auto deadline = Clock::now() + kQuitGrace;
        int status = 0;
        pid_t done = 0;
        while ((done = ::waitpid(pid_, &status, WNOHANG)) == 0 && Clock::now() < deadline)
            std::this_thread::sleep_for(kPollPeriod);
        if (done == 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
        }
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        pid_ = -1;
    }
    if (input_ >= 0)
        ::close(input_);
    input_ = -1;
    return status_;
}

} // namespace ktsim
