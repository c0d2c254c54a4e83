#include "gui/circuits_dialog.h"

#include "core/app/program.h"
#include "core/databases/circuits.h"
#include "gui/database_frame.h"
#include "gui/picture_area.h"
#include "gui/record_form.h"

#include <QPushButton>

namespace racedesk {
namespace {

constexpr FrameLayout kLayout{Text::DatabaseCircuitsCaption,
                              Text::DatabaseCircuitsTitle,
                              Text::DatabaseCircuitsHeader,
                              Text::DatabaseNew,
                              800,
                              520,
                              3001,
                              3005,
                              38,
                              true};

class CircuitsDialog {
public:
    CircuitsDialog(Program& program, QWidget* parent)
        : p_(program), frame_(parent, kLayout, nameTableOf(fileCircuits(table_), kCircuitNames)) {
        if (!readCircuits(p_.path(kCircuitsFile), table_))
            p_.showError(tx(Text::ErrCircuitsDatabase));
        build();
    }

    void run() { frame_.run(); }

private:
    CircuitRecord* current() {
        return frame_.selected() >= 0 ? &table_[std::size_t(frame_.selected())] : nullptr;
    }

    void build() {
        QDialog& d = frame_.dialog();
        form_.shown(d, 3006, {330, 51, 200, 28}, &CircuitRecord::name, true);
        addLabel(d, Text::DatabaseTown, {330, 88, 200, 22});
        form_.edit(d, 3007, {330, 110, 200, 28}, 38, &CircuitRecord::town);
        addLabel(d, Text::DatabaseLength, {330, 146, 200, 22});
        form_.number(d, 3008, {330, 168, 70, 28}, 4, &CircuitRecord::length);
        addLabel(d, Text::DatabaseMetres, {406, 171, 30, 22});

        addLabel(d, Text::DatabaseLapRecord, {330, 222, 205, 24});
        form_.shown(d, 3009, {541, 219, 120, 28}, &CircuitRecord::recordText);
        auto* clear = addButton(d, 3011, Text::DatabaseClear, {668, 218, 90, 30});
        QObject::connect(clear, &QPushButton::clicked, [this] {
            if (CircuitRecord* c = current())
                clearLapRecord(*c);
            form_.show();
        });
        addLabel(d, Text::DatabaseRecordHolder, {330, 258, 205, 24});
        form_.shown(d, 3010, {541, 255, 217, 28}, &CircuitRecord::recordHolder);
        addLabel(d, Text::DatabaseProtectionTime, {330, 296, 210, 24});
        form_.number(d, 3012, {541, 293, 60, 28}, 3, &CircuitRecord::protectionTime);
        addLabel(d, Text::DatabaseSeconds, {607, 296, 30, 22});

        picture_ = addRecordPicture<CircuitRecord>(d, {541, 51}, p_, [this] { return current(); });
        frame_.onSelection([this](int) {
            form_.show();
            picture_->update();
        });
        frame_.onOk([this] {
            if (!writeCircuits(p_.path(kCircuitsFile), table_))
                p_.showError(tx(Text::ErrCircuitsDatabase));
        });
    }

    Program& p_;
    CircuitTable table_;
    DatabaseFrame frame_;
    RecordForm<CircuitRecord> form_{[this] { return current(); }};
    PictureArea* picture_ = nullptr;
};

} // namespace

void runCircuitsDialog(Program& program, QWidget* parent) {
    CircuitsDialog(program, parent).run();
}

} // namespace racedesk
