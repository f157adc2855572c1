#pragma once
// An editor on a catalogue and an archive of the test's own, in a fresh
// folder, with the scripted platform answering for the user and a fake view
// standing for the windows.
#include <gtest/gtest.h>

#include <memory>

#include "fielddata/archive_slot.h"
#include "fielddata/coordinates.h"
#include "fielddata/field_text.h"
#include "tests/support/temp_dir.h"
#include "editor/frm_main.h"
#include "tests/support/fake_view.h"
#include "tests/support/scripted_platform.h"

namespace ringwright::testing {

using testing_support::readBytes;
using testing_support::TempDir;
using testing_support::writeBytes;

constexpr fielddata::FieldOffset kFirstSlot = 4097;
constexpr fielddata::FieldOffset kSecondSlot = 8193;
constexpr std::size_t kArchiveLength = 16384;

// Fielder i stands at X = i - 4, Z = 4 - i / 2, animation i % 3, value "1i".
inline fielddata::FieldTexts sampleTexts(double shift = 0) {
    fielddata::FieldTexts texts;
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        texts[i] = {fielddata::formatCoordinate(float(i - 4 + shift)), fielddata::formatCoordinate(float(4 - i / 2.0)),
                    std::string(fielddata::kAnimationNames[i % 3]), "1" + std::to_string(i)};
    }
    return texts;
}

// Bytes that no save writes: every byte differs from its neighbours' pattern.
inline std::string fillerArchive() {
    std::string bytes(kArchiveLength, '\0');
    for (std::size_t k = 0; k < bytes.size(); ++k) bytes[k] = char(0x80 | (k * 37 % 127));
    return bytes;
}

inline std::string archiveWithFields() {
    std::string bytes = fillerArchive();
    for (auto [offset, shift] : {std::pair{kFirstSlot, 0.0}, std::pair{kSecondSlot, 0.5}})
        bytes.replace(std::size_t(offset) - 1, fielddata::kWritableLength,
                      fielddata::paddedBlock(fielddata::buildFieldText(sampleTexts(shift))));
    return bytes;
}

class EditorTest : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPlatform platform;
    FakeMainView view;
    std::unique_ptr<frmMain> window;
    std::filesystem::path archive = dir / "Longstopper.gob";
    std::filesystem::path catalogue = dir / "Field.txt";

    EditorTest() {
        platform.dataFolder = dir / "data";
        platform.clientAreas = {{kGroundHandle, {4, 34, 405, 435}}, {kZoomHandle, {40, 60, 434, 428}}};
    }

    void writeDefaultFiles() {
        writeBytes(catalogue, "\"Deep, Fine\",4097\r\nSecond,8193\r\n");
        writeBytes(archive, archiveWithFields());
    }

    // Starts the editor as the program does, with the archive path stored.
    bool start(bool withStoredPath = true) {
        if (!std::filesystem::exists(catalogue)) writeDefaultFiles();
        if (withStoredPath) platform.settings["Longstopper/Tunebench/GOB"] = archive.string();
        window = std::make_unique<frmMain>(view, platform, dir.path());
        window->Form_Initialize();
        return window->Form_Load();
    }

    std::string slotBytes(fielddata::FieldOffset offset) const {
        return readBytes(archive).substr(std::size_t(offset) - 1, fielddata::kSlotLength);
    }
};

}  // namespace ringwright::testing
