#pragma once
#include "core/platform/sound_player.h"

#include <string>
#include <vector>

namespace racedesk::test {

class RecordingSoundPlayer : public SoundPlayer {
public:
    void play(const char* clip, bool wait) override {
        clips.emplace_back(clip);
        waited.push_back(wait);
    }
    bool played(const std::string& clip) const;
    int count(const std::string& clip) const;
    void clear() {
        clips.clear();
        waited.clear();
    }

    std::vector<std::string> clips;
    std::vector<bool> waited;
};

} // namespace racedesk::test
