// The real editor on an Xvfb display, driven by xdotool: a drag and a save
// end in the archive's bytes. Its keys and what they do are the front-end
// and editor tests' own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "tests/support/slot_boxes.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace testing_support;

bool found(const char* program) {
    return std::system(("command -v " + std::string(program) + " >/dev/null 2>&1").c_str()) == 0;
}

TEST(EndToEnd, DragThenSaveWritesTheDraggedCoordinatesIntoTheSlot) {
    for (const char* program : {"xvfb-run", "xdotool", "import", "openbox"})
        ASSERT_TRUE(found(program)) << program << " is missing: run the test command of the README";
    TempDir dir;
    const auto archive = dir / "Longstopper.gob";
    std::filesystem::copy_file(RINGWRIGHT_DEMO_ARCHIVE, archive);
    std::filesystem::create_directories(dir / "config");
    std::ofstream(dir / "config" / "Longstopper.ini") << "[Tunebench]\nGOB=" << archive.string() << "\n";

    const std::string command = "XDG_CONFIG_HOME='" + (dir / "config").string() + "' XDG_DATA_HOME='" +
                                (dir / "data").string() + "' timeout 80 xvfb-run -a -n 130 -s '-screen 0 1440x700x24' '" RINGWRIGHT_E2E_SCRIPT "' '" +
                                RINGWRIGHT_EXECUTABLE + "' '" RINGWRIGHT_SCREENSHOT "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    // The first demo field's slot; 30 pixels right and 20 up: Left 3450 and Top 3300 twips.
    const std::string slot = readBytes(archive).substr(4097 - 1, 2048);
    EXPECT_EQ(xzInSlot(slot, 0), "-1.200000 -0.800000");
    EXPECT_EQ(xzInSlot(slot, 1), "0.900000 -1.900000");  // fielder 1 as it was
}

}  // namespace
