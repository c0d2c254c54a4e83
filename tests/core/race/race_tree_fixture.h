#pragma once
#include "core/race/race_header.h"
#include "core/race/working_race_file.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <string>

namespace racedesk::test {

// A program on fakes whose working race file holds a new race.
class RaceTreeFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(createWorkingRaceFile(p.path(kWorkingRaceFile)));
        p.header = newRaceHeader();
    }

    std::string workingFile() const { return p.path(kWorkingRaceFile); }
    std::string workingBytes() const { return t.folder.read(kWorkingRaceFile); }
    RaceHeader fileHeader() const {
        RaceHeader header;
        EXPECT_TRUE(readRaceHeader(workingFile(), header));
        return header;
    }
    // The header in the file, and in memory as the last notification would have read it.
    void useHeader(const RaceHeader& header) {
        ASSERT_EQ(writeRaceHeader(workingFile(), header), WriteStatus::Written);
        p.header = header;
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& m : t.dialogs.messages)
            texts.push_back(m.text);
        return texts;
    }

    TestProgram t;
    Program& p = t.program;
};

} // namespace racedesk::test
