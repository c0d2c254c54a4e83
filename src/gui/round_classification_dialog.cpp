#include "gui/round_classification_dialog.h"

#include "core/app/program.h"
#include "core/qualifying/classification_printouts.h"
#include "core/qualifying/classification_storage.h"
#include "core/qualifying/round_classification.h"
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

#include <array>
#include <memory>

namespace racedesk {
namespace {

constexpr int kWidth = 700;
constexpr int kHeight = 692;

struct PointField {
    int id;
    ClassificationText label;
    int PointsScale::*value;
    int digits;
};

// Two columns of three fields in the points group.
const std::array<PointField, 6> kPointFields = {{
    {4703, ClassificationText::FirstPlace, &PointsScale::first, 3},
    {4704, ClassificationText::GapFirstSecond, &PointsScale::gapFirstSecond, 2},
    {4705, ClassificationText::GapSecondThird, &PointsScale::gapSecondThird, 2},
    {4706, ClassificationText::GapThirdFourth, &PointsScale::gapThirdFourth, 2},
    {4707, ClassificationText::GapFourthFifth, &PointsScale::gapFourthFifth, 2},
    {4708, ClassificationText::GapFurther, &PointsScale::gapFurther, 2},
}};

QRect labelPlace(int field) {
    return {330 + 182 * (field / 3), 40 + 35 * (field % 3), 128, 28};
}

QRect editPlace(int field) {
    return labelPlace(field).translated(128, 0).adjusted(0, 0, -86, 0);
}

class RoundClassificationDialog {
public:
    RoundClassificationDialog(Program& program, std::unique_ptr<RoundClassificationState> state,
                              QWidget* parent)
        : p_(program), s_(std::move(state)), dialog_(parent) {
        build();
    }

    void run() { dialog_.exec(); }

private:
    int participants() const { return s_->context.entry.participants; }
    QString folder() const { return QString::fromStdString(p_.workDir); }

    void build() {
        dialog_.setWindowTitle(uiText(ClassificationText::RoundCaption));
        dialog_.setFixedSize(kWidth, kHeight);
        dialog_.setFont(dialogFont());
        panel_ = new PaintedPanel(dialog_, folder(), [this](Canvas& canvas) {
            paintRoundDialog(canvas, *s_, firstRow_, {0, 0, kWidth, kHeight});
        });
        buildRanking();
        buildPoints();
        auto* printButton = addPrintButton(dialog_, 4709, folder(), {10, 108, 48, 48});
        QObject::connect(printButton, &QPushButton::clicked, [this] { print(); });
        addExportButton(dialog_, {64, 116, 120, 32}, p_,
                        [this] { return roundClassificationPrintout(*s_); });
        const ScreenTable table = roundScreenTable();
        addTableScrollBar(dialog_, 4710, table, roundTableRows(*s_), [this](int firstRow) {
            firstRow_ = firstRow;
            panel_->update();
        });
        buildButtons();
    }

    void buildRanking() {
        addControl<QGroupBox>(dialog_, 0, ClassificationText::RoundRankingGroup, {10, 10, 300, 92},
                              true)
            ->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto* byLaps = addControl<QRadioButton>(
            dialog_, 4701, ClassificationText::RoundByLapsAndTime, {22, 36, 280, 26});
        auto* byBest = addControl<QRadioButton>(dialog_, 4702, ClassificationText::RoundByBestLap,
                                                {22, 66, 280, 26});
        (s_->classification.ranking == RankingMode::BestLap ? byBest : byLaps)->setChecked(true);
        QObject::connect(byLaps, &QRadioButton::clicked,
                         [this] { rank(RankingMode::LapsThenTime); });
        QObject::connect(byBest, &QRadioButton::clicked, [this] { rank(RankingMode::BestLap); });
        editable_ = {byLaps, byBest};
    }

    void buildPoints() {
        addControl<QGroupBox>(dialog_, 0, ClassificationText::PointsGroup, {320, 10, 372, 140},
                              true)
            ->setAttribute(Qt::WA_TransparentForMouseEvents);
        for (int i = 0; i < int(kPointFields.size()); ++i) {
            const PointField& f = kPointFields[std::size_t(i)];
            addControl<QLabel>(dialog_, 0, f.label, labelPlace(i));
            auto* edit = new QLineEdit(&dialog_);
            place(edit, f.id, editPlace(i));
            edit->setMaxLength(f.digits);
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
            QObject::connect(edit, &QLineEdit::textChanged, [this, &f](const QString& text) {
                s_->classification.scale.*f.value = text.toInt();
                computeRoundPoints(s_->classification, participants());
                panel_->update();
            });
            edit->setText(QString::number(s_->classification.scale.*f.value));
            editable_.push_back(edit);
        }
    }

    void buildButtons() {
        addClassificationButtons(dialog_, {460, 650, 110, 32}, editable_, s_->context.readOnly(),
                                 [this] { confirmRoundClassification(p_, *s_); });
    }

    void rank(RankingMode mode) {
        s_->classification.ranking = mode;
        rankRound(s_->classification, participants());
        panel_->update();
    }

    void print() {
        printClassification(dialog_, folder(), p_.io.clock, roundClassificationPrintout(*s_));
    }

    Program& p_;
    std::unique_ptr<RoundClassificationState> s_;
    QDialog dialog_;
    PaintedPanel* panel_ = nullptr;
    std::vector<QWidget*> editable_; // disabled once a final has results
    int firstRow_ = 0;
};

} // namespace

void runRoundClassificationDialog(Program& program, int category, int round, QWidget* parent) {
    auto state = std::make_unique<RoundClassificationState>();
    if (!openRoundClassification(program, category, round, *state))
        return;
    RoundClassificationDialog(program, std::move(state), parent).run();
}

} // namespace racedesk
