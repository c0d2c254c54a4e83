#include "gui/interface_dialog.h"

#include "support/test_program.h"

#include "gui/modal_driver.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::clickButton;
using test::TestProgram;
using test::whenDialogWith;

template <typename T> T* control(QWidget& dialog, const char* name) {
    return dialog.findChild<T*>(QString::fromUtf8(name));
}

QString messagesOf(QWidget& d) {
    return control<QPlainTextEdit>(d, "3903")->toPlainText();
}

// Lights of one plain colour each, so a test sees which one the dialog painted.
void writeLights(const TestProgram& t) {
    QDir(QString::fromStdString(t.folder.path())).mkpath("images");
    QImage light(24, 24, QImage::Format_RGB32);
    light.fill(QColor(0, 200, 0));
    ASSERT_TRUE(light.save(QString::fromStdString(t.folder.file("images/voyantVert.bmp"))));
    light.fill(QColor(220, 0, 0));
    ASSERT_TRUE(light.save(QString::fromStdString(t.folder.file("images/voyantRouge.bmp"))));
}

QColor lightShown(QWidget& d) {
    return d.grab().toImage().pixelColor(292, 382);
}

TEST(InterfaceDialog, portThatDoesNotOpenShowsTheFailureText) {
    TestProgram t;
    writeLights(t);
    t.folder.write("RéglagesInterface2.rg", "COM3\t1\tTarvolinKT2\r\n");
    t.serial.canOpen = false;
    whenDialogWith("3903", [](QWidget& d) {
        EXPECT_EQ(messagesOf(d), " Interface KT2 prête à fonctionner.\n");
        EXPECT_TRUE(control<QRadioButton>(d, "3902")->isChecked());
        EXPECT_EQ(control<QComboBox>(d, "3904")->currentText(), "COM3");
        EXPECT_EQ(control<QComboBox>(d, "3904")->count(), 49);
        EXPECT_EQ(lightShown(d), QColor(0, 200, 0));

        control<QComboBox>(d, "3904")->setCurrentIndex(4);
        clickButton(d, "3905");
        EXPECT_EQ(messagesOf(d), " Tentative à l'ouverture du port COM:\n"
                                 " Echec à l'ouverture du port COM !\n");
        EXPECT_EQ(lightShown(d), QColor(220, 0, 0));
        clickButton(d, "1");
    });
    runInterfaceDialog(t.program, nullptr);
    EXPECT_EQ(t.folder.read("RéglagesInterface2.rg"), "COM5\t0\tTarvolin\r\n");
    EXPECT_EQ(t.serial.opened.back(), "COM5");
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST(InterfaceDialog, silentDecoderChecksKt1AndLightsGreen) {
    TestProgram t;
    writeLights(t);
    t.folder.write("RéglagesInterface2.rg", "COM2\t0\tTarvolinKT2\r\n");
    whenDialogWith("3903", [](QWidget& d) {
        EXPECT_EQ(messagesOf(d), " Port COM non ouvert !\n");
        EXPECT_EQ(lightShown(d), QColor(220, 0, 0));
        EXPECT_TRUE(control<QRadioButton>(d, "3902")->isChecked());
        clickButton(d, "3905");
        EXPECT_TRUE(control<QRadioButton>(d, "3901")->isChecked());
        EXPECT_FALSE(control<QRadioButton>(d, "3902")->isChecked());
        EXPECT_EQ(messagesOf(d), " Tentative à l'ouverture du port COM:\n"
                                 " Ouverture du port COM OK !\n"
                                 " Interface KT1 prête à fonctionner.\n");
        EXPECT_EQ(lightShown(d), QColor(0, 200, 0));
        d.close();
    });
    runInterfaceDialog(t.program, nullptr);
    EXPECT_EQ(t.folder.read("RéglagesInterface2.rg"), "COM2\t1\tTarvolin\r\n");
}

TEST(InterfaceDialog, radiosChangeNothingSavedAndAMissingFileIsReported) {
    TestProgram t;
    whenDialogWith("3903", [](QWidget& d) {
        EXPECT_EQ(control<QComboBox>(d, "3904")->currentIndex(), -1);
        control<QRadioButton>(d, "3902")->click();
        EXPECT_TRUE(control<QRadioButton>(d, "3902")->isChecked());
        clickButton(d, "1");
    });
    runInterfaceDialog(t.program, nullptr);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text,
              "Erreur: impossible d'ouvrir le fichier interface Port COM");
    EXPECT_FALSE(t.folder.exists("RéglagesInterface2.rg"));
    EXPECT_TRUE(t.serial.opened.empty());
}

} // namespace
} // namespace racedesk
