#include "support/recording_sound_player.h"

#include <algorithm>

namespace racedesk::test {

bool RecordingSoundPlayer::played(const std::string& clip) const {
    return count(clip) > 0;
}

int RecordingSoundPlayer::count(const std::string& clip) const {
    return int(std::count(clips.begin(), clips.end(), clip));
}

} // namespace racedesk::test
