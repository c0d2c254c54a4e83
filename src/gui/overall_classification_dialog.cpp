#include "gui/overall_classification_dialog.h"

#include "core/app/program.h"
#include "core/qualifying/classification_printouts.h"
#include "core/qualifying/classification_storage.h"
#include "gui/classification_look.h"
#include "gui/export_button.h"
#include "gui/painted_panel.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include <memory>
#include <vector>

namespace racedesk {
namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 722;

class OverallClassificationDialog {
public:
    OverallClassificationDialog(Program& program, std::unique_ptr<OverallClassificationState> state,
                                QWidget* parent)
        : p_(program), s_(std::move(state)), dialog_(parent) {
        build();
    }

    void run() { dialog_.exec(); }

private:
    QString folder() const { return QString::fromStdString(p_.workDir); }

    void build() {
        dialog_.setWindowTitle(uiText(ClassificationText::OverallCaption));
        dialog_.setFixedSize(kWidth, kHeight);
        dialog_.setFont(dialogFont());
        panel_ = new PaintedPanel(dialog_, folder(), [this](Canvas& canvas) {
            paintOverallDialog(canvas, *s_, firstRow_, {0, 0, kWidth, kHeight});
        });
        buildCriteria();
        auto* printButton = addPrintButton(dialog_, 4804, folder(), {730, 20, 48, 48});
        QObject::connect(printButton, &QPushButton::clicked, [this] { print(); });
        addExportButton(dialog_, {716, 74, 120, 32}, p_,
                        [this] { return overallClassificationPrintout(*s_); });
        addTableScrollBar(dialog_, 4805, overallScreenTable(), overallTableRows(*s_),
                          [this](int firstRow) {
                              firstRow_ = firstRow;
                              panel_->update();
                          });
        buildButtons();
    }

    void buildCriteria() {
        addControl<QGroupBox>(dialog_, 0, ClassificationText::OverallGroup, {10, 10, 700, 158},
                              true)
            ->setAttribute(Qt::WA_TransparentForMouseEvents);
        addControl<QLabel>(dialog_, 0, ClassificationText::CriterionOne, {22, 36, 300, 26});
        auto* bestRounds = new QLineEdit(&dialog_);
        place(bestRounds, 4801, {322, 35, 30, 28});
        bestRounds->setMaxLength(1);
        bestRounds->setValidator(
            new QRegularExpressionValidator(QRegularExpression("[0-9]?"), bestRounds));
        bestRounds->setText(QString::number(s_->standing.bestRounds));
        QObject::connect(bestRounds, &QLineEdit::textChanged, [this](const QString& text) {
            setBestRounds(s_->standing, text.toInt());
            panel_->update();
        });
        addControl<QLabel>(dialog_, 0, ClassificationText::CriterionOneEnd, {360, 36, 250, 26});
        addControl<QLabel>(dialog_, 0, ClassificationText::CriterionTwo, {22, 68, 600, 26});
        addControl<QLabel>(dialog_, 0, ClassificationText::CriterionThree, {22, 98, 600, 26});
        addControl<QLabel>(dialog_, 0, ClassificationText::CriterionFour, {22, 128, 240, 26});
        auto* byLaps = addControl<QRadioButton>(
            dialog_, 4802, ClassificationText::TieBreakLapsAndTime, {262, 128, 230, 26});
        auto* byBest = addControl<QRadioButton>(dialog_, 4803, ClassificationText::TieBreakBestLap,
                                                {500, 128, 200, 26});
        (s_->standing.tieBreak == RankingMode::BestLap ? byBest : byLaps)->setChecked(true);
        QObject::connect(byLaps, &QRadioButton::clicked,
                         [this] { tieBreak(RankingMode::LapsThenTime); });
        QObject::connect(byBest, &QRadioButton::clicked,
                         [this] { tieBreak(RankingMode::BestLap); });
        editable_ = {bestRounds, byLaps, byBest};
    }

    void buildButtons() {
        addClassificationButtons(dialog_, {660, 680, 110, 32}, editable_, s_->context.readOnly(),
                                 [this] { confirmOverallClassification(p_, *s_); });
    }

    void tieBreak(RankingMode mode) {
        setTieBreak(s_->standing, mode);
        panel_->update();
    }

    void print() {
        printClassification(dialog_, folder(), p_.io.clock, overallClassificationPrintout(*s_));
    }

    Program& p_;
    std::unique_ptr<OverallClassificationState> s_;
    QDialog dialog_;
    PaintedPanel* panel_ = nullptr;
    std::vector<QWidget*> editable_; // disabled once a final has results
    int firstRow_ = 0;
};

} // namespace

void runOverallClassificationDialog(Program& program, int category, QWidget* parent) {
    auto state = std::make_unique<OverallClassificationState>();
    if (!openOverallClassification(program, category, *state))
        return;
    OverallClassificationDialog(program, std::move(state), parent).run();
}

} // namespace racedesk
