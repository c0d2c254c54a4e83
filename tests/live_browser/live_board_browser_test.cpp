// The live board in a real browser: the program on kt-sim's port with its own tick and its
// live results on, headless Chromium holding the board page at a phone's size while a heat of
// the sample meeting runs. Every state of the page's rows is a state the board had, and each
// change of the board shows in the page within a second. The phone and big-screen pages are
// saved to the build's screenshots.
#include "core/app/program.h"
#include "core/app/working_folder.h"
#include "core/common/cp1252.h"
#include "core/live/live_settings.h"
#include "core/race/qualifying_parameters_section.h"
#include "core/race/section_file.h"
#include "core/race/tree_codes.h"
#include "core/race/working_race_file.h"
#include "core/timing/interface_settings.h"
#include "gui/live_results.h"
#include "gui/main_window.h"
#include "gui/race_tree_view.h"
#include "gui/screen_relay.h"
#include "kt-sim/control/sim_process.h"
#include "platform/qt_serial_port.h"
#include "platform/system_clock.h"
#include "support/recording_sound_player.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "window_on_simulator.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace racedesk {
namespace {

using Rows = std::vector<std::vector<std::string>>;

struct BoardState {
    qint64 at; // milliseconds since the epoch
    Rows rows;
};

constexpr int kCategory = 1;
constexpr int kCars = 12; // the sample's first category, transponders 012301 to 012312
constexpr int kLaps = 6;
constexpr qint64 kWithinMs = 1000;
// How late the test may note a change of the board: a change that comes without a repaint is
// seen by the millisecond timer, which waits while the window paints.
constexpr qint64 kNotingSlackMs = 50;

// A port nothing listens on now, in the range the settings allow.
int freePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &size);
    ::close(fd);
    return ntohs(a.sin_port);
}

// The board's rows as the page shows them: the nine columns from "Pos" to "Meilleur tour".
Rows boardRows(const Program& p) {
    Rows rows;
    for (int i = 0; i < p.entryCount; ++i) {
        const BoardRow& r = p.rows[std::size_t(i)];
        rows.push_back({r.position.c_str(), r.carNumber.c_str(), cp1252ToUtf8(r.name.view()),
                        r.laps.c_str(), r.totalTime.c_str(), r.gapToLeader.c_str(),
                        r.gapToPrevious.c_str(), r.lastLap.c_str(), r.bestLap.c_str()});
    }
    return rows;
}

Rows pageRows(const QJsonArray& rows) {
    Rows out;
    for (const QJsonValue& row : rows) {
        std::vector<std::string> cells;
        for (const QJsonValue& cell : row.toArray())
            cells.push_back(cell.toString().toStdString());
        out.push_back(cells);
    }
    return out;
}

// The screen of the program, noting the board's rows whenever the program repaints them: the
// moment they change, before the tick that changed them publishes them.
class NotingScreen : public ScreenRelay {
public:
    std::function<void()> onRepaint;
    void invalidate(BoardArea area) override {
        if (onRepaint)
            onRepaint();
        ScreenRelay::invalidate(area);
    }
    void runChanged() override {
        if (onRepaint)
            onRepaint();
        ScreenRelay::runChanged();
    }
};

class LiveBoardInBrowser : public ::testing::Test {
protected:
    static constexpr const char* kPort = "COM47";

    void SetUp() override {
        installShippedDefaults(RACEDESK_SHARE_DIR, folder.path(), SpokenLanguage::French);
        livePort = freePort();
        ASSERT_TRUE(writeLiveSettings(program.path(kLiveSettingsFile), {true, livePort}));
        std::string transponders;
        for (int i = 0; i < kCars; ++i)
            transponders += (i ? "," : "") + std::to_string(12301 + i);
        sim = std::make_unique<ktsim::SimProcess>(
            KT_SIM_PATH, folder.path(),
            std::vector<std::string>{"--port", kPort, "--kt2", "--cars", std::to_string(kCars),
                                     "--transponders", transponders, "--lap-ms", "3200",
                                     "--jitter-ms", "600"});
        ASSERT_TRUE(sim->started() && sim->waitFor({"ready"}, 1, 5000));
        window = test::openWindowOnSimulator(program, screen, kPort, kTypeKt2);
        ASSERT_NE(window, nullptr);
        auto* live = window->findChild<LiveResults*>("liveResults");
        ASSERT_NE(live, nullptr);
        ASSERT_TRUE(live->running()) << "the settings file turned the live results on";
        ASSERT_EQ(live->port(), livePort);
    }

    void TearDown() override {
        if (browser.state() != QProcess::NotRunning) {
            browser.kill();
            browser.waitForFinished();
        }
        window.reset();
        sim.reset();
        serial.close();
    }

    // The sample meeting, its heats cut to a few laps, and its first heat on the board.
    void loadFirstHeat() {
        dialogs.files = {folder.file("Exemple.race")};
        dialogs.answers = {Answer::No};
        window->action(1002)->trigger();
        QualifyingParameters quick;
        quick.duration = DurationMode::Laps;
        quick.laps = kLaps;
        quick.countdownSeconds = 2;
        quick.restMinutes = 0;
        {
            SectionFile race(program.path(kWorkingRaceFile));
            ASSERT_EQ(writeQualifyingParameters(race, kCategory, quick), WriteStatus::Written);
        }
        auto* tree = static_cast<QTreeWidget*>(window->findChild<QWidget*>("4000"));
        for (int branch : {kCategoryItem, kQualifyingItem, kQualifyingItem + 100})
            if (QTreeWidgetItem* item = window->raceTree()->itemOf(itemCode(kCategory, branch)))
                item->setExpanded(true);
        QTreeWidgetItem* heat =
            window->raceTree()->itemOf(itemCode(kCategory, kQualifyingItem + 101));
        ASSERT_NE(heat, nullptr);
        tree->setCurrentItem(heat);
        QApplication::processEvents();
        ASSERT_TRUE(program.run.ready);
    }

    // Every change of the board's rows, with its time, from now on: noted at each repaint,
    // and every millisecond in case a change comes without one.
    void recordBoard() {
        const auto note = [this] {
            Rows rows = boardRows(program);
            if (board.empty() || board.back().rows != rows)
                board.push_back({QDateTime::currentMSecsSinceEpoch(), std::move(rows)});
        };
        screen.onRepaint = note;
        recorder.setTimerType(Qt::PreciseTimer);
        recorder.setInterval(1);
        QObject::connect(&recorder, &QTimer::timeout, note);
        recorder.start();
    }

    void openBrowser(const QString& phone, const QString& bigScreen) {
        browser.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        browser.start(RACEDESK_PYTHON, {BOARD_BROWSER_SCRIPT, CHROMIUM_PATH,
                                        QStringLiteral("http://127.0.0.1:%1/board").arg(livePort),
                                        phone, bigScreen});
        ASSERT_TRUE(browser.waitForStarted(10000));
        ASSERT_TRUE(QTest::qWaitFor([this] { return browser.canReadLine(); }, 60000))
            << "the browser never loaded the page";
        ASSERT_EQ(browser.readLine().trimmed(), "loaded");
    }

    // What the page showed, once the browser is told the run is over.
    std::vector<BoardState> pageLog() {
        browser.write("done\n");
        EXPECT_TRUE(QTest::qWaitFor([this] { return browser.canReadLine(); }, 60000));
        const QJsonDocument doc = QJsonDocument::fromJson(browser.readLine());
        browser.waitForFinished(20000);
        std::vector<BoardState> page;
        for (const QJsonValue& v : doc.array()) {
            const QJsonObject entry = v.toObject();
            page.push_back({qint64(entry["t"].toDouble()), pageRows(entry["rows"].toArray())});
        }
        return page;
    }

    test::TempFolder folder;
    SystemClock clock;
    QtSerialPort serial{folder.path()};
    test::RecordingSoundPlayer sound;
    test::ScriptedDialogs dialogs;
    NotingScreen screen;
    Program program{Platform{clock, serial, sound, dialogs, screen}, folder.path()};
    std::unique_ptr<ktsim::SimProcess> sim;
    std::unique_ptr<MainWindow> window;
    int livePort = 0;
    QProcess browser;
    QTimer recorder;
    std::vector<BoardState> board;
};

TEST_F(LiveBoardInBrowser, pageRowsFollowTheBoardWithinASecond) {
    ASSERT_NO_FATAL_FAILURE(loadFirstHeat());
    QDir().mkpath(RACEDESK_SCREENSHOT_DIR);
    const QString phone = RACEDESK_SCREENSHOT_DIR "/fr-live-phone.png";
    const QString big = RACEDESK_SCREENSHOT_DIR "/fr-live-board.png";
    QFile::remove(phone);
    QFile::remove(big);
    ASSERT_NO_FATAL_FAILURE(openBrowser(phone, big));

    recordBoard();
    QTest::mouseClick(static_cast<QPushButton*>(window->findChild<QWidget*>("2001")),
                      Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return program.run.running; }, 10000));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !program.run.inProgress(); }, 60000));
    // The last changes have their second to reach the page.
    QTest::qWait(int(kWithinMs) + 200);
    recorder.stop();
    screen.onRepaint = nullptr;
    const std::vector<BoardState> page = pageLog();

    std::size_t lapped = 0;
    for (const BoardState& b : board)
        lapped += !b.rows.empty() && b.rows[0][3] != "0";
    ASSERT_GE(lapped, std::size_t(kLaps)) << "the heat ran no laps";
    ASSERT_FALSE(page.empty()) << "the page never showed the rows";

    // Every state the page showed is one the board had, never before the board had it.
    for (const BoardState& p : page) {
        const auto same = std::find_if(board.begin(), board.end(),
                                       [&](const BoardState& b) { return b.rows == p.rows; });
        ASSERT_NE(same, board.end()) << "the page showed rows the board never had, at " << p.at;
        EXPECT_GE(p.at + kNotingSlackMs, same->at) << "the page ahead of the board";
    }
    // Each state of the board reached the page within a second, or a later one did.
    for (std::size_t i = 0; i < board.size(); ++i) {
        const qint64 deadline = board[i].at + kWithinMs;
        const bool caughtUp = std::any_of(page.begin(), page.end(), [&](const BoardState& p) {
            if (p.at > deadline)
                return false;
            for (std::size_t j = i; j < board.size() && board[j].at <= p.at + kNotingSlackMs; ++j)
                if (board[j].rows == p.rows)
                    return true;
            return false;
        });
        EXPECT_TRUE(caughtUp) << "board state " << i << " of " << board.size()
                              << " not on the page within a second";
    }
    EXPECT_EQ(page.back().rows, board.back().rows) << "the page ends on the board's last rows";
    EXPECT_GT(QFileInfo(phone).size(), 10000) << "no phone screenshot";
    EXPECT_GT(QFileInfo(big).size(), 10000) << "no big screen screenshot";
}

} // namespace
} // namespace racedesk
