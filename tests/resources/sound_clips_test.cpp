#include "platform/wav_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace racedesk {
namespace {

struct ExpectedClip {
    std::string name; // in "sons/", without ".wav"
    std::int64_t minMs;
    std::int64_t maxMs;
};

void PrintTo(const ExpectedClip& clip, std::ostream* out) {
    *out << clip.name;
}

// Every clip the timing core can ask for, with the length it should have.
std::vector<ExpectedClip> coreClips() {
    constexpr std::int64_t kAnnouncementMin = 300;
    constexpr std::int64_t kAnnouncementMax = 3000;
    std::vector<ExpectedClip> clips = {
        {"foghorn", 1000, 2500}, {"truckhorn", 1000, 2500}, {"beep1", 50, 300},
        {"youpi", 200, 1000},    {"buzz", 150, 500},        {"nokia-sms", 500, 1000},
    };
    // A countdown number has to be over before the next second is called.
    for (const char* number : {"cinq", "quatre", "trois", "deux", "un"}) {
        clips.push_back({number, 100, 999});
        clips.push_back({std::string(number) + "GB", 100, 999});
    }
    for (const char* spoken : {"60minutes", "30minutes", "15minutes", "5minutes", "2minutes",
                               "1minute", "30secondes", "10secondes", "miCourse"}) {
        clips.push_back({spoken, kAnnouncementMin, kAnnouncementMax});
        clips.push_back({std::string(spoken) + "GB", kAnnouncementMin, kAnnouncementMax});
    }
    clips.push_back({"5minutesRaceGB", kAnnouncementMin, kAnnouncementMax});
    for (int car = 1; car <= 20; ++car) {
        const std::string name = "FinCourseVoiture" + std::to_string(car);
        clips.push_back({name, kAnnouncementMin, kAnnouncementMax});
        clips.push_back({name + "GB", kAnnouncementMin, kAnnouncementMax});
    }
    return clips;
}

std::string pathOf(const ExpectedClip& clip) {
    return std::string(RACEDESK_SOUNDS_DIR) + "/" + clip.name + ".wav";
}

// Largest magnitude among the 16-bit samples of the file, in 1/32768 of full scale.
int peak16(const std::string& path, const WavInfo& info) {
    std::ifstream in(path, std::ios::binary);
    in.seekg(info.dataOffset);
    std::vector<char> bytes(static_cast<std::size_t>(info.dataBytes));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    int peak = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto low = static_cast<std::uint8_t>(bytes[i]);
        const auto high = static_cast<std::uint8_t>(bytes[i + 1]);
        const auto sample = static_cast<std::int16_t>(low | (high << 8));
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    return peak;
}

class GeneratedClip : public ::testing::TestWithParam<ExpectedClip> {};

TEST_P(GeneratedClip, isAudiblePcmWaveOfTheRightLength) {
    const ExpectedClip& clip = GetParam();
    const std::string path = pathOf(clip);
    ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path;

    const std::optional<WavInfo> info = readWavInfo(path);
    ASSERT_TRUE(info.has_value()) << path << " is not a RIFF/WAVE file";
    EXPECT_EQ(info->format, 1);
    EXPECT_EQ(info->channels, 1);
    EXPECT_GE(info->sampleRate, 8000);
    EXPECT_LE(info->sampleRate, 48000);
    ASSERT_EQ(info->bitsPerSample, 16);
    ASSERT_GT(info->dataBytes, 0);
    EXPECT_EQ(info->dataBytes % 2, 0) << "cut in the middle of a sample";

    EXPECT_GE(info->durationMs(), clip.minMs);
    EXPECT_LE(info->durationMs(), clip.maxMs);
    // Normalised clips peak near full scale; a quarter of it is far above silence or noise.
    EXPECT_GT(peak16(path, *info), 32768 / 4);
}

std::string testName(const ::testing::TestParamInfo<ExpectedClip>& info) {
    std::string name = info.param.name;
    for (char& c : name) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0)
            c = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(CoreClips, GeneratedClip, ::testing::ValuesIn(coreClips()), testName);

TEST(GeneratedClips, noTwoClipsAreTheSameRecording) {
    // Catches a phrase or car number left the same for two names, or one voice for both languages.
    std::map<std::string, std::string> nameByContents;
    for (const ExpectedClip& clip : coreClips()) {
        std::ifstream in(pathOf(clip), std::ios::binary);
        std::string contents((std::istreambuf_iterator<char>(in)), {});
        ASSERT_FALSE(contents.empty()) << clip.name;
        const auto [it, added] = nameByContents.emplace(std::move(contents), clip.name);
        EXPECT_TRUE(added) << clip.name << " is the same as " << it->second;
    }
}

} // namespace
} // namespace racedesk
