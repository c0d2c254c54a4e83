#include "gui/starting_grids_dialog.h"

#include "core/app/program.h"
#include "core/qualifying/starting_grid_rules.h"
#include "gui/composition_look.h"
#include "gui/dialog_look.h"
#include "platform/qt_text.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

namespace racedesk {
namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 420;
constexpr int kFirstRowTop = 20;
constexpr int kRowStep = 38;

QString roundLabel(int round) {
    char text[32];
    std::snprintf(text, sizeof text, textUtf8(CompositionText::GridRound), round);
    return QString::fromUtf8(text);
}

class GridsWindow {
public:
    GridsWindow(Program& program, QWidget* parent, int category)
        : p_(program), d_(openGridsDialog(program, category)), dialog_(parent) {
        build();
    }

    void run() {
        if (dialog_.exec() != QDialog::Accepted)
            closeGridsWithoutOk(p_, d_);
    }

private:
    void build() {
        dialog_.setWindowTitle(uiText(CompositionText::GridsCaption));
        dialog_.setFixedSize(kWidth, kHeight);
        dialog_.setFont(dialogFont());
        for (int round = 1; round <= kMaxRounds; ++round)
            addRoundField(round);
        auto* ok = addButton(dialog_, 1, uiText(CompositionText::GridsOk), {290, 370, 110, 34});
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, [this] {
            if (validateGrids(p_, d_))
                dialog_.accept();
        });
    }

    void addRoundField(int round) {
        const int top = kFirstRowTop + kRowStep * (round - 1);
        auto* label = new QLabel(roundLabel(round), &dialog_);
        place(label, 0, {20, top + 2, 120, 26});
        auto* edit = new QLineEdit(toQString(d_.fields[std::size_t(round - 1)].view()), &dialog_);
        place(edit, kFirstGridField + round - 1, {140, top, 260, 30});
        edit->setMaxLength(d_.driversPerHeat);
        setReadOnlyLook(edit, !gridFieldEditable(d_, round));
        const bool shown = gridFieldShown(d_, round);
        label->setVisible(shown);
        edit->setVisible(shown);
        QObject::connect(edit, &QLineEdit::textEdited, [this, edit, round](const QString& text) {
            const std::string kept = limitedGridField(fromQString(text), d_.driversPerHeat);
            if (toQString(kept) != text)
                edit->setText(toQString(kept));
            d_.fields[std::size_t(round - 1)] = kept;
        });
    }

    Program& p_;
    GridsDialog d_;
    QDialog dialog_;
};

} // namespace

void runStartingGridsDialog(Program& program, QWidget* parent, int category) {
    GridsWindow(program, parent, category).run();
}

} // namespace racedesk
