#include "gui/detailed_results_dialog.h"

#include "core/app/program.h"
#include "core/common/texts.h"
#include "core/race/detail_results_file.h"
#include "core/race/detailed_results_view.h"
#include "core/race/run_results_texts.h"
#include "core/reports/detailed_results_table.h"
#include "gui/dialog_look.h"
#include "gui/export_button.h"
#include "gui/painted_panel.h"

#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <memory>

namespace racedesk {
namespace {

constexpr int kWidth = 990;
constexpr int kHeight = 680;

struct ViewChoice {
    int id;
    RunResultsText text;
    DetailView view;
    QRect where;
};

const ViewChoice kViews[] = {
    {6301, RunResultsText::PassingTimes, DetailView::PassingTimes, {260, 12, 190, 26}},
    {6302, RunResultsText::LapTimes, DetailView::LapTimes, {460, 12, 190, 26}},
    {6303, RunResultsText::Positions, DetailView::Positions, {660, 12, 280, 26}}};

QString uiText(RunResultsText id) {
    return QString::fromUtf8(textUtf8(id));
}

// What the dialog shows and where its scroll bars stand.
struct DetailState {
    std::unique_ptr<DetailedResults> results = std::make_unique<DetailedResults>();
    DetailView view = DetailView::PassingTimes;
    QScrollBar* vertical = nullptr;
    QScrollBar* horizontal = nullptr;
    QPushButton* exportButton = nullptr; // the tables only: the chart is no table
};

QScrollBar* addScrollBar(QDialog& dialog, Qt::Orientation orientation, int id, const QRect& where) {
    auto* bar = new QScrollBar(orientation, &dialog);
    place(bar, id, where);
    bar->setPageStep(orientation == Qt::Vertical ? kDetailTableRows : kDetailTableColumns);
    return bar;
}

// The ranges follow the view: the tables scroll through cars across, the chart through laps.
void setView(DetailState& s, DetailView view) {
    s.view = view;
    s.horizontal->setRange(0, detailHorizontalRange(*s.results, view));
    s.vertical->setRange(0, detailVerticalRange(*s.results));
    s.vertical->setEnabled(view != DetailView::Positions);
    s.exportButton->setEnabled(view != DetailView::Positions);
}

// The dialog's own part: it reads the file at opening.
void showDialog(Program& p, QWidget* parent) {
    DetailState s;
    {
        auto slots = std::make_unique<CarSlots>();
        RankingMode mode = RankingMode::LapsThenTime;
        if (!readDetailResults(p.path(kDetailResultsFile), mode, *slots))
            p.showError(tx(Text::ErrDetailedResultsFile));
        buildDetailedResults(mode, *slots, *s.results);
    }

    QDialog dialog(parent);
    dialog.setObjectName("SERIERESULTATS");
    dialog.setWindowTitle(uiText(RunResultsText::DetailedCaption));
    dialog.setFixedSize(kWidth, kHeight);
    dialog.setFont(dialogFont());
    auto* panel = new PaintedPanel(dialog, QString::fromStdString(p.workDir), [&s](Canvas& c) {
        paintDetailedResults(c, *s.results, s.view, s.vertical->value(), s.horizontal->value());
    });
    s.vertical = addScrollBar(dialog, Qt::Vertical, 6304,
                              {kChartPanel.right + 4, kChartPanel.top, 18, kChartPanel.height()});
    s.horizontal =
        addScrollBar(dialog, Qt::Horizontal, 6305,
                     {kChartPanel.left, kChartPanel.bottom + 4, kChartPanel.width(), 18});
    for (QScrollBar* bar : {s.vertical, s.horizontal})
        QObject::connect(bar, &QScrollBar::valueChanged, panel, [panel] { panel->update(); });
    for (const ViewChoice& choice : kViews) {
        auto* radio = new QRadioButton(uiText(choice.text), &dialog);
        place(radio, choice.id, choice.where);
        radio->setChecked(choice.view == DetailView::PassingTimes);
        const DetailView view = choice.view;
        QObject::connect(radio, &QRadioButton::clicked, panel, [&s, panel, view] {
            setView(s, view);
            panel->update();
        });
    }
    s.exportButton = addExportButton(dialog, {kWidth - 240, kHeight - 44, 110, 32}, p, [&s, &p] {
        return detailedResultsTable(*s.results, s.view, p.loaded.runTitle.view());
    });
    setView(s, DetailView::PassingTimes);
    auto* ok = addButton(dialog, 1, Text::ButtonOk, {kWidth - 120, kHeight - 44, 100, 32});
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.exec();
}

} // namespace

void runDetailedResultsDialog(Program& p, QWidget* parent) {
    if (!writeDetailResults(p.path(kDetailResultsFile), p.run.ranking, p.slots))
        p.showError(tx(Text::ErrDetailedResultsFile));
    showDialog(p, parent);
}

} // namespace racedesk
