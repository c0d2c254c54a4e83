#include "platform/wav_file.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace racedesk {
namespace {

std::string le(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

std::string chunk(const std::string& id, const std::string& body) {
    std::string out = id + le(static_cast<std::uint32_t>(body.size()), 4) + body;
    if (body.size() % 2 != 0)
        out += '\0';
    return out;
}

std::string formatChunk(int format, int channels, int rate, int bits) {
    const int blockAlign = channels * bits / 8;
    return chunk("fmt ", le(static_cast<std::uint32_t>(format), 2) +
                             le(static_cast<std::uint32_t>(channels), 2) +
                             le(static_cast<std::uint32_t>(rate), 4) +
                             le(static_cast<std::uint32_t>(rate * blockAlign), 4) +
                             le(static_cast<std::uint32_t>(blockAlign), 2) +
                             le(static_cast<std::uint32_t>(bits), 2));
}

std::string riff(const std::string& chunks) {
    return "RIFF" + le(static_cast<std::uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks;
}

class WavFile : public ::testing::Test {
protected:
    std::optional<WavInfo> read(const std::string& contents) {
        folder.write("clip.wav", contents);
        return readWavInfo(folder.file("clip.wav"));
    }
    test::TempFolder folder;
};

TEST_F(WavFile, plainHeaderGivesFormatDataAndDuration) {
    // One second of 22050 Hz 16-bit mono.
    const auto info =
        read(riff(formatChunk(1, 1, 22050, 16) + chunk("data", std::string(44100, 'x'))));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->format, 1);
    EXPECT_EQ(info->channels, 1);
    EXPECT_EQ(info->sampleRate, 22050);
    EXPECT_EQ(info->bitsPerSample, 16);
    EXPECT_EQ(info->dataOffset, 44);
    EXPECT_EQ(info->dataBytes, 44100);
    EXPECT_EQ(info->durationMs(), 1000);
}

TEST_F(WavFile, otherChunksAndOddPaddingAreSkipped) {
    const std::string before =
        chunk("LIST", "abc") + formatChunk(1, 2, 8000, 16) + chunk("fact", "");
    const auto info = read(riff(before + chunk("data", std::string(3200, 'x'))));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->channels, 2);
    EXPECT_EQ(info->dataOffset, static_cast<std::int64_t>(12 + before.size() + 8));
    EXPECT_EQ(info->durationMs(), 100); // 3200 bytes of 4-byte frames at 8000 Hz
}

TEST_F(WavFile, dataBeforeFormatIsStillFound) {
    const auto info =
        read(riff(chunk("data", std::string(1600, 'x')) + formatChunk(1, 1, 8000, 16)));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->dataOffset, 20);
    EXPECT_EQ(info->durationMs(), 100);
}

TEST_F(WavFile, dataSizeBeyondTheFileIsCutToWhatTheFileHolds) {
    // A streamed recording leaves the data size unset.
    const std::string streamed =
        riff(formatChunk(1, 1, 8000, 16)) + "data" + le(0xFFFFFFFF, 4) + std::string(800, 'x');
    const auto info = read(streamed);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->dataBytes, 800);
    EXPECT_EQ(info->durationMs(), 50);
}

TEST_F(WavFile, brokenFilesGiveNothing) {
    const std::string format = formatChunk(1, 1, 8000, 16);
    const std::string data = chunk("data", std::string(100, 'x'));
    EXPECT_FALSE(read("").has_value());
    EXPECT_FALSE(read("RIFF").has_value());
    EXPECT_FALSE(read("just some text that is not a sound").has_value());
    EXPECT_FALSE(read("RIFX" + riff(format + data).substr(4)).has_value());
    EXPECT_FALSE(read(riff(data)).has_value()) << "no format chunk";
    EXPECT_FALSE(read(riff(format)).has_value()) << "no data chunk";
    EXPECT_FALSE(read(riff(format.substr(0, 14))).has_value()) << "format chunk cut short";
    EXPECT_FALSE(read(riff(chunk("fmt ", "short") + data)).has_value()) << "format too small";
    EXPECT_FALSE(readWavInfo(folder.file("missing.wav")).has_value());
    EXPECT_FALSE(readWavInfo(folder.path()).has_value()) << "a folder";
}

TEST(WavDuration, unusableFormatGivesZeroInsteadOfDividingByZero) {
    WavInfo info;
    info.dataBytes = 1000;
    EXPECT_EQ(info.durationMs(), 0);
    info.channels = 1;
    info.bitsPerSample = 16;
    EXPECT_EQ(info.durationMs(), 0) << "no sample rate";
    info.sampleRate = 1000;
    EXPECT_EQ(info.durationMs(), 500);
}

} // namespace
} // namespace racedesk
