#include "gui/driver_analysis_dialog.h"

#include "core/app/program.h"
#include "core/reports/analysis_printout.h"
#include "core/reports/analysis_texts.h"
#include "core/reports/analysis_views.h"
#include "core/reports/curve_view.h"
#include "core/reports/lap_detail.h"
#include "gui/dialog_look.h"
#include "gui/pointer_panel.h"
#include "platform/qt_printing.h"
#include "platform/qt_text.h"

#include <QButtonGroup>
#include <QDialog>
#include <QGroupBox>
#include <QIcon>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace racedesk {
namespace {

constexpr int kWidth = 680;
constexpr int kHeight = 530;
constexpr int kRangeDigits = 3;
constexpr int kViewButtons[] = {6501, 6502, 6503};
constexpr AnalysisText kViewNames[] = {AnalysisText::ViewData, AnalysisText::ViewHistogram,
                                       AnalysisText::ViewCurve};

QString ui(AnalysisText id) {
    return QString::fromUtf8(textUtf8(id));
}

QLabel* addText(QWidget& parent, const QString& text, const QRect& where) {
    auto* label = new QLabel(text, &parent);
    place(label, 0, where);
    return label;
}

// What the dialog shows; it holds its copy of the run from opening to closing.
struct Analysis {
    DriverResult run;
    LapRange range;
    AnalysisView view = AnalysisView::Data;
    int scroll = 0;
    CurvePlot curve;
    int hoverLap = 0; // the curve's lap under the pointer, 0 for none
    Point pointer;

    void rangeChanged() {
        curve = curvePlot(run, range, {kViewArea.left, kViewArea.top});
        hoverLap = 0;
    }
    void paint(Canvas& canvas) const {
        paintTitleBand(canvas, run.name.view());
        paintAnalysisView(canvas, view, run, range);
        paintLapDetail(canvas, run, scroll);
        if (view == AnalysisView::Curve && hoverLap != 0)
            paintCurveHover(canvas, curve, hoverLap, pointer);
    }
    // True when what the pointer shows has changed.
    bool pointTo(Point at) {
        const int lap = view == AnalysisView::Curve ? curveLapAt(curve, at) : 0;
        const bool changed =
            lap != hoverLap || (lap != 0 && (at.x != pointer.x || at.y != pointer.y));
        hoverLap = lap;
        pointer = at;
        return changed;
    }
};

AnalysisView storedView(const Program& p) {
    return AnalysisView(std::clamp(p.analysisView, 0, 2));
}

LapScroll scrollOf(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        return LapScroll::LineLeft;
    case QAbstractSlider::SliderSingleStepAdd:
        return LapScroll::LineRight;
    case QAbstractSlider::SliderPageStepSub:
    case QAbstractSlider::SliderToMinimum:
        return LapScroll::PageLeft;
    case QAbstractSlider::SliderPageStepAdd:
    case QAbstractSlider::SliderToMaximum:
        return LapScroll::PageRight;
    default:
        return LapScroll::Thumb;
    }
}

class AnalysisDialog : public QDialog {
public:
    AnalysisDialog(Program& p, const DriverResult& run, QWidget* parent)
        : QDialog(parent), program_(p) {
        a_.run = run;
        a_.range = wholeRun(run);
        a_.view = storedView(p);
        a_.rangeChanged();
        setWindowTitle(ui(AnalysisText::Caption));
        setFixedSize(kWidth, kHeight);
        setFont(dialogFont());
        const QString folder = QString::fromStdString(p.workDir);
        panel_ = new PointerPanel(
            *this, folder, [this](Canvas& c) { a_.paint(c); },
            [this](int x, int y) {
                pointTo({x, y});
            },
            [this] {
                pointTo({-1, -1});
            });
        addHeadings();
        addViewButtons();
        addRangeEdits();
        addLapDetail();
        addButtons(folder);
    }

private:
    void addHeadings() {
        addText(*this, toQString(analysisTitleLine(a_.run)), {30, 76, 620, 20});
        shrinkToFit(addText(*this, toQString(analysisTrackLine(a_.run)), {30, 96, 620, 20}));
    }

    void addViewButtons() {
        auto* group = new QButtonGroup(this);
        for (int i = 0; i < 3; ++i) {
            auto* button = new QPushButton(ui(kViewNames[i]), this);
            place(button, kViewButtons[i], {30 + 105 * i, 118, 100, 26}, true);
            button->setCheckable(true);
            button->setChecked(int(a_.view) == i);
            group->addButton(button, i);
        }
        connect(group, &QButtonGroup::idClicked, this, [this](int id) {
            a_.view = AnalysisView(id);
            program_.analysisView = id;
            a_.pointTo(a_.pointer);
            panel_->update();
        });
    }

    QLineEdit* addRangeEdit(int id, const QRect& where, int lap) {
        auto* edit = new QLineEdit(QString::number(lap), this);
        place(edit, id, where);
        edit->setMaxLength(kRangeDigits);
        edit->setValidator(new QIntValidator(0, 999, edit));
        return edit;
    }

    void addRangeEdits() {
        addText(*this, ui(AnalysisText::FromLap), {355, 118, 95, 26});
        auto* first = addRangeEdit(6504, {450, 118, 45, 26}, a_.range.first);
        addText(*this, ui(AnalysisText::ToLap), {500, 118, 95, 26});
        auto* last = addRangeEdit(6505, {595, 118, 45, 26}, a_.range.last);
        connect(first, &QLineEdit::textChanged, this, [this, first](const QString& text) {
            takeLap(*first, enterFirstLap(text.toInt(), a_.run.laps), a_.range.first);
        });
        connect(last, &QLineEdit::textChanged, this, [this, last](const QString& text) {
            takeLap(*last, enterLastLap(text.toInt(), a_.run.laps), a_.range.last);
        });
    }

    void takeLap(QLineEdit& edit, LapEntry entry, int& lap) {
        lap = entry.lap;
        if (entry.rewrite) {
            const QSignalBlocker quiet(&edit);
            edit.setText(QString::number(entry.lap));
        }
        a_.rangeChanged();
        panel_->update();
    }

    void addLapDetail() {
        auto* group = new QGroupBox(ui(AnalysisText::LapDetail), this);
        place(group, 0, {20, 350, 640, 112}, true);
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto* bar = new QScrollBar(Qt::Horizontal, this);
        place(bar, 6511, {60, 438, 560, 17});
        bar->setRange(0, lapScrollMaximum(a_.run.laps));
        bar->setPageStep(kLapsShown);
        bar->setVisible(lapScrollShown(a_.run.laps));
        connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar](int action) {
            bar->setSliderPosition(
                scrollLaps(bar->value(), scrollOf(action), bar->sliderPosition(), a_.run.laps));
        });
        connect(bar, &QAbstractSlider::valueChanged, this, [this](int position) {
            a_.scroll = position;
            panel_->update();
        });
    }

    void addButtons(const QString& folder) {
        auto* print = addButton(*this, 6510, uiText(Text::ButtonPrint), {420, 480, 110, 36});
        print->setIcon(printIcon(folder));
        connect(print, &QPushButton::clicked, this, [this, folder] {
            QtPrinter printer(this, folder, program_.io.clock);
            printer.print(analysisPrintout(a_.run, a_.range));
        });
        auto* ok = addButton(*this, 1, uiText(Text::ButtonOk), {540, 480, 110, 36});
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }

    void pointTo(Point at) {
        if (a_.pointTo(at))
            panel_->update();
    }

    Program& program_;
    Analysis a_;
    PointerPanel* panel_ = nullptr;
};

} // namespace

void runDriverAnalysis(Program& p, QWidget* parent) {
    DriverResult run;
    if (!readDriverResult(p.path(kDriverResultFile), run))
        p.showError(tx(Text::ErrDriverResultFile));
    AnalysisDialog dialog(p, run, parent);
    dialog.exec();
}

} // namespace racedesk
