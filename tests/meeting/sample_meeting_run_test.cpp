#include "core/app/program.h"
#include "core/app/startup.h"
#include "core/app/working_folder.h"
#include "core/common/cp1252.h"
#include "core/race/classification_sections.h"
#include "core/race/heat_section.h"
#include "core/race/qualifying_parameters_section.h"
#include "core/race/race_header.h"
#include "core/race/replay_comparison.h"
#include "core/race/section_titles.h"
#include "core/race/tree_codes.h"
#include "core/race/working_race_file.h"
#include "core/timing/board_layout.h"
#include "core/timing/interface_settings.h"
#include "core/timing/journal_files.h"
#include "core/timing/link_supervision.h"
#include "gui/board_widget.h"
#include "gui/main_window.h"
#include "gui/modal_driver.h"
#include "gui/race_tree_view.h"
#include "gui/screen_relay.h"
#include "kt-sim/control/sim_process.h"
#include "pdf_reader.h"
#include "platform/qt_serial_port.h"
#include "platform/system_clock.h"
#include "support/recording_sound_player.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "window_on_simulator.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace racedesk {
namespace {

using test::pdfText;

// The sample's first category, its transponders 012301 to 012312.
constexpr int kCategory = 1;
constexpr int kFirstTransponder = 12301;
constexpr int kCars = 12;
constexpr int kRounds = 3;
constexpr int kHeats = 2;
constexpr int kLapsPerRun = 3;
// The decoder sends one passing after each of the program's keep-alives, the sample's cars
// in turn, each 395 to 415 ms after its keep-alive: where the next keep-alive goes out
// (about 410 ms after the last), so that passings and keep-alives meet on the wire all
// through the meeting. A car's lap is then twelve keep-alive periods, give or take the
// offsets: longer than the sample track's three seconds of protection, so that every
// passing is a lap, and a heat of three laps lasts about twenty seconds.
constexpr const char* kCollidingOffsetsMs =
    "395,405,396,406,397,407,398,408,399,409,400,410,401,411,402,412,403,413,404,414,415";
constexpr int kKeepAlivePeriodMs = 410;
constexpr int kOffsetSpreadMs = 20;
// The keep-alive goes out on the tick after its 400 ms, and on a busy machine a tick or the
// simulator's sending comes late. A lost passing would double a lap, far beyond this.
constexpr int kSchedulingSlackMs = 250;
constexpr int kLapMinMs = kCars * (kKeepAlivePeriodMs - 10) - kOffsetSpreadMs - kSchedulingSlackMs;
constexpr int kLapMaxMs = kCars * (kKeepAlivePeriodMs + 10) + kOffsetSpreadMs + kSchedulingSlackMs;
constexpr int kRunTimeoutMs = 45000;
// Finals are timed runs of a minute at least; the run stops at the end signal.
constexpr int kFinalTimeoutMs = 90000;
// A car passes every twelve keep-alives, about 4.9 s: twelve laps in the minute, the first
// one shorter.
constexpr int kFinalMinLaps = 60000 / kLapMaxMs - 1;
// The sample's twelve in finals of six: the 1/2 A and B finals take every second qualifier
// and send their three best up into the Final.
constexpr int kFinalists = kCars;
constexpr int kDriversPerFinal = 6;
constexpr int kMovingUpToFinal = 3;
constexpr int kFinale = 0;
constexpr int kHalfA = 1;
constexpr int kHalfB = 2;

std::string transponderList() {
    std::string list;
    for (int i = 0; i < kCars; ++i)
        list += (i ? "," : "") + std::to_string(kFirstTransponder + i);
    return list;
}

struct DriverRun {
    int laps = 0;
    RaceTime total = 0;
};

// The sample meeting as a director runs it: the window on the real serial port and clock,
// its own 10 ms tick, and kt-sim as the decoder with the sample's cars lapping. Message boxes,
// file choices and sounds are the usual fakes.
class SampleMeetingRun : public ::testing::Test {
protected:
    static constexpr const char* kPort = "COM49";

    void SetUp() override {
        installShippedDefaults(RACEDESK_SHARE_DIR, folder.path(), SpokenLanguage::French);
        ASSERT_TRUE(folder.exists("Exemple.race"));
        sim = std::make_unique<ktsim::SimProcess>(
            KT_SIM_PATH, folder.path(),
            std::vector<std::string>{"--port", kPort, "--kt2", "--cars", std::to_string(kCars),
                                     "--transponders", transponderList(), "--after-keepalive-ms",
                                     kCollidingOffsetsMs});
        ASSERT_TRUE(sim->started() && sim->waitFor({"ready"}, 1, 5000));
        window = test::openWindowOnSimulator(program, screen, kPort, kTypeKt2);
        ASSERT_NE(window, nullptr);
        tree = static_cast<QTreeWidget*>(window->findChild<QWidget*>("4000"));
    }

    void TearDown() override {
        window.reset();
        sim.reset();
        serial.close();
    }

    std::string raceFile() const { return program.path(kWorkingRaceFile); }

    // "Charger" with the sample chosen, and short heats of a few laps for the test's sake.
    void loadSample() {
        dialogs.files = {folder.file("Exemple.race")};
        dialogs.answers = {Answer::No};
        window->action(1002)->trigger();
        QualifyingParameters quick;
        quick.duration = DurationMode::Laps;
        quick.laps = kLapsPerRun;
        quick.countdownSeconds = 2;
        quick.restMinutes = 0;
        SectionFile race(raceFile());
        ASSERT_EQ(writeQualifyingParameters(race, kCategory, quick), WriteStatus::Written);
    }

    // Selects the category's item as the director does, the branches above it opened first.
    void selectUnder(std::initializer_list<int> branches, int normalised) {
        for (int branch : branches) {
            if (QTreeWidgetItem* item = window->raceTree()->itemOf(itemCode(kCategory, branch)))
                item->setExpanded(true);
        }
        QTreeWidgetItem* item = window->raceTree()->itemOf(itemCode(kCategory, normalised));
        ASSERT_NE(item, nullptr) << normalised;
        tree->setCurrentItem(item);
        QApplication::processEvents();
    }

    // An item of the qualifying branch.
    void select(int normalised) {
        const int round = (normalised - kQualifyingItem) / 100;
        selectUnder({kCategoryItem, kQualifyingItem, kQualifyingItem + 100 * round}, normalised);
    }

    // An item of the finals branch, or the closure report.
    void selectFinals(int normalised) { selectUnder({kCategoryItem, kFinalsItem}, normalised); }

    // The command of the selected item's context menu, as the director chooses it.
    void runTreeCommand(int normalised, int command) {
        ASSERT_NO_FATAL_FAILURE(selectFinals(normalised));
        std::unique_ptr<QMenu> menu(window->raceTree()->buildContextMenu());
        ASSERT_NE(menu, nullptr) << normalised;
        QAction* action = menu->findChild<QAction*>(QString::number(command));
        ASSERT_NE(action, nullptr) << command;
        ASSERT_TRUE(action->isEnabled()) << command;
        action->trigger();
        QApplication::processEvents();
    }

    // Runs the final at `finalIndex` to its end signal and keeps its drivers in finishing
    // order: more laps first, then less time.
    void runFinal(int finalIndex) {
        ASSERT_NO_FATAL_FAILURE(selectFinals(kFinaleItem + finalIndex));
        ASSERT_TRUE(program.run.ready) << "final " << finalIndex;
        QTest::mouseClick(static_cast<QPushButton*>(window->findChild<QWidget*>("2001")),
                          Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([this] { return program.run.running; }, 10000));
        ASSERT_TRUE(QTest::qWaitFor([this] { return !program.run.inProgress(); }, kFinalTimeoutMs));
        std::vector<std::pair<DriverRun, std::string>> cars;
        for (const CarSlot& s : program.slots) {
            if (s.isEmptySlot())
                continue;
            EXPECT_GE(s.laps, kFinalMinLaps) << s.name.view();
            cars.push_back({{s.laps, s.totalTime}, cp1252ToUtf8(s.name.view())});
        }
        EXPECT_EQ(cars.size(), std::size_t(kDriversPerFinal));
        std::stable_sort(cars.begin(), cars.end(), [](const auto& a, const auto& b) {
            return a.first.laps != b.first.laps ? a.first.laps > b.first.laps
                                                : a.first.total < b.first.total;
        });
        for (const auto& [run, name] : cars)
            finished[finalIndex].push_back(name);
    }

    // The drivers on the board, slot by slot, up to the first empty one.
    std::vector<std::string> boardDrivers() const {
        std::vector<std::string> names;
        for (const CarSlot& s : program.slots) {
            if (s.isEmptySlot())
                break;
            names.push_back(cp1252ToUtf8(s.name.view()));
        }
        return names;
    }

    // Start, then the tick's own timer until every car has finished its laps.
    void runHeat(int round, int heat) {
        select(kQualifyingItem + 100 * round + heat);
        ASSERT_TRUE(program.run.ready) << "heat " << round << "." << heat;
        QTest::mouseClick(static_cast<QPushButton*>(window->findChild<QWidget*>("2001")),
                          Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([this] { return program.run.running; }, 10000));
        ASSERT_TRUE(QTest::qWaitFor([this] { return !program.run.inProgress(); }, kRunTimeoutMs));
        for (int i = 0; i < kCars / kHeats; ++i) {
            const CarSlot& s = program.slots[std::size_t(i)];
            EXPECT_TRUE(s.finished) << s.name.view();
            EXPECT_GE(s.laps, kLapsPerRun - 1) << s.name.view();
            EXPECT_LE(s.laps, kLapsPerRun) << s.name.view();
            // The decoder's clock times the laps: none lost, none merged with the next.
            for (int j = 1; j <= s.laps; ++j) {
                // The first lap runs from the start to wherever the car's turn falls.
                if (j > 1) {
                    EXPECT_GE(s.lapTimes[std::size_t(j)], kLapMinMs) << s.name.view();
                }
                EXPECT_LE(s.lapTimes[std::size_t(j)], kLapMaxMs) << s.name.view();
            }
            results[round][cp1252ToUtf8(s.name.view())] = {s.laps, s.totalTime};
        }
        EXPECT_FALSE(program.link.lost);
        EXPECT_EQ(ktsim::entriesOf(sim->log(), {"recv", "identify"}).size(), 1U)
            << "the decoder was never lost nor looked for again";
    }

    // The board row of the driver, -1 when he has none.
    int rowOf(std::string_view name) const {
        for (int i = 0; i < program.entryCount; ++i) {
            if (program.rows[std::size_t(i)].name == name)
                return i;
        }
        return -1;
    }

    void clickCell(int row, int column, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const Rect r = window->board()->layout().cell(row, column);
        QTest::mouseClick(window->board(), Qt::LeftButton, modifiers,
                          {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        QApplication::processEvents();
    }

    // The next print dialog prints to this PDF file.
    void printNextTo(const std::string& pdf) {
        test::whenModal([](QWidget& w) { return qobject_cast<QPrintDialog*>(&w) != nullptr; },
                        [pdf](QWidget& w) {
                            auto& dialog = static_cast<QPrintDialog&>(w);
                            dialog.printer()->setOutputFileName(QString::fromStdString(pdf));
                            dialog.done(QDialog::Accepted);
                        });
    }

    // More laps in the round, or as many in less time.
    bool ranBetter(int round, const std::string& a, const std::string& b) const {
        const DriverRun& x = results.at(round).at(a);
        const DriverRun& y = results.at(round).at(b);
        return x.laps != y.laps ? x.laps > y.laps : x.total < y.total;
    }

    // The drivers nobody beat in the round: more than one when they tie.
    std::vector<std::string> roundWinners(int round) const {
        std::vector<std::string> winners;
        for (const auto& [name, run] : results.at(round)) {
            const bool beaten =
                std::any_of(results.at(round).begin(), results.at(round).end(),
                            [&](const auto& other) { return ranBetter(round, other.first, name); });
            if (!beaten)
                winners.push_back(name);
        }
        return winners;
    }

    // The round's drivers in the order the text names them.
    std::vector<std::string> namedOrder(int round, const std::string& text) const {
        std::vector<std::pair<std::size_t, std::string>> found;
        for (const auto& [name, run] : results.at(round)) {
            const std::size_t at = text.find(name);
            EXPECT_NE(at, std::string::npos) << name << " missing from\n" << text;
            found.emplace_back(at, name);
        }
        std::sort(found.begin(), found.end());
        std::vector<std::string> names;
        for (const auto& [at, name] : found)
            names.push_back(name);
        return names;
    }

    // Laps then time decide the order; drivers who tie may come either way round.
    void expectRankedAsRun(int round, const std::vector<std::string>& order) const {
        for (std::size_t i = 1; i < order.size(); ++i)
            EXPECT_FALSE(ranBetter(round, order[i], order[i - 1]))
                << order[i] << " ran better than " << order[i - 1];
    }

    static void typeOver(QWidget& dialog, const char* name, const std::string& text) {
        auto* edit = static_cast<QLineEdit*>(dialog.findChild<QWidget*>(name));
        ASSERT_NE(edit, nullptr) << name;
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromStdString(text));
    }

    static bool among(const std::vector<std::string>& names, const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    }

    static void expectInOrder(const std::string& text, const std::vector<std::string>& names) {
        std::size_t at = 0;
        for (const std::string& name : names) {
            const std::size_t found = text.find(name, at);
            ASSERT_NE(found, std::string::npos) << name << " out of order in\n" << text;
            at = found + name.size();
        }
    }

    test::TempFolder folder;
    SystemClock clock;
    QtSerialPort serial{folder.path()};
    test::RecordingSoundPlayer sound;
    test::ScriptedDialogs dialogs;
    ScreenRelay screen;
    Program program{Platform{clock, serial, sound, dialogs, screen}, folder.path()};
    std::unique_ptr<ktsim::SimProcess> sim;
    std::unique_ptr<MainWindow> window;
    QTreeWidget* tree = nullptr;
    std::map<int, std::map<std::string, DriverRun>> results; // by round, by driver (UTF-8)
    std::map<int, std::vector<std::string>> finished;        // by final, best first (UTF-8)
};

TEST_F(SampleMeetingRun, aHeatIsTimedCorrectedPrintedAndAnalysedAndTheCorrectionIsStored) {
    ASSERT_NO_FATAL_FAILURE(loadSample());
    ASSERT_NO_FATAL_FAILURE(runHeat(1, 1));

    bool detailed = false;
    test::whenModal([](QWidget& w) { return qobject_cast<QDialog*>(&w) != nullptr; },
                    [&detailed](QWidget& w) {
                        detailed =
                            w.windowTitle() == QString::fromUtf8("Résultats détaillés série");
                        static_cast<QDialog&>(w).reject();
                    });
    window->action(6103)->trigger();
    EXPECT_TRUE(detailed);

    // The last driver on the board is given nine laps: he leads once the board is ranked.
    ASSERT_EQ(program.entryCount, kCars / kHeats);
    const int last = program.entryCount - 1;
    const std::string corrected = cp1252ToUtf8(program.rows[std::size_t(last)].name.view());
    window->action(6102)->trigger();
    clickCell(last, kLapsColumn);
    auto* laps = window->board()->findChild<QLineEdit*>("6201");
    ASSERT_NE(laps, nullptr);
    laps->selectAll();
    QTest::keyClicks(laps, "9");

    const std::string resultsPdf = folder.file("run.pdf");
    printNextTo(resultsPdf);
    QTest::mouseClick(static_cast<QPushButton*>(window->findChild<QWidget*>("6000")),
                      Qt::LeftButton);
    const std::string printed = pdfText(resultsPdf);
    EXPECT_NE(printed.find("Qualifications : Manche1 - Série1"), std::string::npos) << printed;
    std::vector<std::string> order = {corrected};
    for (int i = 1; i < program.entryCount; ++i)
        order.push_back(cp1252ToUtf8(program.rows[std::size_t(i)].name.view()));
    expectInOrder(printed, order);
    EXPECT_EQ(program.rows[0].name.view(), utf8ToCp1252(corrected));

    const std::string leader = cp1252ToUtf8(program.rows[1].name.view());
    const std::string analysisPdf = folder.file("analysis.pdf");
    test::whenModal([](QWidget& w) { return w.findChild<QWidget*>("6510") != nullptr; },
                    [&analysisPdf, this](QWidget& w) {
                        printNextTo(analysisPdf);
                        test::clickButton(w, "6510");
                        test::clickButton(w, "1");
                    });
    clickCell(1, kNameColumn, Qt::ControlModifier);
    const std::string analysis = pdfText(analysisPdf);
    EXPECT_NE(analysis.find(leader), std::string::npos) << analysis;

    ASSERT_NO_FATAL_FAILURE(select(kQualifyingItem + 100 + 2)); // leaving the heat stores it
    SectionFile race(raceFile());
    StoredRun stored;
    ASSERT_TRUE(readStoredRun(race, heatTitle(kCategory, 1, 1), stored));
    const auto car = std::find_if(stored.cars.begin(), stored.cars.end(), [&](const auto& c) {
        return c.name.view() == utf8ToCp1252(corrected);
    });
    ASSERT_NE(car, stored.cars.end());
    EXPECT_EQ(car->laps, 9);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text;
}

TEST_F(SampleMeetingRun, aCategoryQualifiesRunsItsFinalsAndPrintsItsClassificationsAndReport) {
    ASSERT_NO_FATAL_FAILURE(loadSample());
    for (int round = 1; round <= kRounds; ++round) {
        for (int heat = 1; heat <= kHeats; ++heat)
            ASSERT_NO_FATAL_FAILURE(runHeat(round, heat));
    }
    for (int round = 1; round <= kRounds; ++round) {
        const std::string pdf = folder.file("round" + std::to_string(round) + ".pdf");
        test::whenDialogWith("4701", [this, &pdf](QWidget& d) {
            printNextTo(pdf);
            test::clickButton(d, "4709");
            test::clickButton(d, "1");
        });
        ASSERT_NO_FATAL_FAILURE(select(kClassificationsItem + round));
        const std::vector<std::string> order = namedOrder(round, pdfText(pdf));
        ASSERT_EQ(order.size(), std::size_t(kCars));
        expectRankedAsRun(round, order);
        // The winner of a round of twelve has twelve plus five points.
        SectionFile race(raceFile());
        const auto body = race.body(roundClassificationTitle(kCategory, round));
        ASSERT_TRUE(body.has_value());
        const std::string lines(*body);
        const std::size_t second = lines.find("\r\n") + 2;
        const std::string winner = lines.substr(second, lines.find("\r\n", second) - second);
        const std::string name = cp1252ToUtf8(winner.substr(0, winner.find('\t')));
        EXPECT_TRUE(among(roundWinners(round), name)) << winner;
        EXPECT_EQ(winner.substr(winner.size() - 4), "\t17\t") << winner;
    }

    const std::string overallPdf = folder.file("overall.pdf");
    test::whenDialogWith("4801", [this, &overallPdf](QWidget& d) {
        printNextTo(overallPdf);
        test::clickButton(d, "4804");
        test::clickButton(d, "1");
    });
    ASSERT_NO_FATAL_FAILURE(select(kOverallClassificationItem));
    RaceHeader header;
    ASSERT_TRUE(readRaceHeader(raceFile(), header));
    EXPECT_EQ(header.categories[0].finalsState, 1);
    const std::string overall = pdfText(overallPdf);
    std::vector<std::string> winners;
    for (int round = 1; round <= kRounds; ++round) {
        for (const std::string& name : roundWinners(round))
            winners.push_back(name);
    }
    // Counting each driver's best round, the first overall won a round.
    std::size_t first = std::string::npos;
    std::string top;
    for (const auto& [name, run] : results.at(1)) {
        const std::size_t at = overall.find(name);
        ASSERT_NE(at, std::string::npos) << name << "\n" << overall;
        if (at < first) {
            first = at;
            top = name;
        }
    }
    EXPECT_TRUE(among(winners, top)) << overall;

    // One level of one-minute A and B finals under the Final, stopped at the end signal.
    test::whenDialogWith("5008", [](QWidget& d) {
        typeOver(d, "5003", std::to_string(kDriversPerFinal));
        typeOver(d, "5008", std::to_string(kMovingUpToFinal));
        typeOver(d, "5012", "0");
        typeOver(d, "5004", "1");
        typeOver(d, "5006", "1");
        typeOver(d, "5007", "0");
        EXPECT_EQ(static_cast<QLineEdit*>(d.findChild<QWidget*>("5022"))->text(), "1/2 finales");
        test::clickButton(d, "1");
    });
    ASSERT_NO_FATAL_FAILURE(runTreeCommand(kFinalsCompositionItem, 1058));
    ASSERT_TRUE(readRaceHeader(raceFile(), header));
    ASSERT_EQ(header.categories[0].finals, 3);
    test::whenDialogWith("4906", [](QWidget& d) {
        static_cast<QRadioButton*>(d.findChild<QWidget*>("4906"))->click();
        typeOver(d, "4902", "2");
        test::clickButton(d, "1");
    });
    ASSERT_NO_FATAL_FAILURE(runTreeCommand(kFinalsParametersItem, 1057));

    // The 1/2 A final takes every second qualifier from the first, the B one from the second.
    auto order = std::make_unique<OverallClassification>();
    {
        SectionFile race(raceFile());
        ASSERT_TRUE(readOverallClassification(race, kCategory, kCars, *order));
    }
    for (int final : {kHalfA, kHalfB}) {
        ASSERT_NO_FATAL_FAILURE(selectFinals(kFinaleItem + final));
        std::vector<std::string> expected;
        for (int place = final - 1; place < kFinalists; place += 2)
            expected.push_back(cp1252ToUtf8(order->names[std::size_t(place)].view()));
        EXPECT_EQ(boardDrivers(), expected);
        ASSERT_NO_FATAL_FAILURE(runFinal(final));
        if (final == kHalfA) {
            ASSERT_NO_FATAL_FAILURE(selectFinals(kFinaleItem));
            EXPECT_FALSE(program.run.ready) << "the Final waits for both 1/2 finals";
        }
    }
    ASSERT_NO_FATAL_FAILURE(selectFinals(kFinaleItem));
    std::vector<std::string> field;
    for (int i = 0; i < kMovingUpToFinal; ++i) {
        field.push_back(finished[kHalfA][std::size_t(i)]);
        field.push_back(finished[kHalfB][std::size_t(i)]);
    }
    EXPECT_EQ(boardDrivers(), field);
    ASSERT_NO_FATAL_FAILURE(runFinal(kFinale));

    // The closure report: the Final, then the 1/2 finals interleaved by place.
    const std::string reportPdf = folder.file("closure.pdf");
    test::whenDialogWith("5102", [this, &reportPdf](QWidget& d) {
        printNextTo(reportPdf);
        test::clickButton(d, "5101");
        test::clickButton(d, "2");
    });
    ASSERT_NO_FATAL_FAILURE(runTreeCommand(kClosureReportItem, 1059));
    const std::string report = pdfText(reportPdf);
    std::vector<std::string> printed = finished[kFinale];
    for (std::size_t i = 0; i < std::size_t(kDriversPerFinal); ++i) {
        printed.push_back(finished[kHalfA][i]);
        printed.push_back(finished[kHalfB][i]);
    }
    expectInOrder(report, printed);
    EXPECT_NE(report.find("Rapport de cloture"), std::string::npos) << report;
    SectionFile race(raceFile());
    EXPECT_EQ(readFinalState(race, finalTitle(kCategory, 1, true)), 2);
    EXPECT_EQ(readFinalState(race, finaleTitle(kCategory)), 1);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text;

    // Every heat and final timed again from the decoder journal equals its stored section.
    program.journal.flush();
    const std::vector<JournalRun> runs =
        journalRuns(recentJournalRecords(program.path(kJournalFolder)));
    const ReplayComparison comparison = compareWithRaceFile(runs, raceFile());
    EXPECT_EQ(comparison.runsCompared, kRounds * kHeats + 3);
    EXPECT_EQ(comparison.runsDiffering, 0);
    EXPECT_TRUE(comparison.lines.empty()) << comparison.lines.front();
    const std::string journal = folder.read(dayJournalName(clock.localNow()));
    std::printf("decoder journal: %zu bytes for %d heats of %d cars and 3 finals\n", journal.size(),
                kRounds * kHeats, kCars / kHeats);
}

} // namespace
} // namespace racedesk
