#include "gui/display_dialog.h"

#include "core/settings/display_settings.h"
#include "support/test_program.h"

#include "gui/modal_driver.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::clickButton;
using test::TestProgram;
using test::whenDialogWith;
using test::whenModal;

template <typename T> T* control(QWidget& dialog, const char* name) {
    return dialog.findChild<T*>(QString::fromUtf8(name));
}

struct DisplayDialog : ::testing::Test {
    TestProgram t;
    DisplaySettings saved = defaultDisplaySettings();

    void SetUp() override {
        t.folder.write("Private/RéglagesAffichage.rgsc", "");
        saved.style = 1;
        ASSERT_TRUE(writeDisplaySettings(t.program.path(kDisplaySettingsFile), saved));
        t.program.display = saved;
    }
    std::string settingsFile() const { return t.folder.read("Private/RéglagesAffichage.rgsc"); }
    DisplaySettings settingsRead() const {
        DisplaySettings s;
        EXPECT_TRUE(readDisplaySettings(t.program.path(kDisplaySettingsFile), s));
        return s;
    }
    void run() { runDisplayDialog(t.program, nullptr); }
};

// A left click on what the dialog paints, at client pixels.
void clickAt(QWidget& d, int x, int y) {
    QWidget* panel = control<QWidget>(d, "painted");
    ASSERT_NE(panel, nullptr);
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(x, y));
}

QColor shownAt(QWidget& d, int x, int y) {
    return d.grab().toImage().pixelColor(x, y);
}

// Picks 'colour' for the window background swatch through the colour picker.
void pickWindowBackground(QWidget& d, const QColor& colour) {
    whenModal([](QWidget& w) { return qobject_cast<QColorDialog*>(&w) != nullptr; },
              [colour](QWidget& w) {
                  auto& picker = static_cast<QColorDialog&>(w);
                  picker.setCurrentColor(colour);
                  picker.accept();
              });
    clickAt(d, 220, 95);
}

void typeWidth(QWidget& d, int column, const char* keys) {
    control<QComboBox>(d, "3803")->setCurrentIndex(column);
    QLineEdit* width = control<QLineEdit>(d, "3804");
    width->selectAll();
    QTest::keyClicks(width, keys);
}

TEST_F(DisplayDialog, echapAfterChangingColoursAndWidthsLeavesTheFileByteIdentical) {
    const std::string before = settingsFile();
    whenDialogWith("3803", [](QWidget& d) {
        pickWindowBackground(d, QColor(1, 2, 3));
        EXPECT_EQ(shownAt(d, 220, 95), QColor(1, 2, 3));
        typeWidth(d, 1, "42");
        clickButton(d, "3805");
        EXPECT_EQ(control<QLineEdit>(d, "3804")->text(), "43");
        control<QRadioButton>(d, "3802")->click();
        clickButton(d, "2");
    });
    run();
    EXPECT_EQ(settingsFile(), before);

    whenDialogWith("3803", [](QWidget& d) {
        pickWindowBackground(d, QColor(4, 5, 6));
        d.close();
    });
    run();
    EXPECT_EQ(settingsFile(), before);
}

TEST_F(DisplayDialog, okWritesTheChangedColourWidthAndStyle) {
    whenDialogWith("3803", [](QWidget& d) {
        pickWindowBackground(d, QColor(1, 2, 3));
        typeWidth(d, 1, "42");
        clickButton(d, "3806");
        control<QRadioButton>(d, "3802")->click();
        clickButton(d, "1");
    });
    run();
    const DisplaySettings s = settingsRead();
    EXPECT_EQ(s.colours[kWindowBackground], rgb(1, 2, 3));
    EXPECT_EQ(s.columnWidths[1], 41);
    EXPECT_EQ(s.style, 0);
    EXPECT_EQ(s.colours[kTreeBackground], saved.colours[kTreeBackground]);
    EXPECT_EQ(s.columnWidths[0], saved.columnWidths[0]);
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(DisplayDialog, widthFieldTakesThreeDigitsAtMostAndNoLetters) {
    whenDialogWith("3803", [](QWidget& d) {
        typeWidth(d, 2, "1a2b3456");
        EXPECT_EQ(control<QLineEdit>(d, "3804")->text(), "123");
        typeWidth(d, 3, "999");
        clickButton(d, "3805");
        EXPECT_EQ(control<QLineEdit>(d, "3804")->text(), "999");
        typeWidth(d, 4, "0");
        clickButton(d, "3806");
        EXPECT_EQ(control<QLineEdit>(d, "3804")->text(), "0");
        clickButton(d, "1");
    });
    run();
    const DisplaySettings s = settingsRead();
    EXPECT_EQ(s.columnWidths[2], 123);
    EXPECT_EQ(s.columnWidths[3], 999);
    EXPECT_EQ(s.columnWidths[4], 0);
}

TEST_F(DisplayDialog, chosenColumnIsStillChosenAtTheNextOpening) {
    whenDialogWith("3803", [](QWidget& d) {
        control<QComboBox>(d, "3803")->setCurrentIndex(5);
        clickButton(d, "2");
    });
    run();
    const QString width = QString::number(saved.columnWidths[5]);
    whenDialogWith("3803", [width](QWidget& d) {
        EXPECT_EQ(control<QComboBox>(d, "3803")->currentIndex(), 5);
        EXPECT_EQ(control<QLineEdit>(d, "3804")->text(), width);
        control<QComboBox>(d, "3803")->setCurrentIndex(0);
        clickButton(d, "2");
    });
    run();
}

TEST_F(DisplayDialog, pickedFontIsHeldToTheHeatTitleSizes) {
    whenDialogWith("3803", [](QWidget& d) {
        whenModal([](QWidget& w) { return w.findChild<QFontDialog*>("fontPicker") != nullptr; },
                  [](QWidget& w) {
                      QFont big("Liberation Serif");
                      big.setPointSize(72);
                      big.setItalic(true);
                      w.findChild<QFontDialog*>("fontPicker")->setCurrentFont(big);
                      clickButton(w, "1");
                  });
        clickAt(d, 295, 225); // the heat title's sample
        clickButton(d, "1");
    });
    run();
    const FontSpec f = settingsRead().fonts[kHeatTitleFont];
    EXPECT_EQ(f.face.view(), "Liberation Serif");
    EXPECT_EQ(f.height, 27); // 20 points
    EXPECT_TRUE(f.italic);
    EXPECT_EQ(settingsRead().fonts[kConflictFont].height, saved.fonts[kConflictFont].height);
}

TEST_F(DisplayDialog, loadedFileShowsItsStyleFirstWidthAndColours) {
    DisplaySettings other = saved;
    other.style = 0;
    other.columnWidths[0] = 77;
    other.colours[kWindowBackground] = rgb(9, 99, 199);
    ASSERT_TRUE(writeDisplaySettings(t.folder.file("club.scrn"), other));
    t.dialogs.files.push_back(t.folder.file("club.scrn"));
    whenDialogWith("3803", [](QWidget& d) {
        control<QComboBox>(d, "3803")->setCurrentIndex(6);
        clickButton(d, "3807");
        EXPECT_EQ(control<QComboBox>(d, "3803")->currentIndex(), 0);
        EXPECT_EQ(control<QLineEdit>(d, "3804")->text(), "77");
        EXPECT_TRUE(control<QRadioButton>(d, "3802")->isChecked());
        EXPECT_EQ(shownAt(d, 220, 95), QColor(9, 99, 199));
        clickButton(d, "1");
    });
    run();
    EXPECT_EQ(settingsFile(), t.folder.read("club.scrn"));
}

} // namespace
} // namespace racedesk
