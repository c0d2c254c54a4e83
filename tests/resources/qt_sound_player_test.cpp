#include "platform/qt_sound_player.h"

#include "support/temp_folder.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QString>
#include <QTimer>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace racedesk {
namespace {

// Generous: the machine may be busy, and no test here measures speed.
constexpr qint64 kSlackMs = 2000;
constexpr qint64 kBeepMs = 120;
constexpr qint64 kFoghornMs = 1500;

int messagesSeen = 0;

void countMessage(QtMsgType, const QMessageLogContext&, const QString&) {
    ++messagesSeen;
}

class QtSoundPlayerTest : public ::testing::Test {
protected:
    // A working folder with some of the generated clips in its "sons/".
    QtSoundPlayerTest() {
        std::filesystem::create_directories(folder.file("sons"));
        for (const char* name : {"beep1.wav", "youpi.wav", "buzz.wav", "foghorn.wav"})
            addClip(name);
    }

    void addClip(const std::string& name) {
        std::filesystem::copy_file(std::string(RACEDESK_SOUNDS_DIR) + "/" + name,
                                   folder.file("sons/" + name));
    }

    QString workingFolder() const { return QString::fromStdString(folder.path()); }

    static qint64 timePlay(QtSoundPlayer& player, const char* clip, bool wait) {
        QElapsedTimer timer;
        timer.start();
        player.play(clip, wait);
        return timer.elapsed();
    }

    test::TempFolder folder;
};

TEST_F(QtSoundPlayerTest, missingOrUnreadableClipReturnsAtOnce) {
    folder.write("sons/notsound.wav", "this is not a sound file");
    folder.write("sons/empty.wav", "");
    QtSoundPlayer player(workingFolder());
    for (const char* clip : {"sons/absent.wav", "sons/notsound.wav", "sons/empty.wav", "sons"}) {
        EXPECT_LT(timePlay(player, clip, true), kSlackMs) << clip;
        EXPECT_LT(timePlay(player, clip, false), kSlackMs) << clip;
    }
}

TEST_F(QtSoundPlayerTest, badClipsAndAMachineWithoutAudioAreSilentInTheLog) {
    folder.write("sons/notsound.wav", "this is not a sound file");
    // The audio backend's own notes on starting up are not the player's.
    (void)QMediaDevices::defaultAudioOutput();
    messagesSeen = 0;
    const QtMessageHandler previous = qInstallMessageHandler(countMessage);
    {
        QtSoundPlayer player(workingFolder());
        player.play("sons/absent.wav", true);
        player.play("sons/notsound.wav", true);
        player.play("sons/youpi.wav", false);
        player.play("sons/beep1.wav", true);
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(messagesSeen, 0);
}

TEST_F(QtSoundPlayerTest, waitingForABeepReturnsAfterItEvenWithoutAudioDevice) {
    QtSoundPlayer player(workingFolder());
    const qint64 elapsed = timePlay(player, "sons/beep1.wav", true);
    EXPECT_GE(elapsed, kBeepMs - 20) << "returned before the clip could have ended";
    EXPECT_LT(elapsed, kBeepMs + kSlackMs);
}

TEST_F(QtSoundPlayerTest, withoutWaitPlayReturnsBeforeTheClipEnds) {
    QtSoundPlayer player(workingFolder());
    EXPECT_LT(timePlay(player, "sons/foghorn.wav", false), kFoghornMs);
}

TEST_F(QtSoundPlayerTest, clipAddedAfterStartIsPlayedToItsEnd) {
    QtSoundPlayer player(workingFolder());
    addClip("nokia-sms.wav");
    EXPECT_GE(timePlay(player, "sons/nokia-sms.wav", true), 500);
}

TEST_F(QtSoundPlayerTest, newClipCutsTheOneBeingWaitedFor) {
    QtSoundPlayer player(workingFolder());
    // A timer tick plays a beep while the caller waits for the horn.
    QTimer::singleShot(50, [&player] { player.play("sons/beep1.wav", false); });
    EXPECT_LT(timePlay(player, "sons/foghorn.wav", true), kFoghornMs);
}

TEST_F(QtSoundPlayerTest, manyClipsInARowIncludingNestedWaits) {
    QtSoundPlayer player(workingFolder());
    QTimer::singleShot(30, [&player] { player.play("sons/youpi.wav", true); });
    for (int lap = 0; lap < 20; ++lap) {
        player.play("sons/beep1.wav", false);
        player.play(lap % 2 == 0 ? "sons/youpi.wav" : "sons/buzz.wav", false);
    }
    player.play("sons/beep1.wav", true);
    EXPECT_LT(timePlay(player, "sons/beep1.wav", true), kBeepMs + kSlackMs);
}

} // namespace
} // namespace racedesk
