#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace racedesk::fuzz {
namespace {

// Removes the folder when the fuzzer exits normally.
struct Scratch {
    std::string path;
    Scratch() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "racedesk-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("racedesk fuzz: no temporary folder");
            std::abort();
        }
        path = pattern;
    }
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

} // namespace

const std::string& scratchFolder() {
    static const Scratch scratch;
    return scratch.path;
}

std::string scratchFile(const std::string& name) {
    return scratchFolder() + "/" + name;
}

void putFile(const std::string& path, std::string_view bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    expect(bool(out), "the scratch file could not be written");
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

void expectSame(std::string_view first, std::string_view second, const char* what) {
    if (first == second)
        return;
    std::size_t at = 0;
    while (at < first.size() && at < second.size() && first[at] == second[at])
        ++at;
    std::fprintf(stderr, "racedesk fuzz: %s: differs at byte %zu of %zu / %zu\n", what, at,
                 first.size(), second.size());
    std::abort();
}

void expect(bool condition, const char* what) {
    if (condition)
        return;
    std::fprintf(stderr, "racedesk fuzz: %s\n", what);
    std::abort();
}

std::uint8_t InputSplitter::byte() {
    if (data_.empty())
        return 0;
    const auto b = static_cast<std::uint8_t>(data_.front());
    data_.remove_prefix(1);
    return b;
}

std::string_view InputSplitter::take(std::size_t n) {
    const std::string_view part = data_.substr(0, n);
    data_.remove_prefix(part.size());
    return part;
}

std::string_view InputSplitter::rest() {
    return take(data_.size());
}

} // namespace racedesk::fuzz
