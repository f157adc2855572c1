#pragma once
// An editor on a catalogue and an archive of the test's own, in a fresh
// folder, with the scripted platform answering for the user and a fake view
// standing for the windows.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "editor/frm_main.h"
#include "editor/pointer_buttons.h"
#include "fielddata/slot_layout.h"
#include "fielddata/coordinates.h"
#include "fielddata/field_text.h"
#include "tests/support/fake_view.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/temp_dir.h"

namespace ringwright::testing {

using testing_support::readBytes;
using testing_support::TempDir;
using testing_support::writeBytes;
using Messages = std::vector<ShownMessage>;

constexpr fielddata::FieldOffset kFirstSlot = 4097, kSecondSlot = 8193;

// The messages as the player sees them: a red cross with OK, an "i" with OK.
inline ShownMessage critical(const std::string& text) { return {text, 16, "Ringwright"}; }
inline ShownMessage information(const std::string& text) { return {text, 64, "Ringwright"}; }
inline const ShownMessage kSureToSave{"Are you sure to save this field", 36, "Ringwright"};

// Fielder i stands at X = i - 4 + shift, Z = 4 - i / 2, animation i % 3, value "1i".
inline fielddata::FieldTexts sampleTexts(double shift = 0) {
    const char* animations[] = {"Basic04b.anm", "Slip01.anm", "Close01.anm"};
    fielddata::FieldTexts texts;
    for (int i = 0; i < 9; ++i)
        texts[i] = {fielddata::formatCoordinate(float(i - 4 + shift)), fielddata::formatCoordinate(float(4 - i / 2.0)),
                    animations[i % 3], "1" + std::to_string(i)};
    return texts;
}

// 16384 bytes that no save writes, with the sample field at 4097 and, half a
// unit to the right, at 8193.
inline std::string archiveWithFields() {
    std::string bytes(16384, '\0');
    for (std::size_t k = 0; k < bytes.size(); ++k) bytes[k] = char(0x80 | (k * 37 % 127));
    for (auto [offset, shift] : {std::pair{kFirstSlot, 0.0}, std::pair{kSecondSlot, 0.5}})
        bytes.replace(std::size_t(offset) - 1, 2040, fielddata::paddedBlock(fielddata::buildFieldText(sampleTexts(shift))));
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

    // Starts the editor as the program does, with the archive path stored:
    // a start of its own, with fresh windows, each time.
    bool start(bool withStoredPath = true) {
        if (!std::filesystem::exists(catalogue)) writeDefaultFiles();
        if (withStoredPath) platform.settings["Longstopper/Tunebench/GOB"] = archive.string();
        window.reset();
        view = FakeMainView{};
        window = std::make_unique<frmMain>(view, platform, dir.path());
        window->Form_Initialize();
        return window->Form_Load();
    }
    void choose(int entry) {
        view.setListIndex(kCboFieldList, entry);
        window->cboFieldList_Click();
    }
    // Fielder i's X and Z boxes, as "X Z".
    std::string xz(int i) const { return view.text(txtX(i)) + " " + view.text(txtZ(i)); }
    // Fielder i as the player sees it: "X Z at Left,Top", the marker in twips.
    std::string fielder(int i) const {
        std::ostringstream shown;
        shown << xz(i) << " at " << view.markers[i].left << "," << view.markers[i].top;
        return shown.str();
    }
    std::vector<std::string> texts(Control box) const {
        std::vector<std::string> all;
        for (int i = 0; i < 9; ++i) all.push_back(view.text({box, i}));
        return all;
    }
    std::string slotBytes(fielddata::FieldOffset offset) const {
        return readBytes(archive).substr(std::size_t(offset) - 1, 2040);
    }
    // Presses at (30, 45) twips inside a marker, moves by `by` and lets go.
    template <class Window>
    static void drag(Window& window, int i, TwipsPoint by, int button = button::kLeft) {
        window.lblFielder_MouseDown(i, button, 0, 30, 45);
        window.lblFielder_MouseMove(i, button, 0, 30 + by.left, 45 + by.top);
        window.lblFielder_MouseUp(i, button, 0, 30 + by.left, 45 + by.top);
    }
};

}  // namespace ringwright::testing
