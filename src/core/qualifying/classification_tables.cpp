#include "core/qualifying/classification_tables.h"

#include "core/qualifying/classification_format.h"
#include "core/qualifying/round_classification.h"

#include <algorithm>
#include <array>
#include <span>

namespace racedesk {
namespace {

constexpr Colour kColumnRule = rgb(160, 160, 160);
constexpr int kTextInset = 4;
constexpr int kTagWidth = 24; // the room a round's "(n)" takes at the right of its cell

int textX(const ScreenTable& t, const ScreenColumn& c) {
    switch (c.align) {
    case Align::Left:
        return t.left + c.left + kTextInset;
    case Align::Centre:
        return t.left + c.left + c.width / 2;
    case Align::Right:
        return t.left + c.left + c.width - kTextInset;
    }
    return t.left + c.left;
}

FontSpec tagFont() {
    return arialFont(13);
}

// A value with the round it comes from: the value ends where the round's "(n)" begins.
void taggedCell(Canvas& canvas, const ScreenTable& t, const ScreenColumn& c, int y,
                std::string_view value, int round) {
    const int tagLeft = t.left + c.left + c.width - kTagWidth;
    canvas.text(tagLeft - 2, y, value, tableRowFont(), kBlack, Align::Right, false, kWhite);
    const std::string tag = roundTag(round);
    if (!tag.empty())
        canvas.text(tagLeft, y + 3, tag, tagFont(), kBlack, Align::Left, false, kWhite);
}

void paintWarning(Canvas& canvas, const ScreenTable& t, ClassificationText pattern, int missing) {
    if (missing > 0)
        canvas.text(t.left, t.bottom() + 8, formatted(pattern, missing), tableHeaderFont(),
                    kClassificationWarning, Align::Left, false, kWhite);
}

// Round: place, name, laps, total time, best lap, points.
enum RoundColumn { RPlace, RName, RLaps, RTotal, RBest, RPoints };
constexpr std::array<ScreenColumn, 6> kRoundColumns = {{{0, 50, Align::Centre},
                                                        {50, 250, Align::Left},
                                                        {300, 60, Align::Centre},
                                                        {360, 110, Align::Centre},
                                                        {470, 110, Align::Centre},
                                                        {580, 60, Align::Centre}}};
constexpr std::array<ClassificationText, 6> kRoundHeaders = {
    ClassificationText::ColumnPlace,   ClassificationText::ColumnName,
    ClassificationText::ColumnLaps,    ClassificationText::ColumnTotalTime,
    ClassificationText::ColumnBestLap, ClassificationText::ColumnPoints};

// Overall: place, name, total, the five best rounds, laps and time of the best result, best lap.
enum OverallColumn { OPlace, OName, OTotal, OFirstBest, OLaps = OFirstBest + 5, OTime, OBestLap };
constexpr int kShownBestRounds = 5;
constexpr std::array<ScreenColumn, 11> kOverallColumns = {{{0, 50, Align::Centre},
                                                           {50, 220, Align::Left},
                                                           {270, 60, Align::Centre},
                                                           {330, 50, Align::Left, false},
                                                           {380, 50, Align::Left, true},
                                                           {430, 50, Align::Left, true},
                                                           {480, 50, Align::Left, true},
                                                           {530, 50, Align::Left, true},
                                                           {580, 50, Align::Centre},
                                                           {630, 120, Align::Left},
                                                           {750, 110, Align::Left}}};
constexpr std::array<ClassificationText, kShownBestRounds> kBestRoundHeaders = {
    ClassificationText::ColumnBest, ClassificationText::ColumnSecond,
    ClassificationText::ColumnThird, ClassificationText::ColumnFourth,
    ClassificationText::ColumnFifth};

void paintRoundHeaders(Canvas& canvas, const ScreenTable& t) {
    for (std::size_t i = 0; i < kRoundColumns.size(); ++i)
        paintTableCell(canvas, t, kRoundColumns[i], t.headerTop() + 3, tx(kRoundHeaders[i]),
                       tableHeaderFont());
}

void paintRoundRow(Canvas& canvas, const ScreenTable& t, int y, int place, const RoundEntry& e) {
    paintTableCell(canvas, t, kRoundColumns[RPlace], y, numberText(place));
    if (e.name.empty())
        return;
    paintTableCell(canvas, t, kRoundColumns[RName], y, e.name.view());
    paintTableCell(canvas, t, kRoundColumns[RLaps], y, numberText(e.laps));
    paintTableCell(canvas, t, kRoundColumns[RTotal], y, fullTimeText(e.totalTime));
    paintTableCell(canvas, t, kRoundColumns[RBest], y, fullTimeText(e.bestLap));
    paintTableCell(canvas, t, kRoundColumns[RPoints], y, numberText(e.points));
}

void paintOverallHeaders(Canvas& canvas, const ScreenTable& t) {
    const int single = t.headerTop() + t.headerHeight / 2 - 9;
    const int upper = t.headerTop() + 2;
    const int lower = t.headerTop() + t.headerHeight / 2 + 1;
    const FontSpec font = tableHeaderFont();
    paintTableCell(canvas, t, kOverallColumns[OPlace], single, tx(ClassificationText::ColumnPlace),
                   font);
    paintTableCell(canvas, t, kOverallColumns[OName], single, tx(ClassificationText::ColumnName),
                   font);
    paintTableCell(canvas, t, kOverallColumns[OTotal], single, tx(ClassificationText::ColumnPoints),
                   font);
    const ScreenColumn group{kOverallColumns[OFirstBest].left, 50 * kShownBestRounds,
                             Align::Centre};
    paintTableCell(canvas, t, group, upper, tx(ClassificationText::ColumnFiveBest), font);
    for (int i = 0; i < kShownBestRounds; ++i) {
        const ScreenColumn& c = kOverallColumns[std::size_t(OFirstBest + i)];
        paintTableCell(canvas, t, {c.left, c.width, Align::Centre}, lower,
                       tx(kBestRoundHeaders[std::size_t(i)]), font);
    }
    paintTableCell(canvas, t, kOverallColumns[OLaps], single, tx(ClassificationText::ColumnLaps),
                   font);
    paintTableCell(canvas, t, kOverallColumns[OTime], single,
                   tx(ClassificationText::ColumnTotalTime), font);
    paintTableCell(canvas, t, kOverallColumns[OBestLap], single,
                   tx(ClassificationText::ColumnBestLap), font);
}

void paintOverallRow(Canvas& canvas, const ScreenTable& t, int y, int place,
                     const OverallEntry& e) {
    paintTableCell(canvas, t, kOverallColumns[OPlace], y, numberText(place));
    paintTableCell(canvas, t, kOverallColumns[OName], y, e.name.view());
    paintTableCell(canvas, t, kOverallColumns[OTotal], y, numberText(e.totalPoints));
    for (int i = 0; i < kShownBestRounds; ++i) {
        const RoundPoints& points = e.points[std::size_t(i)];
        if (points.points != 0)
            taggedCell(canvas, t, kOverallColumns[std::size_t(OFirstBest + i)], y,
                       numberText(points.points), points.round);
    }
    const RoundResult& result = e.results[0];
    if (result.round != 0) {
        paintTableCell(canvas, t, kOverallColumns[OLaps], y, numberText(result.laps));
        taggedCell(canvas, t, kOverallColumns[OTime], y, fullTimeText(result.totalTime),
                   result.round);
    }
    const RoundBestLap& lap = e.bestLaps[0];
    if (lap.round != 0)
        taggedCell(canvas, t, kOverallColumns[OBestLap], y, fullTimeText(lap.bestLap), lap.round);
}

} // namespace

FontSpec tableTitleFont() {
    return arialFont(20, 700);
}
FontSpec tableHeaderFont() {
    return arialFont(16, 700);
}
FontSpec tableRowFont() {
    return arialFont(16);
}

void paintTableCell(Canvas& canvas, const ScreenTable& t, const ScreenColumn& c, int y,
                    std::string_view text, const FontSpec& font) {
    if (!text.empty())
        canvas.text(textX(t, c), y, text, font, kBlack, c.align, false, kWhite);
}

void paintTableFrame(Canvas& canvas, const ScreenTable& t, std::span<const ScreenColumn> columns,
                     std::string_view title) {
    canvas.fillRect({t.left, t.headerTop(), t.right(), t.rowsTop()}, kClassificationHeaderBand);
    canvas.fillRect({t.left, t.rowsTop(), t.right(), t.bottom()}, kClassificationRows);
    canvas.text(t.left, t.top + 4, title, tableTitleFont(), kBlack, Align::Left, true,
                kClassificationTitleBand);
    for (const ScreenColumn& c : columns.subspan(1)) {
        const int top = c.subColumn ? t.headerTop() + t.headerHeight / 2 : t.headerTop();
        canvas.line({t.left + c.left, top}, {t.left + c.left, t.bottom()}, kColumnRule, 1,
                    PenStyle::Solid);
    }
    canvas.line({t.left, t.rowsTop()}, {t.right(), t.rowsTop()}, kBlack, 1, PenStyle::Solid);
    canvas.frameRect({t.left, t.headerTop(), t.right(), t.bottom()}, kBlack, 1, false, kWhite);
}

int tableRowTextTop(const ScreenTable& t, int row) {
    return t.rowsTop() + t.rowHeight * row + 2;
}

int firstVisibleRow(int firstRow, int rows) {
    return std::clamp(firstRow, 0, lastFirstRow(rows));
}

ScreenTable roundScreenTable() {
    ScreenTable t;
    t.top = 170;
    t.width = 640;
    return t;
}

ScreenTable overallScreenTable() {
    ScreenTable t;
    t.top = 180;
    t.width = 860;
    t.headerHeight = 40;
    return t;
}

int roundTableRows(const RoundClassificationState& state) {
    return std::clamp(state.context.entry.participants, 0, kMaxRoundEntries);
}

int overallTableRows(const OverallClassificationState& state) {
    return state.standing.count;
}

int lastFirstRow(int rows) {
    return std::max(0, rows - kClassificationVisibleRows);
}

void paintRoundDialog(Canvas& canvas, const RoundClassificationState& state, int firstRow,
                      const Rect& client) {
    canvas.fillRect(client, kClassificationBackground);
    const ScreenTable t = roundScreenTable();
    paintTableFrame(canvas, t, kRoundColumns,
                    formatted(ClassificationText::RoundTableTitle, state.context.entry.name.view(),
                              state.round));
    paintRoundHeaders(canvas, t);
    const int rows = roundTableRows(state);
    const int first = firstVisibleRow(firstRow, rows);
    for (int r = 0; r < kClassificationVisibleRows && first + r < rows; ++r)
        paintRoundRow(canvas, t, tableRowTextTop(t, r), first + r + 1,
                      state.classification.entries[std::size_t(first + r)]);
    paintWarning(canvas, t, ClassificationText::RoundIncomplete,
                 driversNotRun(state.classification, state.context.entry.participants));
}

void paintOverallDialog(Canvas& canvas, const OverallClassificationState& state, int firstRow,
                        const Rect& client) {
    canvas.fillRect(client, kClassificationBackground);
    const ScreenTable t = overallScreenTable();
    paintTableFrame(
        canvas, t, kOverallColumns,
        formatted(ClassificationText::OverallTableTitle, state.context.entry.name.view(), 0));
    paintOverallHeaders(canvas, t);
    const int rows = overallTableRows(state);
    const int first = firstVisibleRow(firstRow, rows);
    for (int r = 0; r < kClassificationVisibleRows && first + r < rows; ++r)
        paintOverallRow(canvas, t, tableRowTextTop(t, r), first + r + 1,
                        state.standing.entries[std::size_t(first + r)]);
    paintWarning(canvas, t, ClassificationText::NoResults,
                 driversWithoutResults(state.standing, state.context.entry.participants));
}

} // namespace racedesk
