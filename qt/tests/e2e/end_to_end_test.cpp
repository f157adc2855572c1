// The real editor on an Xvfb display, driven by xdotool: a drag and a save
// end in the archive's bytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "fielddata/archive_slot.h"
#include "fielddata/field_text.h"
#include "fielddata/tests/temp_dir.h"

namespace {

using namespace testing_support;

bool found(const char* program) {
    return std::system(("command -v " + std::string(program) + " >/dev/null 2>&1").c_str()) == 0;
}

TEST(EndToEnd, DragThenSaveWritesTheDraggedCoordinatesIntoTheSlot) {
    for (const char* program : {"xvfb-run", "xdotool", "import"})
        ASSERT_TRUE(found(program)) << program << " is missing: run the test command of the README";
    TempDir dir;
    const auto archive = dir / "Longstopper.gob";
    std::filesystem::copy_file(RINGWRIGHT_DEMO_ARCHIVE, archive);
    std::filesystem::create_directories(dir / "config");
    std::ofstream(dir / "config" / "Longstopper.ini") << "[Tunebench]\nGOB=" << archive.string() << "\n";
    const std::string before = readBytes(archive);

    const std::string command = "XDG_CONFIG_HOME='" + (dir / "config").string() + "' XDG_DATA_HOME='" +
                                (dir / "data").string() + "' timeout 50 xvfb-run -a -s '-screen 0 1440x700x24' '" RINGWRIGHT_E2E_SCRIPT "' '" +
                                RINGWRIGHT_EXECUTABLE + "' '" RINGWRIGHT_SCREENSHOT "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const std::string after = readBytes(archive);
    ASSERT_EQ(after.size(), before.size());
    const std::size_t slot = 4097 - 1;  // the first demo field
    EXPECT_EQ(after.substr(0, slot), before.substr(0, slot));
    EXPECT_EQ(after.substr(slot + fielddata::kWritableLength), before.substr(slot + fielddata::kWritableLength));

    // The field as it was is kept once, and no journal is left.
    const auto backups = dir / "data" / "Ringwright" / "backups" / "Longstopper.gob";
    ASSERT_EQ(std::distance(std::filesystem::directory_iterator(backups), {}), 1);
    EXPECT_EQ(readBytes(std::filesystem::directory_iterator(backups)->path()),
              before.substr(slot, fielddata::kWritableLength));
    EXPECT_FALSE(std::filesystem::exists(dir / "Longstopper.gob.ringwright-journal"));

    const auto reading = fielddata::readFieldText(after.substr(slot, fielddata::kSlotLength));
    ASSERT_FALSE(reading.failure);
    std::string x, z;
    for (const auto& box : reading.filled) {
        if (box.fielder == 0 && box.box == fielddata::FielderBox::X) x = box.text;
        if (box.fielder == 0 && box.box == fielddata::FielderBox::Z) z = box.text;
    }
    // 30 pixels right and 20 up: Left 3450 and Top 3300 twips.
    EXPECT_EQ(x, "-1.200000");
    EXPECT_EQ(z, "-0.800000");
}

}  // namespace
