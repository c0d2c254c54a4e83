#include "results_board.h"

#include "core/timing/ranking.h"
#include "gui/board_widget.h"

#include <QApplication>
#include <QTest>

namespace racedesk::test {
namespace {

void giveResult(CarSlot& s, int laps, RaceTime lap) {
    s.laps = s.passings = laps;
    for (int j = 1; j <= laps; ++j) {
        s.cumulativeTimes[std::size_t(j)] = lap * j;
        s.lapTimes[std::size_t(j)] = lap;
    }
    s.totalTime = lap * laps;
    s.bestLap = lap;
    s.finished = true;
}

} // namespace

ResultsBoard::ResultsBoard() {
    g.loadHeat({"Anna", "Boris", "Chloe"});
    p.loaded.sectionTitle = "Cat\xE9gorie1M1S1";
    p.loaded.runTitle = " Buggy - Manche1 - S\xE9rie1 ";
    giveResult(p.slots[0], 10, 27'100);
    giveResult(p.slots[1], 11, 26'900);
    giveResult(p.slots[2], 9, 29'000);
    p.run.ready = false;
    rankRun(p.slots, p.run.ranking, p.entryCount, p.entries, p.rows);
    g.window->runChanged();
    QApplication::processEvents();
}

QPoint ResultsBoard::cell(int visibleRow, int column) const {
    const Rect r = g.window->board()->layout().cell(visibleRow, column);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void ResultsBoard::clickCell(int visibleRow, int column, Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(g.window->board(), Qt::LeftButton, modifiers, cell(visibleRow, column));
    QApplication::processEvents();
}

int ResultsBoard::rowOf(const char* name) const {
    for (int i = 0; i < p.entryCount; ++i) {
        if (p.rows[std::size_t(i)].name == name)
            return i;
    }
    return -1;
}

} // namespace racedesk::test
