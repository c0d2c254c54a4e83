#pragma once
#include "core/race/section_file.h"
#include "core/race/working_race_file.h"
#include "race_file_layout.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace racedesk::test {

// An area as a writer lays it down: `n` filler units and the area's line end, with the
// content written over their start.
inline std::string areaBytes(int n, std::string_view content) {
    std::string area = units(n) + "\r\n";
    EXPECT_LT(content.size(), area.size()) << "the content must fit its area";
    area.replace(0, content.size(), content);
    return area;
}

// A new race's working file in a folder of the test's own.
class NewRaceFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(createWorkingRaceFile(path())); }
    std::string path() const { return folder.file("Course.race"); }
    std::string read() const { return folder.read("Course.race"); }
    // The file once a first section is written: the new race's file, then that section at
    // its end.
    std::string withSection(std::string_view title, int n, std::string_view content) const {
        return newRaceFileBytes() + sectionBytes(title, areaBytes(n, content));
    }

    TempFolder folder;
};

} // namespace racedesk::test
