// "Résultats en direct": the switch, the port, the address with its QR code, and what "Ok"
// and "Annuler" do to the settings file and the server.
#include "core/common/text_file.h"
#include "core/live/live_settings.h"
#include "gui/live_results.h"
#include "gui/live_results_dialog.h"
#include "gui/modal_driver.h"
#include "gui/qr_code.h"
#include "support/test_program.h"

#include <QCheckBox>
#include <QLabel>
#include <QPixmap>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::clickButton;
using test::TestProgram;
using test::whenDialogWith;

template <typename T> T* control(QWidget& dialog, const char* name) {
    return dialog.findChild<T*>(QString::fromUtf8(name));
}

std::string settingsFile(const TestProgram& t) {
    std::string bytes;
    readWholeFile(t.program.path(kLiveSettingsFile), bytes);
    return bytes;
}

// A port free now: a server takes any, says which, and lets it go.
int freePort() {
    LiveFeed feed;
    LiveServer probe(feed, nullptr);
    probe.start(0, "127.0.0.1");
    return probe.port();
}

TEST(LiveResultsDialog, switchedOnWithAPort_keepsTheSettingsAndStartsTheServer) {
    TestProgram t;
    LiveResults live(t.program, nullptr);
    EXPECT_FALSE(live.running()) << "off until the director turns it on";
    const int port = freePort();
    ASSERT_GE(port, kLowestLivePort);

    whenDialogWith("4101", [port](QWidget& d) {
        EXPECT_FALSE(control<QCheckBox>(d, "4101")->isChecked());
        EXPECT_EQ(control<QSpinBox>(d, "4102")->value(), kDefaultLivePort);
        EXPECT_FALSE(control<QSpinBox>(d, "4102")->isEnabled());
        EXPECT_EQ(control<QLabel>(d, "4103")->text(), "Les résultats en direct sont arrêtés.");
        EXPECT_TRUE(control<QLabel>(d, "4104")->pixmap().isNull()) << "a code for a server off";

        control<QCheckBox>(d, "4101")->setChecked(true);
        control<QSpinBox>(d, "4102")->setValue(port);
        const QString address = control<QLabel>(d, "4103")->text();
        EXPECT_TRUE(address.startsWith("http://")) << address.toStdString();
        EXPECT_TRUE(address.endsWith(QStringLiteral(":%1/").arg(port))) << address.toStdString();
        const QPixmap code = control<QLabel>(d, "4104")->pixmap();
        ASSERT_FALSE(code.isNull());
        EXPECT_EQ(code.width(), code.height());
        EXPECT_GE(code.width(), 150) << "too small to scan from a screen";
        EXPECT_LE(code.width(), 260);
        clickButton(d, "1");
    });
    runLiveResultsDialog(live, nullptr);
    EXPECT_EQ(settingsFile(t), "DIRECToui\t" + std::to_string(port) + "\t\r\n");
    EXPECT_TRUE(live.running());
    EXPECT_EQ(live.port(), port);
    EXPECT_TRUE(t.program.live.on);

    // "Annuler" leaves the server and the file as they were.
    whenDialogWith("4101", [](QWidget& d) {
        EXPECT_TRUE(control<QCheckBox>(d, "4101")->isChecked());
        control<QCheckBox>(d, "4101")->setChecked(false);
        clickButton(d, "2");
    });
    runLiveResultsDialog(live, nullptr);
    EXPECT_TRUE(live.running());
    EXPECT_EQ(settingsFile(t), "DIRECToui\t" + std::to_string(port) + "\t\r\n");

    // Off, and the next start of the program keeps it off.
    whenDialogWith("4101", [](QWidget& d) {
        control<QCheckBox>(d, "4101")->setChecked(false);
        clickButton(d, "1");
    });
    runLiveResultsDialog(live, nullptr);
    EXPECT_FALSE(live.running());
    EXPECT_FALSE(t.program.live.on);
    EXPECT_EQ(settingsFile(t), "DIRECTnon\t" + std::to_string(port) + "\t\r\n");
    LiveResults nextStart(t.program, nullptr);
    EXPECT_FALSE(nextStart.running());
}

TEST(LiveResultsDialog, aPortInUse_isSaidAndTheServerStaysOff) {
    TestProgram t;
    LiveFeed other;
    LiveServer holder(other, nullptr);
    ASSERT_TRUE(holder.start(0));
    t.folder.write(kLiveSettingsFile, "DIRECToui\t" + std::to_string(holder.port()) + "\t\r\n");
    LiveResults live(t.program, nullptr);
    EXPECT_FALSE(live.running());
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text,
              "Erreur: le port " + std::to_string(holder.port()) +
                  " est déjà utilisé ou refusé; les résultats en direct sont arrêtés.");
    EXPECT_FALSE(t.program.live.on);
}

TEST(QrCode, anAddressMakesAScannableSquareWithItsQuietZone) {
    const QImage one = qrCodeImage("http://192.168.1.20:8080/", 1);
    ASSERT_FALSE(one.isNull());
    EXPECT_EQ(one.width(), one.height());
    // Version 2 at level M holds this address: 25 modules, and 4 of white on each side.
    EXPECT_EQ(one.width(), 25 + 8);
    const QImage big = qrCodeImage("http://192.168.1.20:8080/", 7);
    EXPECT_EQ(big.width(), one.width() * 7);
    for (int i = 0; i < one.width(); ++i) {
        EXPECT_EQ(one.pixel(i, 0), qRgb(255, 255, 255)) << "quiet zone, top";
        EXPECT_EQ(one.pixel(0, i), qRgb(255, 255, 255)) << "quiet zone, left";
    }
    // The finder pattern of the top-left corner: a dark ring, a light ring, a dark centre.
    EXPECT_EQ(one.pixel(4, 4), qRgb(0, 0, 0));
    EXPECT_EQ(one.pixel(10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(one.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(one.pixel(7, 7), qRgb(0, 0, 0));
    EXPECT_NE(qrCodeImage("http://192.168.1.21:8080/", 1), one) << "another address, same code";
}

} // namespace
} // namespace racedesk
