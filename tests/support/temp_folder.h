#pragma once
#include <string>

namespace racedesk::test {

// A folder of its own for one test, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    std::string read(const std::string& name) const;
    void write(const std::string& name, const std::string& contents) const;
    bool exists(const std::string& name) const;

private:
    std::string path_;
};

} // namespace racedesk::test
