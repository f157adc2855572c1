// The window of all fields on a catalogue of 500 fields, offscreen: from the
// command to its first cards painted, and to all 500 painted, with the
// memory the window took beyond the editor's own. With "--write DIR" it only
// writes the catalogue and the archive there, for the Windows editor's probe.
#include <QApplication>
#include <QListWidget>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "fielddata/coordinates.h"
#include "fielddata/field_text.h"
#include "fielddata/slot_layout.h"
#include "qt/main_window.h"
#include "tests/support/scripted_platform.h"

namespace {

namespace fs = std::filesystem;
constexpr int kFields = 500;

// Field k: its fielders spread round the ground, turned a little per field.
void writeFields(const fs::path& folder) {
    fs::create_directories(folder);
    std::string archive(std::size_t(kFields) * 2048, '\x55'), catalogue;
    for (int k = 0; k < kFields; ++k) {
        fielddata::FieldTexts texts;
        for (int i = 0; i < fielddata::kFielderCount; ++i)
            texts[i] = {fielddata::formatCoordinate(float((i - 4) * 1.5 + (k % 7) * 0.1)),
                        fielddata::formatCoordinate(float(((i * 3 + k) % 9 - 4) * 1.2)),
                        std::string(fielddata::kAnimationNames[i % 3]), "1"};
        archive.replace(std::size_t(k) * 2048, fielddata::kWritableLength,
                        fielddata::paddedBlock(fielddata::buildFieldText(texts)));
        catalogue.append("Field ").append(std::to_string(k)).append(",").append(std::to_string(k * 2048 + 1)).append("\r\n");
    }
    std::ofstream(folder / "Field.txt", std::ios::binary) << catalogue;
    std::ofstream(folder / "Longstopper.gob", std::ios::binary) << archive;
}

long residentKib() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:")) return std::stol(line.substr(6));
    return 0;
}

double millisSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--write") {
        writeFields(argv[2]);
        return 0;
    }
    QApplication application(argc, argv);
    const fs::path folder = fs::temp_directory_path() / "ringwright-all-fields-bench";
    writeFields(folder);
    ringwright::testing::ScriptedPlatform platform;
    platform.settings["Longstopper/Tunebench/GOB"] = (folder / "Longstopper.gob").string();
    platform.dataFolder = folder / "data";
    ringwright::MainWindow window(platform, folder);
    if (!window.core().Form_Load()) return 1;
    window.show();
    QApplication::processEvents();
    const long before = residentKib();

    const auto start = std::chrono::steady_clock::now();
    window.core().RunTool(ringwright::form::Tool::AllFields);
    auto* list = dynamic_cast<QListWidget*>(window.allFieldsWindow());
    list->repaint();
    const double first = millisSince(start);
    const int firstCards = list->count();
    while (list->count() < kFields) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    list->repaint();
    const double all = millisSince(start);
    std::printf("Qt, %d fields: first %d cards painted in %.1f ms, all in %.1f ms; %.1f MiB beyond the editor's own\n",
                kFields, firstCards, first, all, double(residentKib() - before) / 1024);
    return 0;
}
