#include "gui/main_controls.h"

#include "core/common/texts.h"
#include "core/reports/export_texts.h"
#include "core/timing/board_layout.h"
#include "gui/export_button.h"
#include "platform/qt_text.h"

#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace racedesk {
namespace {

QString text(Text id) {
    return toQString(tx(id));
}

QFont boldArial() {
    QFont f("Arial");
    f.setPixelSize(16);
    f.setWeight(QFont::Bold);
    return f;
}

template <typename W> W* named(W* widget, int id) {
    widget->setObjectName(QString::number(id));
    return widget;
}

QPushButton* imageButton(QWidget* parent, int id, Text label, const QString& icon) {
    auto* b = named(new QPushButton(parent), id);
    b->setIcon(QIcon(icon));
    b->setToolTip(text(label));
    b->setAccessibleName(text(label));
    return b;
}

QLineEdit* label(QWidget* parent, int id, Text t) {
    auto* e = named(new QLineEdit(text(t), parent), id);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignCenter);
    e->setFrame(false);
    e->setFocusPolicy(Qt::NoFocus);
    e->setFont(boldArial());
    return e;
}

QGroupBox* group(QWidget* parent, int id, Text t) {
    auto* g = id != 0 ? named(new QGroupBox(text(t), parent), id) : new QGroupBox(parent);
    g->setFont(boldArial());
    return g;
}

// A radio keeps its whole text: its bold font steps down until the text fits the width.
void fitRadio(QRadioButton* radio, const QRect& place) {
    QFont font = boldArial();
    radio->setFont(font);
    while (radio->sizeHint().width() > place.width() && font.pixelSize() > 10) {
        font.setPixelSize(font.pixelSize() - 1);
        radio->setFont(font);
    }
    radio->setGeometry(place);
}

} // namespace

MainControls createMainControls(QWidget* board, const QString& iconsFolder) {
    const QDir icons(iconsFolder);
    MainControls c;
    c.tree = named(new QTreeWidget(board), 4000);
    c.tree->setHeaderHidden(true);
    c.start = imageButton(board, 2001, Text::ButtonStart, icons.filePath("start.png"));
    c.stop = imageButton(board, 2002, Text::ButtonStop, icons.filePath("stop.png"));
    c.clear = imageButton(board, 2003, Text::ButtonClear, icons.filePath("clear.png"));
    c.startLabel = label(board, 2004, Text::LabelStart);
    c.stopLabel = label(board, 2005, Text::LabelStop);
    c.clearLabel = label(board, 2006, Text::LabelClear);
    c.results = imageButton(board, 6101, Text::ButtonResults, icons.filePath("results.png"));
    c.print = imageButton(board, 6000, Text::ButtonPrint, icons.filePath("print.png"));
    c.exportTable = named(new QPushButton(QString::fromUtf8(textUtf8(ExportText::Button)), board),
                          kExportButtonId);
    c.exportTable->setFont(boldArial());
    c.carFrame = group(board, 0, Text::Count);
    for (int i = 1; i <= 20; ++i) {
        auto* b = named(new QPushButton(QString::number(i), board), 2200 + i);
        b->setFont(boldArial());
        c.cars.push_back(b);
    }
    c.clockGroup = group(board, 2221, Text::GroupClock);
    c.countdownGroup = group(board, 2222, Text::GroupCountdown);
    c.modeGroup = group(board, 2223, Text::GroupTransponderMode);
    c.personal = named(new QRadioButton(text(Text::RadioPersonalChips), c.modeGroup), 2101);
    c.club = named(new QRadioButton(text(Text::RadioClubChips), c.modeGroup), 2102);
    c.mixed = named(new QRadioButton(text(Text::RadioMixedScan), c.modeGroup), 2103);
    c.packs = named(new QComboBox(c.modeGroup), 2104);
    c.packs->setToolTip(text(Text::ListTransponderPacks));
    c.scan = named(new QPushButton(text(Text::ButtonScan), c.modeGroup), 2105);
    c.scan->setCheckable(true);
    c.scanStatus = named(new QLineEdit(c.modeGroup), 2106);
    c.scanStatus->setReadOnly(true);
    for (QWidget* w : {static_cast<QWidget*>(c.personal), static_cast<QWidget*>(c.club),
                       static_cast<QWidget*>(c.mixed), static_cast<QWidget*>(c.packs),
                       static_cast<QWidget*>(c.scan), static_cast<QWidget*>(c.scanStatus)})
        w->setFont(boldArial());
    c.personal->setChecked(true);
    return c;
}

void layoutMainControls(const MainControls& c, int W, int H, const BoardLayout& board) {
    c.tree->setGeometry(10, 54, 190, H - 80);
    const int x0 = (W * 42 - 8400) / 100;
    const int buttonY = H * 40 / 900;
    const int buttonH = H / 20;
    const int labelY = H * 86 / 900;
    const int iconSide = std::max(16, buttonH - 10);
    QPushButton* runButtons[] = {c.start, c.stop, c.clear};
    QLineEdit* labels[] = {c.startLabel, c.stopLabel, c.clearLabel};
    for (int i = 0; i < 3; ++i) {
        runButtons[i]->setGeometry(x0 + 100 * (i + 1), buttonY, 80, buttonH);
        runButtons[i]->setIconSize(QSize(iconSide, iconSide));
        labels[i]->setGeometry(x0 + 100 * (i + 1) + 5, labelY, 70, 20);
    }
    c.results->setGeometry(x0 + 420, buttonY, 40, 40);
    c.print->setGeometry(x0 + 470, buttonY, 40, 40);
    for (QPushButton* b : {c.results, c.print})
        b->setIconSize(QSize(30, 30));
    c.exportTable->setGeometry(x0 + 520, buttonY, 100, 40);

    const int carW = W / 40;
    const int carH = H / 45;
    const int gap = W * 50 / 1600;
    const int centre = kTreeRight + (W - kTreeRight) / 2;
    const int firstLeft = centre - (19 * gap + carW) / 2;
    const int carY = H * 625 / 900;
    for (int i = 0; i < c.cars.size(); ++i)
        c.cars[i]->setGeometry(firstLeft + i * gap, carY, carW, carH);
    c.carFrame->setGeometry(firstLeft - 10, carY - 12, 19 * gap + carW + 20, carH + 20);

    auto place = [](QWidget* w, const Rect& r) {
        w->setGeometry(r.left, r.top, r.width(), r.height());
    };
    place(c.clockGroup, board.clockArea);
    place(c.countdownGroup, board.countdownArea);
    const Rect mode{board.x(1020) + 200, board.y(680), W - 12, board.y(870)};
    place(c.modeGroup, mode);
    const int rowH = std::max(22, mode.height() / 6);
    const int inner = mode.width() - 20;
    // The radios take three fifths: their texts are longer than the pack names beside them.
    const int radioW = inner * 3 / 5;
    const int rightW = inner - radioW;
    fitRadio(c.personal, {10, rowH, radioW, rowH});
    fitRadio(c.club, {10, 2 * rowH, radioW, rowH});
    fitRadio(c.mixed, {10, 3 * rowH, radioW, rowH});
    c.packs->setGeometry(10 + radioW, rowH, rightW, rowH);
    c.scan->setGeometry(10 + radioW, 3 * rowH, rightW / 2, rowH);
    c.scanStatus->setGeometry(10 + radioW + rightW / 2, 3 * rowH, rightW - rightW / 2, rowH);
    // The clock and countdown texts are painted by the board inside these boxes.
    for (QGroupBox* g : {c.clockGroup, c.countdownGroup, c.carFrame})
        g->lower();
}

} // namespace racedesk
