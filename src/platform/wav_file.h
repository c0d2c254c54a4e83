#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace racedesk {

// What the header of a RIFF/WAVE file says about the sound it holds.
struct WavInfo {
    int format = 0; // 1: integer PCM
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::int64_t dataOffset = 0; // where the samples start in the file
    std::int64_t dataBytes = 0;  // length of the samples, cut to what the file really holds

    std::int64_t durationMs() const;
};

// Reads the "fmt " and "data" chunks of a RIFF/WAVE file, skipping any other chunk. Nothing
// when the file cannot be read, is not RIFF/WAVE, or lacks either chunk.
std::optional<WavInfo> readWavInfo(const std::string& path);

} // namespace racedesk
