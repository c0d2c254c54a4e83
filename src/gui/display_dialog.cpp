#include "gui/display_dialog.h"

#include "core/app/program.h"
#include "core/settings/display_dialog_rules.h"
#include "core/settings/display_preview.h"
#include "gui/dialog_look.h"
#include "gui/font_colour_picker.h"
#include "gui/painted_panel.h"
#include "platform/qt_text.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <array>

namespace racedesk {
namespace {

constexpr int kWidth = 660;
constexpr int kHeight = 640;

struct ColourLabel {
    Text text;
    int y;
};

constexpr std::array<ColourLabel, 10> kColourLabels = {{
    {Text::DisplayWindowBackground, 85},
    {Text::DisplayTreeBackground, 115},
    {Text::DisplayBoardBackground, 145},
    {Text::DisplayHeatTitle, 215},
    {Text::DisplayRadioConflict, 245},
    {Text::DisplayCarPassing, 275},
    {Text::DisplayRunBest, 305},
    {Text::DisplayDriverBest, 335},
    {Text::DisplayHeaderBand, 405},
    {Text::DisplayResultRows, 435},
}};

constexpr std::array<Text, kBoardColumnCount> kColumnNames = {
    Text::HeadingCar,     Text::HeadingName,      Text::HeadingLaps,
    Text::HeadingTotal,   Text::HeadingGapLeader, Text::HeadingGapPrevious,
    Text::HeadingLastLap, Text::HeadingBestLap,   Text::HeadingTransponder};

// Qt keeps the colour picker's custom colours for the whole application; the record keeps
// them between sessions.
void offerCustomColours(const DisplaySettings& record) {
    for (int i = 0; i < kCustomColourCount; ++i)
        QColorDialog::setCustomColor(i, toQColor(record.customColours[std::size_t(i)]));
}

void keepCustomColours(DisplaySettings& record) {
    for (int i = 0; i < kCustomColourCount; ++i)
        record.customColours[std::size_t(i)] = fromQColor(QColorDialog::customColor(i));
}

class DisplayOptions {
public:
    DisplayOptions(Program& program, QWidget* parent) : p_(program), dialog_(parent) {
        // The main window wrote its record to the file just before; should the file not read
        // back, the dialog still starts from what the board shows.
        record_ = p_.display;
        readDialogRecord(p_, record_);
        column_ = std::clamp(column_, 0, kBoardColumnCount - 1);
        build();
    }

    void run() { dialog_.exec(); }

private:
    int& width() { return record_.columnWidths[std::size_t(column_)]; }

    void build() {
        setUpDialog(dialog_, Text::DisplayCaption, kWidth, kHeight);
        addGroup(dialog_, 0, Text::DisplayThemeGroup, {10, 58, 410, 122});
        addGroup(dialog_, 0, Text::DisplayEventsGroup, {10, 188, 410, 180});
        addGroup(dialog_, 0, Text::DisplayTableGroup, {10, 378, kWidth - 20, 200});
        panel_ = new PaintedPanel(
            dialog_, QString::fromStdString(p_.workDir),
            [this](Canvas& c) { paintDisplayOptions(c, record_, column_); },
            [this](int x, int y) { clicked(x, y); });
        addTitle(dialog_, 0, Text::DisplayTitle, {20, 14, 420, 30});
        for (const ColourLabel& l : kColourLabels)
            addLabel(dialog_, l.text, {16, l.y - 2, 182, 24});
        buildColumnControls();
        buildStyleRadios();
        buildButtons();
        showColumn();
    }

    void buildColumnControls() {
        addLabel(dialog_, Text::DisplayColumn, {20, 500, 85, 24});
        columns_ = new QComboBox(&dialog_);
        place(columns_, 3803, {105, 497, 185, 28});
        for (Text name : kColumnNames)
            columns_->addItem(uiText(name));
        columns_->setCurrentIndex(column_);
        QObject::connect(columns_, &QComboBox::currentIndexChanged, [this](int index) {
            if (index < 0)
                return;
            column_ = index;
            showColumn();
        });

        addLabel(dialog_, Text::DisplayWidth, {20, 538, 85, 24});
        width_ = new QLineEdit(&dialog_);
        place(width_, 3804, {105, 535, 55, 28});
        width_->setMaxLength(kWidthFieldDigits);
        width_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), width_));
        QObject::connect(width_, &QLineEdit::textEdited, [this](const QString& text) {
            width() = widthOfField(fromQString(text));
        });
        auto* plus = addButton(dialog_, 3805, QStringLiteral("+"), {167, 535, 32, 28});
        auto* minus = addButton(dialog_, 3806, QStringLiteral("-"), {205, 535, 32, 28});
        QObject::connect(plus, &QPushButton::clicked, [this] {
            width() = widenedColumn(width());
            showColumn();
        });
        QObject::connect(minus, &QPushButton::clicked, [this] {
            width() = narrowedColumn(width());
            showColumn();
        });
    }

    void buildStyleRadios() {
        relief_ = addRadio(dialog_, 3801, Text::DisplayRelief, {410, 497, 230, 26});
        gradient_ = addRadio(dialog_, 3802, Text::DisplayGradient, {410, 531, 230, 26});
        QObject::connect(relief_, &QRadioButton::clicked, [this] { record_.style = 1; });
        QObject::connect(gradient_, &QRadioButton::clicked, [this] { record_.style = 0; });
        showStyle();
    }

    void buildButtons() {
        auto* load = addButton(dialog_, 3807, Text::DisplayLoad, {470, 70, 170, 32});
        auto* save = addButton(dialog_, 3808, Text::DisplaySave, {470, 110, 170, 32});
        auto* ok = addButton(dialog_, 1, Text::ButtonOk, {425, 594, 105, 32});
        auto* cancel = addButton(dialog_, 2, Text::ButtonCancel, {540, 594, 105, 32});
        ok->setDefault(true);
        QObject::connect(load, &QPushButton::clicked, [this] { loadFile(); });
        QObject::connect(save, &QPushButton::clicked,
                         [this] { saveChosenDisplayFile(p_, record_); });
        QObject::connect(ok, &QPushButton::clicked, [this] {
            writeDialogRecord(p_, record_);
            dialog_.accept();
        });
        QObject::connect(cancel, &QPushButton::clicked, &dialog_, &QDialog::reject);
    }

    void showColumn() {
        width_->setText(QString::number(width()));
        panel_->update();
    }

    void showStyle() { (record_.relief() ? relief_ : gradient_)->setChecked(true); }

    void loadFile() {
        if (!loadChosenDisplayFile(p_, record_))
            return;
        column_ = 0;
        columns_->setCurrentIndex(0);
        showColumn();
        showStyle();
    }

    void clicked(int x, int y) {
        const int swatch = swatchAt(x, y);
        if (swatch >= 0) {
            pickColour(swatch);
            return;
        }
        const int sample = fontSampleAt(x, y);
        if (sample >= 0)
            pickFont(fontOfSample(sample, column_));
    }

    void pickColour(int colour) {
        Colour& chosen = record_.colours[std::size_t(colour)];
        offerCustomColours(record_);
        QColorDialog picker(toQColor(chosen), &dialog_);
        picker.setOption(QColorDialog::DontUseNativeDialog);
        picker.setWindowTitle(uiText(Text::DisplayColourPicker));
        const bool picked = picker.exec() == QDialog::Accepted;
        keepCustomColours(record_);
        if (picked)
            chosen = fromQColor(picker.selectedColor());
        panel_->update();
    }

    void pickFont(int font) {
        const auto picked = pickFontAndColour(record_.fonts[std::size_t(font)],
                                              record_.fontColours[std::size_t(font)], &dialog_);
        if (!picked)
            return;
        storeChosenFont(record_, font, picked->font, picked->colour);
        panel_->update();
    }

    Program& p_;
    DisplaySettings record_;
    // The column the director last chose stays chosen for the life of the program.
    int& column_ = p_.displayDialogColumn;
    QDialog dialog_;
    PaintedPanel* panel_ = nullptr;
    QComboBox* columns_ = nullptr;
    QLineEdit* width_ = nullptr;
    QRadioButton* relief_ = nullptr;
    QRadioButton* gradient_ = nullptr;
};

} // namespace

void runDisplayDialog(Program& program, QWidget* parent) {
    DisplayOptions(program, parent).run();
}

} // namespace racedesk
