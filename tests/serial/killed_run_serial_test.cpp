// The program times a heat against kt-sim and is killed with SIGKILL in the middle of it.
// Started again on the same working folder, it offers the heat back; taken back, the board
// holds every lap the decoder sent before the kill, as kt-sim's own log has them, and the heat
// commits as usual. The killed program is this test program run again as a child, in the
// session test below, which does nothing unless the parent names its working folder.
#include "serial_rig.h"

#include "core/app/interrupted_run.h"
#include "core/app/startup.h"
#include "core/app/tick.h"
#include "core/race/heat_section.h"
#include "core/race/heat_storage.h"
#include "core/race/section_file.h"
#include "core/race/working_race_file.h"
#include "core/timing/journal_files.h"
#include "core/timing/link_supervision.h"
#include "core/timing/run_engine.h"
#include "kt-sim/control/sim_log.h"
#include "support/one_heat_race.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace racedesk::test {
namespace {

constexpr const char* kFolderVariable = "RACEDESK_KILLED_RUN_FOLDER";

pid_t startKilledSession(const std::string& folder) {
    char exe[4096];
    const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0)
        return -1;
    exe[n] = '\0';
    std::string filter = "--gtest_filter=KilledRunSession.*";
    char* argv[] = {exe, filter.data(), nullptr};
    ::setenv(kFolderVariable, folder.c_str(), 1);
    pid_t pid = -1;
    const int failed = ::posix_spawn(&pid, exe, nullptr, nullptr, argv, environ);
    ::unsetenv(kFolderVariable);
    return failed == 0 ? pid : -1;
}

TEST(KilledRunSession, timesTheHeatUntilKilled) {
    const char* folder = std::getenv(kFolderVariable);
    if (folder == nullptr)
        GTEST_SKIP() << "run by the killed-run test only";
    SystemClock clock;
    QtSerialPort serial{folder};
    RecordingSoundPlayer sound;
    ScriptedDialogs dialogs;
    RecordingScreen screen;
    Program p(Platform{clock, serial, sound, dialogs, screen}, folder);
    openDayJournal(p);
    startDecoderLink(p);
    loadQualifyingHeat(p, 1, 1, 1);
    ASSERT_TRUE(p.loaded.loaded());
    p.run.countdownSeconds = 0;
    p.run.minLapSeconds = 0;
    p.run.durationMinutes = 60;
    startRun(p);
    // Killed long before; bounded so that a lost parent leaves no program behind.
    for (int t = 0; t < 6000; ++t) {
        tick(p);
        holdFor(10);
    }
}

TEST(KilledRun, takenBackAfterSigkillTheBoardHoldsEveryLapTheDecoderSent) {
    SerialRig rig;
    const std::string folder = rig.folder.path();
    ASSERT_TRUE(writeOneHeatRace(rig.program.path(kWorkingRaceFile), 2));
    ASSERT_TRUE(rig.startSim({"--kt2", "--cars", "2", "--transponders", "1001,1002", "--lap-ms",
                              "700", "--jitter-ms", "150", "--seed", "11"}));
    InterfaceSettings settings;
    settings.portName = SerialRig::kPort;
    settings.type = kTypeKt2;
    ASSERT_TRUE(writeInterfaceSettings(rig.program.path(kInterfaceSettingsFile), settings));

    const pid_t child = startKilledSession(folder);
    ASSERT_GT(child, 0);
    const bool lapped = rig.sim->waitFor({"send", "passing"}, 8, 20000);
    // Nothing left on the way: every passing sent has reached the port, the tick and the
    // journal's writer before the kill.
    rig.sim->command("silent");
    rig.sim->waitFor({"cmd", "silent"}, 1, 2000);
    holdFor(700);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(lapped) << "the killed program never timed its heat";
    ASSERT_TRUE(WIFSIGNALED(status));

    startUp(rig.program);
    rig.dialogs.answers = {Answer::Yes};
    TreeItems tree;
    ASSERT_TRUE(offerInterruptedRun(rig.program, tree));
    ASSERT_EQ(rig.dialogs.questions.size(), 1u);
    const auto log = rig.sim->log();
    for (int car = 0; car < 2; ++car) {
        const CarSlot& slot = rig.program.slots[std::size_t(car)];
        const auto sent = ktsim::sentPassings(log, 1001 + car);
        SCOPED_TRACE(slot.transponder.c_str());
        ASSERT_GE(sent.size(), 3U);
        ASSERT_EQ(slot.laps, int(sent.size())) << "no lap lost, none added";
        for (std::size_t n = 1; n <= sent.size(); ++n)
            EXPECT_EQ(slot.cumulativeTimes[n], sent[n - 1].clockMs) << "lap " << n;
    }
    EXPECT_FALSE(rig.program.run.inProgress());

    commitHeat(rig.program);
    SectionFile file(rig.program.path(kWorkingRaceFile));
    StoredRun stored;
    ASSERT_TRUE(readStoredRun(file, rig.program.loaded.sectionTitle.view(), stored));
    EXPECT_EQ(stored.cars[0].laps, rig.program.slots[0].laps);
    EXPECT_EQ(stored.cars[1].totalTime, rig.program.slots[1].totalTime);
}

} // namespace
} // namespace racedesk::test
