#include "core/app/share_folder.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::TempFolder;

TEST(ShareFolder, installedProgramFindsItsOwnFolderAndTheBuildFolderItsShare) {
    TempFolder root;
    root.write("usr/bin/racedesk", "program");
    root.write("usr/share/racedesk/sons/beep1.wav", "RIFF");
    root.write("usr/share/applications/racedesk.desktop", "[Desktop Entry]");
    EXPECT_EQ(shareFolderFor(root.file("usr/bin")), root.file("usr/share/racedesk"))
        << "an installed program never takes the whole share/ of its prefix";

    root.write("build/bin/racedesk", "program");
    root.write("build/share/sons/beep1.wav", "RIFF");
    EXPECT_EQ(shareFolderFor(root.file("build/bin")), root.file("build/share"));
}

} // namespace
} // namespace racedesk
