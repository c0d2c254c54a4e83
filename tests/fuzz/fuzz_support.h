#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What every harness shares: a folder of its own for the files a reader is given, and the
// checks that stop the fuzzer on a reader that changed or lost what it read.
namespace racedesk::fuzz {

// A temporary folder made once per process, removed at its exit.
const std::string& scratchFolder();
// The file `name` of the scratch folder.
std::string scratchFile(const std::string& name);

// Puts exactly these bytes into the file.
void putFile(const std::string& path, std::string_view bytes);
std::string fileBytes(const std::string& path);

std::string_view bytesOf(const std::uint8_t* data, std::size_t size);

// Stops the run with a finding when the two differ: a round trip that changed something.
void expectSame(std::string_view first, std::string_view second, const char* what);
// Stops the run with a finding when the condition does not hold.
void expect(bool condition, const char* what);

// The input taken apart: a few leading bytes choose what the harness does, the rest is a file.
class InputSplitter {
public:
    InputSplitter(const std::uint8_t* data, std::size_t size) : data_(bytesOf(data, size)) {}
    // The next byte of the input, 0 once it is used up.
    std::uint8_t byte();
    // The next `n` bytes (fewer at the end).
    std::string_view take(std::size_t n);
    std::string_view rest();

private:
    std::string_view data_;
};

} // namespace racedesk::fuzz
