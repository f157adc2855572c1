#include "platform/wine_registry.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

using namespace ringwright;
using testing_support::TempDir;
using testing_support::writeBytes;

namespace {

constexpr char kKey[] = "Software\\VB and VBA Program Settings\\Longstopper\\Tunebench";

// A prefix of our own: user.reg as Wine writes it, and drive C: as a link.
struct Prefix {
    TempDir dir;
    Prefix(const std::string& entries) {
        writeBytes(dir / "user.reg", "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21\n\n"
                                     "#arch=win64\n\n[Software\\\\Wine\\\\Explorer] 1700000000\n\"Desktop\"=\"Default\"\n\n" +
                                         entries);
        std::filesystem::create_directories(dir / "dosdevices");
        std::filesystem::create_directories(dir / "drive_c");
        std::filesystem::create_symlink("../drive_c", dir / "dosdevices" / "c:");
    }
};

}  // namespace

TEST(WineRegistry, ThePathIsReadWithItsEscapesAndFoundThroughTheDriveLinks) {
    const Prefix prefix("[Software\\\\VB and VBA Program Settings\\\\Longstopper\\\\Tunebench] 1700000001\n"
                        "#time=1da1c2b3d4e5f60\n\"Other\"=\"x\"\n"
                        // Before a hex digit Wine writes all four digits: \x00f3 then "d".
                        "\"GOB\"=\"C:\\\\Gry\\\\\\x141\\x00f3d\\x17a \\\"Q\\\"\\\\Longstopper.gob\"\n");
    const auto stored = readWineSetting(prefix.dir.path(), kKey, "gob");
    ASSERT_TRUE(stored);
    EXPECT_EQ(*stored, "C:\\Gry\\\xC5\x81\xC3\xB3" "d\xC5\xBA \"Q\"\\Longstopper.gob");
    EXPECT_EQ(linuxPathOf(prefix.dir.path(), *stored),
              prefix.dir / "drive_c" / "Gry" / "\xC5\x81\xC3\xB3" "d\xC5\xBA \"Q\"" / "Longstopper.gob");
    // On the disk in another letter case, as Wine finds it: "ŁÓDŹ Ę" for "łódź ę".
    const auto game = prefix.dir / "drive_c" / "Games" / "\xC5\x82\xC3\xB3" "d\xC5\xBA \xC4\x99" / "LongStopper.gob";
    std::filesystem::create_directories(game.parent_path());
    writeBytes(game, "GOB");
    EXPECT_EQ(linuxPathOf(prefix.dir.path(), "c:\\GAMES\\\xC5\x81\xC3\x93" "D\xC5\xB9 \xC4\x98\\longstopper.GOB"), game);
    EXPECT_EQ(linuxPathOf(prefix.dir.path(), "D:\\Longstopper.gob"), std::nullopt);  // no such drive link
    EXPECT_EQ(linuxPathOf(prefix.dir.path(), "\\\\server\\share\\a.gob"), std::nullopt);
    EXPECT_EQ(readWineSetting(prefix.dir.path(), "Software\\Other", "GOB"), std::nullopt);
}
