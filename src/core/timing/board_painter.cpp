#include "core/timing/board_painter.h"

#include "core/app/program.h"
#include "core/common/texts.h"
#include "core/platform/fitted_font.h"
#include "core/settings/band_fill.h"
#include "core/timing/key_labels.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace racedesk {
namespace {

constexpr Colour kClockGreen = rgb(0, 150, 0);
constexpr Colour kClockRed = rgb(150, 0, 0);
constexpr Colour kPositionStrip = rgb(255, 255, 200);
constexpr const char* kLogo = "images/logo.bmp";
constexpr const char* kFinishFlag = "images/drapeauArrivee.bmp";

Colour darkened(Colour c) {
    auto down = [](int v) { return v < 10 ? 0 : v - 10; };
    return rgb(down(redOf(c)), down(greenOf(c)), down(blueOf(c)));
}

constexpr Text kHeadings[kBoardColumnsWithEnds] = {
    Text::HeadingPos,     Text::HeadingCar,         Text::HeadingName,        Text::HeadingLaps,
    Text::HeadingTotal,   Text::HeadingGapLeader,   Text::HeadingGapPrevious, Text::HeadingLastLap,
    Text::HeadingBestLap, Text::HeadingTransponder, Text::HeadingFinish};

struct Painter {
    Canvas& c;
    const BoardLayout& l;
    const Program& p;
    const DisplaySettings& d;

    int rowsShown() const {
        return std::clamp(p.entryCount - p.board.firstVisibleRow, 0, l.rowsVisible);
    }
    const FontSpec columnFont(int column) const {
        return scaledFont(d.fonts[std::size_t(kFirstColumnFont + column - kCarColumn)], l.width);
    }
    Colour columnColour(int column) const {
        return d.fontColours[std::size_t(kFirstColumnFont + column - kCarColumn)];
    }

    void background() {
        c.bitmap({4, 2, 4 + 196, 2 + 50}, kLogo, false);
        c.fillRect(l.board, d.colours[kBoardBackground]);
        // The conflict banner takes the title's band: the faint title would show around it.
        if (p.board.conflict)
            return;
        c.text((l.title.left + l.title.right) / 2, l.title.top, "Tarvolin Racedesk",
               arialFont(l.title.height(), 700), darkened(d.colours[kBoardBackground]),
               Align::Centre, false, 0);
    }

    void bands() {
        const Rect header{l.table.left, l.headerBand.top, l.table.right, l.headerBand.bottom};
        fillBand(c, header, d.colours[kHeaderTop], d.colours[kHeaderBottom]);
        const bool plainHeader = d.colours[kHeaderTop] == d.colours[kHeaderBottom];
        for (int i = 0; i < l.rowsVisible; ++i) {
            const Rect strip = l.cell(i, kPosColumn);
            c.fillRect(strip, plainHeader
                                  ? kPositionStrip
                                  : bandColour(kWhite, rgb(215, 215, 160), i, l.rowsVisible));
        }
        const Rect rows{l.columnX[kCarColumn], l.rowsArea.top, l.table.right, l.rowsArea.bottom};
        if (!d.relief()) {
            fillBand(c, rows, d.colours[kRowsTop], d.colours[kRowsBottom]);
        } else {
            for (int i = 0; i < l.rowsVisible; ++i) {
                const Rect row{rows.left, l.rowTop(i), rows.right, l.rowTop(i + 1)};
                fillBand(c, row, d.colours[kRowsTop], d.colours[kRowsBottom]);
            }
        }
        frame();
    }

    void frame() {
        const Colour pen = d.colours[kFrameLines];
        c.frameRect(l.table, pen, 2, false, 0);
        c.line({l.table.left, l.headerBand.bottom}, {l.table.right, l.headerBand.bottom}, pen, 2,
               PenStyle::Solid);
        for (int k = kCarColumn; k <= kFinishColumn; ++k)
            c.line({l.columnX[std::size_t(k)], l.table.top},
                   {l.columnX[std::size_t(k)], l.table.bottom}, pen, 2, PenStyle::Solid);
    }

    void headings() {
        const FontSpec font = scaledFont(d.fonts[kHeadingsFont], l.width);
        const int top = l.headerBand.top + (l.headerBand.height() - font.height) / 2;
        for (int k = 0; k < kBoardColumnsWithEnds; ++k) {
            const std::string_view text = tx(kHeadings[k]);
            const int left = l.columnX[std::size_t(k)];
            const int room = l.columnX[std::size_t(k + 1)] - left - 4;
            if (c.textWidth(text, font) <= room)
                c.text(left + 3, top, text, font, d.fontColours[kHeadingsFont], Align::Left, false,
                       0);
        }
    }

    void cellText(int row, int column, std::string_view text, bool highlight, Colour on) {
        const Rect cell = l.cell(row, column);
        if (highlight)
            c.fillRect({cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1}, on);
        const FontSpec font = columnFont(column);
        const int top = cell.top + (cell.height() - font.height) / 2;
        if (column == kCarColumn)
            c.text((cell.left + cell.right) / 2, top, text, font, columnColour(column),
                   Align::Centre, false, 0);
        else
            c.text(cell.left + (column == kNameColumn ? l.x(10) : l.x(6)), top, text, font,
                   columnColour(column), Align::Left, false, 0);
    }

    void rows() {
        const FontSpec posFont = scaledFont(d.fonts[kHeadingsFont], l.width);
        for (int i = 0; i < rowsShown(); ++i) {
            const BoardRow& r = p.rows[std::size_t(p.board.firstVisibleRow + i)];
            const Rect pos = l.cell(i, kPosColumn);
            c.text(pos.right - l.x(4), pos.top + (pos.height() - posFont.height) / 2,
                   r.position.view(), posFont, kBlack, Align::Right, false, 0);
            cellText(i, kCarColumn, r.carNumber.view(), r.justPassed,
                     d.colours[kJustPassedBackground]);
            cellText(i, kNameColumn, r.name.view(), false, 0);
            cellText(i, kLapsColumn, r.laps.view(), false, 0);
            cellText(i, kTotalColumn, r.totalTime.view(), false, 0);
            cellText(i, kGapLeaderColumn, r.gapToLeader.view(), false, 0);
            cellText(i, kGapPreviousColumn, r.gapToPrevious.view(), false, 0);
            cellText(i, kLastLapColumn, r.lastLap.view(), false, 0);
            const bool best = r.runBestHolder || r.newBestLap;
            cellText(i, kBestLapColumn, r.bestLap.view(), best && !r.bestLap.empty(),
                     d.colours[r.runBestHolder ? kRunBestBackground : kDriverBestBackground]);
            cellText(i, kTransponderColumn, r.transponder.view(), false, 0);
        }
    }

    void flags() {
        for (int i = 0; i < rowsShown(); ++i) {
            if (!p.rows[std::size_t(p.board.firstVisibleRow + i)].finished)
                continue;
            const Rect cell = l.cell(i, kFinishColumn);
            const int side = std::min(cell.width(), cell.height()) - 2;
            const int left = (cell.left + cell.right - side) / 2;
            c.bitmap({left, cell.top + 1, left + side, cell.top + 1 + side}, kFinishFlag, false);
        }
    }

    void clocks() {
        const RunSession& run = p.run;
        // The texts stand in the middle of their boxes, below the boxes' titles.
        const FontSpec big = arialFont(l.y(30), 700);
        const int y = (l.clockArea.top + l.y(22) + l.clockArea.bottom - big.height) / 2;
        c.text(l.x(185) + 200, y, run.durationText.view(), big, kBlack, Align::Left, false, 0);
        c.text(l.x(310) + 200, y, run.remainingText.view(), big, kClockGreen, Align::Left, false,
               0);
        c.text(l.x(435) + 200, y, run.elapsedText.view(), big, kClockRed, Align::Left, false, 0);
        const Rect& cd = l.countdownArea;
        const FontSpec huge = arialFont(l.y(40), 700);
        c.text((cd.left + cd.right) / 2, (cd.top + l.y(22) + cd.bottom - huge.height) / 2,
               run.countdownText.view(), huge, kBlack, Align::Centre, false, 0);
        if (run.restPeriod) {
            const FontSpec small = arialFont(l.y(22), 700);
            const Colour colour = run.restElapsed ? kClockRed : kClockGreen;
            const Rect& rest = l.restArea;
            c.text(rest.left + l.x(8), rest.top + l.y(6), run.restMinutesText.view(), small, colour,
                   Align::Left, false, 0);
            c.text(rest.left + l.x(80), rest.top + l.y(6), run.restRemainingText.view(), small,
                   colour, Align::Left, false, 0);
        }
    }

    void header() {
        const FontSpec font = scaledFont(d.fonts[kHeatTitleFont], l.width);
        c.fillRect(l.runHeader, d.colours[kHeatTitleBackground]);
        c.text(l.runHeader.left + l.x(10),
               l.runHeader.top + (l.runHeader.height() - font.height) / 2,
               readableSummary(p.run.header.view()), font, d.fontColours[kHeatTitleFont],
               Align::Left, false, 0);
    }

    void conflictBanner() {
        if (!p.board.conflict)
            return;
        // In the title band, above the table: the rows and their gaps stay readable. The text
        // shrinks until it fits the band.
        const std::string text = " " + std::string(p.board.conflictText.view()) + " ";
        FontSpec font = scaledFont(d.fonts[kConflictFont], l.width);
        font.height = std::min(font.height, l.title.height());
        const int room = l.title.width() - l.x(20);
        font = fittedFont(c, text, font, room);
        const int w = std::min(c.textWidth(text, font), room);
        const int x = (l.title.left + l.title.right - w) / 2;
        const int y = l.title.top + (l.title.height() - font.height) / 2;
        c.text(x, y, text, font, d.fontColours[kConflictFont], Align::Left, true,
               d.colours[kConflictBackground]);
    }
};

} // namespace

FontSpec scaledFont(const FontSpec& font, int windowWidth) {
    FontSpec f = font;
    f.height = std::max(1, font.height * windowWidth / 1600);
    return f;
}

void paintBoard(Canvas& canvas, const BoardLayout& layout, const Program& p) {
    Painter painter{canvas, layout, p, p.display};
    painter.background();
    painter.bands();
    painter.headings();
    painter.rows();
    painter.flags();
    painter.clocks();
    painter.header();
    painter.conflictBanner();
}

} // namespace racedesk
