#include "gui/driver_details_dialog.h"

#include "core/app/program.h"
#include "core/databases/drivers.h"
#include "core/race/driver_details_rules.h"
#include "gui/painted_panel.h"
#include "gui/participants_look.h"
#include "platform/qt_text.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace racedesk {
namespace {

constexpr int kWidth = 440;
constexpr int kHeight = 345;
constexpr int kTickMs = 10;
constexpr int kFirstFrequencyId = 4305;

class DriverDetailsView {
public:
    DriverDetailsView(Program& program, QWidget* parent) : p_(program), dialog_(parent) {}

    void run() {
        if (openDriverDetails(p_, d_)) {
            build();
            timer_.start();
            dialog_.exec();
            timer_.stop();
        }
        closeDriverDetails(p_, d_);
    }

private:
    void build() {
        setUpDialog(dialog_, ParticipantsText::DetailsCaption, kWidth, kHeight);
        panel_ = new PaintedPanel(dialog_, QString::fromStdString(p_.workDir),
                                  [this](Canvas& c) { paintScanLight(c, d_.light.frame); });
        addControl<QLabel>(dialog_, 0, ParticipantsText::DetailsDriver, {20, 20, 80, 24});
        auto* name = new QLineEdit(toQString(d_.driver().name.view()), &dialog_);
        place(name, 4301, {100, 17, 320, 28}, true);
        name->setReadOnly(true);
        buildTransponder();
        buildFrequencies();
        auto* ok = addButton(dialog_, 1, uiText(ParticipantsText::DetailsOk),
                             {kWidth - 110, kHeight - 45, 90, 32});
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, [this] {
            confirmDriverDetails(p_, d_);
            scan_->setChecked(false);
            timer_.stop();
            dialog_.accept();
        });
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(kTickMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
    }

    void buildTransponder() {
        addControl<QGroupBox>(dialog_, 0, ParticipantsText::DetailsTransponderGroup,
                              {15, 60, kWidth - 30, 105}, true)
            ->setAttribute(Qt::WA_TransparentForMouseEvents);
        addControl<QLabel>(dialog_, 0, ParticipantsText::DetailsTransponder, {30, 95, 75, 24});
        transponder_ = new QLineEdit(toQString(d_.driver().transponder.view()), &dialog_);
        place(transponder_, 4302, {105, 92, 100, 28});
        transponder_->setMaxLength(kTransponderDigits);
        transponder_->setValidator(
            new QRegularExpressionValidator(QRegularExpression("[0-9]*"), transponder_));
        QObject::connect(transponder_, &QLineEdit::textChanged,
                         [this](const QString& text) { typeTransponder(d_, fromQString(text)); });
        scan_ = addControl<QPushButton>(dialog_, 4303, ParticipantsText::DetailsScan,
                                        {215, 91, 80, 30});
        scan_->setCheckable(true);
        state_ =
            addControl<QLabel>(dialog_, 4304, ParticipantsText::DetailsScanOff, {240, 127, 55, 24});
        QObject::connect(scan_, &QPushButton::toggled, [this](bool on) { setScanning(on); });
    }

    void buildFrequencies() {
        addControl<QGroupBox>(dialog_, 0, ParticipantsText::DetailsFrequencyGroup,
                              {15, 175, kWidth - 30, 105}, true)
            ->setAttribute(Qt::WA_TransparentForMouseEvents);
        for (int j = 0; j < kFrequenciesPerDriver; ++j) {
            const int x = 25 + 80 * j;
            auto* label = new QLabel(
                QString::asprintf(textUtf8(ParticipantsText::DetailsFrequency), j + 1), &dialog_);
            place(label, 0, {x, 205, 75, 24});
            auto* list = new QComboBox(&dialog_);
            place(list, kFirstFrequencyId + j, {x, 230, 75, 28});
            int selected = -1;
            for (int i = 0; i < d_.frequencyCount; ++i) {
                const FrequencyText& f = d_.frequencies[std::size_t(i)].frequency;
                list->addItem(toQString(f.view()));
                if (f == d_.driver().frequencies[std::size_t(j)])
                    selected = i;
            }
            list->setCurrentIndex(selected);
            QObject::connect(list, &QComboBox::currentIndexChanged, [this, j](int i) {
                if (i >= 0 && i < d_.frequencyCount)
                    chooseFrequency(d_, j, d_.frequencies[std::size_t(i)].frequency.view());
            });
        }
    }

    void setScanning(bool on) {
        if (on)
            startScan(p_, d_);
        else
            stopScan(d_);
        transponder_->setReadOnly(on);
        state_->setText(
            uiText(on ? ParticipantsText::DetailsScanOn : ParticipantsText::DetailsScanOff));
        panel_->update();
    }

    void tick() {
        const TransponderText scanned = detailsTick(p_, d_);
        if (!scanned.empty())
            transponder_->setText(toQString(scanned.view()));
        if (d_.scanning &&
            advanceScanLight(d_.light, p_.io.clock.counter(), p_.io.clock.counterFrequency()))
            panel_->update();
    }

    Program& p_;
    DriverDetails d_;
    QDialog dialog_;
    QTimer timer_;
    PaintedPanel* panel_ = nullptr;
    QLineEdit* transponder_ = nullptr;
    QPushButton* scan_ = nullptr;
    QLabel* state_ = nullptr;
};

} // namespace

void runDriverDetailsDialog(Program& program, QWidget* parent) {
    DriverDetailsView(program, parent).run();
}

} // namespace racedesk
