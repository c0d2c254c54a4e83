#include "platform/wav_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>

namespace racedesk {
namespace {

constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kPcmFormatBytes = 16;

std::uint32_t le16(const unsigned char* p) {
    return p[0] | (p[1] << 8);
}

std::uint32_t le32(const unsigned char* p) {
    return le16(p) | (static_cast<std::uint32_t>(le16(p + 2)) << 16);
}

bool read(std::ifstream& in, unsigned char* bytes, std::size_t count) {
    return static_cast<bool>(
        in.read(reinterpret_cast<char*>(bytes), static_cast<std::streamsize>(count)));
}

void readFormat(const unsigned char* p, WavInfo& info) {
    info.format = static_cast<int>(le16(p));
    info.channels = static_cast<int>(le16(p + 2));
    info.sampleRate = static_cast<int>(le32(p + 4));
    info.bitsPerSample = static_cast<int>(le16(p + 14));
}

bool isRiffWave(std::ifstream& in) {
    std::array<unsigned char, 12> riff{};
    return read(in, riff.data(), riff.size()) && std::memcmp(riff.data(), "RIFF", 4) == 0 &&
           std::memcmp(riff.data() + 8, "WAVE", 4) == 0;
}

} // namespace

std::int64_t WavInfo::durationMs() const {
    const std::int64_t frameBytes = static_cast<std::int64_t>(channels) * ((bitsPerSample + 7) / 8);
    if (frameBytes <= 0 || sampleRate <= 0)
        return 0;
    return dataBytes / frameBytes * 1000 / sampleRate;
}

std::optional<WavInfo> readWavInfo(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return std::nullopt;
    const std::int64_t fileSize = in.tellg();
    in.seekg(0);
    if (!isRiffWave(in))
        return std::nullopt;

    WavInfo info;
    bool haveFormat = false;
    bool haveData = false;
    std::array<unsigned char, kChunkHeader> chunk{};
    // Every pass moves forward by at least a chunk header, so a cut or forged file ends the loop.
    while (read(in, chunk.data(), chunk.size())) {
        const std::int64_t start = in.tellg();
        const std::int64_t size = le32(chunk.data() + 4);
        if (std::memcmp(chunk.data(), "fmt ", 4) == 0) {
            std::array<unsigned char, kPcmFormatBytes> format{};
            if (size < static_cast<std::int64_t>(format.size()) ||
                !read(in, format.data(), format.size()))
                return std::nullopt;
            readFormat(format.data(), info);
            haveFormat = true;
        } else if (std::memcmp(chunk.data(), "data", 4) == 0) {
            info.dataOffset = start;
            // A streamed file may leave the size unset (all ones): trust the file's length.
            info.dataBytes = std::min(size, fileSize - start);
            haveData = true;
        }
        if (haveFormat && haveData)
            return info;
        in.seekg(start + size + (size & 1)); // chunks are padded to an even length
    }
    return std::nullopt;
}

} // namespace racedesk
