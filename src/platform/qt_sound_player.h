#pragma once
#include "core/platform/sound_player.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

class QEventLoop;
class QSoundEffect;

namespace racedesk {

// Plays the WAV clips of the working folder with Qt Multimedia. Every clip in "sons/" is loaded
// at construction when there is an audio output, so the first beep of a run starts as quickly as
// the others; a clip added later, or an output that appears later, is dealt with at first play.
//
// A missing or unreadable clip, and a machine without audio output, are silent: nothing is
// reported. Waiting for a clip spins a local event loop that takes no user input, and ends a
// little after the clip's length, or sooner when another clip cuts it; without an audio device
// it takes just as long. Timers keep running during that wait, so the caller's timer tick may
// run inside play(): a caller that must not re-enter guards itself.
class QtSoundPlayer : public SoundPlayer {
public:
    explicit QtSoundPlayer(const QString& workingFolder);
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    void play(const char* clip, bool wait) override;

private:
    struct Clip {
        QString path;
        std::int64_t durationMs = 0;
        std::unique_ptr<QSoundEffect> effect; // made once there is an audio output
    };

    Clip* find(const std::string& clip);
    QSoundEffect* effectFor(Clip& clip);
    void waitForEnd(const Clip& clip);

    QString folder_;
    std::unordered_map<std::string, Clip> clips_;
    QSoundEffect* playing_ = nullptr;
    QEventLoop* waiting_ = nullptr;
};

} // namespace racedesk
