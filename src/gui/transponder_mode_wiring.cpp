#include "gui/transponder_mode_wiring.h"

#include "core/app/program.h"
#include "core/timing/board_layout.h"
#include "core/timing/scan_check.h"
#include "core/timing/transponder_modes.h"
#include "gui/board_widget.h"
#include "gui/main_window.h"
#include "platform/qt_text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace racedesk {
namespace {

class TransponderModeWiring : public QObject {
public:
    TransponderModeWiring(MainWindow& window, Program& program)
        : QObject(&window), window_(window), program_(program) {}

    void connectAll() {
        const MainControls& c = window_.controls();
        connectMode(c.personal, TransponderMode::Personal);
        connectMode(c.club, TransponderMode::Club);
        connectMode(c.mixed, TransponderMode::Mixed);
        connect(c.packs, &QComboBox::currentIndexChanged, this,
                [this](int index) { program_.scan.pack = index < 0 ? 0 : index; });
        connect(c.scan, &QPushButton::toggled, this, &TransponderModeWiring::scanToggled);
        BoardWidget* board = window_.board();
        connect(board, &BoardWidget::pressed, this, &TransponderModeWiring::closeDropDown);
        connect(board, &BoardWidget::cellPressed, this, &TransponderModeWiring::cellPressed);
        showModeControls();
    }

private:
    void connectMode(QRadioButton* radio, TransponderMode mode) {
        connect(radio, &QRadioButton::toggled, this, [this, mode](bool on) {
            if (!on)
                return;
            closeDropDown();
            setTransponderMode(program_, mode);
            showModeControls();
            window_.board()->update();
        });
    }

    void showModeControls() {
        const MainControls& c = window_.controls();
        const TransponderMode mode = program_.scan.mode;
        c.packs->setVisible(mode == TransponderMode::Club);
        c.scan->setVisible(mode == TransponderMode::Mixed);
        c.scanStatus->setVisible(mode == TransponderMode::Mixed);
        c.scanStatus->setText(toQString(scanStatusText(program_.scan.status)));
    }

    void scanToggled(bool down) {
        if (down == program_.scan.on)
            return;
        closeDropDown();
        if (!down) {
            releaseScan(program_);
            return;
        }
        if (!pressScan(program_))
            window_.scanChanged();
    }

    void cellPressed(QPoint at, Qt::KeyboardModifiers modifiers) {
        const BoardLayout& layout = window_.board()->layout();
        const int visibleRow = rowAt(layout, at.y());
        const int row = program_.board.firstVisibleRow + visibleRow;
        if (modifiers != Qt::NoModifier || program_.scan.mode != TransponderMode::Club ||
            program_.scan.on || visibleRow < 0 || row >= program_.entryCount ||
            columnAt(layout, at.x()) != kTransponderColumn)
            return;
        openDropDown(visibleRow, row);
    }

    void openDropDown(int visibleRow, int row) {
        const TransponderPack& pack = program_.packs[std::size_t(program_.scan.pack)];
        auto* list = new QComboBox(window_.board());
        list->setObjectName("2107");
        for (const FixedText<7>& typed : pack.transponders)
            list->addItem(toQString(typed.view()));
        list->setCurrentIndex(
            packIndexOf(pack, program_.rows[std::size_t(row)].transponder.view()));
        const Rect cell = window_.board()->layout().cell(visibleRow, kTransponderColumn);
        list->setGeometry(cell.left, cell.top, cell.width(), std::max(cell.height(), 22));
        connect(list, &QComboBox::activated, this, [this, row](int index) {
            giveClubTransponder(program_, row, index);
            closeDropDown();
            window_.board()->update();
        });
        dropDown_ = list;
        list->show();
        list->showPopup();
    }

    void closeDropDown() {
        if (dropDown_ != nullptr) {
            dropDown_->hide();
            dropDown_->deleteLater();
        }
        dropDown_ = nullptr;
    }

    MainWindow& window_;
    Program& program_;
    QPointer<QComboBox> dropDown_;
};

} // namespace

void wireTransponderModes(MainWindow& window, Program& program) {
    (new TransponderModeWiring(window, program))->connectAll();
}

} // namespace racedesk
