#pragma once
#include "core/platform/sound_player.h"

#include <functional>
#include <string>
#include <vector>

namespace racedesk::test {

class RecordingSoundPlayer : public SoundPlayer {
public:
    void play(const char* clip, bool wait) override {
        clips.emplace_back(clip);
        waited.push_back(wait);
        if (wait && whileWaiting)
            whileWaiting();
    }
    bool played(const std::string& clip) const;
    int count(const std::string& clip) const;
    void clear() {
        clips.clear();
        waited.clear();
    }

    // What the window would handle while a clip is waited for.
    std::function<void()> whileWaiting;
    std::vector<std::string> clips;
    std::vector<bool> waited;
};

} // namespace racedesk::test
