#pragma once

namespace racedesk {

// Plays WAV clips named relative to the working folder ("sons/beep1.wav").
// A new clip cuts the one playing. A missing clip or a machine without sound is silent.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // With wait, returns when the clip has ended.
    virtual void play(const char* clip, bool wait) = 0;
};

} // namespace racedesk
