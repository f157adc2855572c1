// The windows' costs with the offscreen platform: loading a field into the
// controls, re-placing the markers on a key release, one pointer move on a
// held marker with its repaint, and the zoom view's refresh.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <filesystem>
#include <fstream>

#include "fielddata/slot_layout.h"
#include "fielddata/coordinates.h"
#include "fielddata/field_text.h"
#include "tests/support/scripted_platform.h"
#include "qt/ground_view.h"
#include "qt/main_window.h"

namespace {

namespace fs = std::filesystem;
using ringwright::MainWindow;
using ringwright::testing::ScriptedPlatform;

struct Editor {
    ScriptedPlatform platform;
    fs::path folder = fs::temp_directory_path() / "ringwright-window-bench";
    std::unique_ptr<MainWindow> window;

    Editor() {
        fs::create_directories(folder);
        fielddata::FieldTexts texts;
        for (int i = 0; i < fielddata::kFielderCount; ++i)
            texts[i] = {fielddata::formatCoordinate(float(i) / 4), fielddata::formatCoordinate(float(-i) / 4),
                        std::string(fielddata::kAnimationNames[i % 3]), "1"};
        std::string archive(8192, '\x55');
        archive.replace(0, fielddata::kWritableLength, fielddata::paddedBlock(fielddata::buildFieldText(texts)));
        std::ofstream(folder / "Field.txt", std::ios::binary) << "Bench,1\r\n";
        std::ofstream(folder / "a.gob", std::ios::binary) << archive;
        platform.settings["Longstopper/Tunebench/GOB"] = (folder / "a.gob").string();
        window = std::make_unique<MainWindow>(platform, folder);
        window->core().Form_Load();
        window->show();
        QApplication::processEvents();
    }
};

void BM_LoadFieldIntoControls(benchmark::State& state) {
    Editor editor;
    for (auto _ : state) {
        editor.window->core().cboFieldList_Click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_LoadFieldIntoControls)->Unit(benchmark::kMicrosecond);

void BM_KeyReleasePlacesAllMarkers(benchmark::State& state) {
    Editor editor;
    for (auto _ : state) {
        editor.window->core().txtX_KeyUp(0, 0, 0);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_KeyReleasePlacesAllMarkers)->Unit(benchmark::kMicrosecond);

// A held marker moved back and forth by a pixel, each move repainted.
void moveHeldMarker(Editor& editor, benchmark::State& state) {
    QWidget* marker = editor.window->lblFielder[4];
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), marker->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(marker, &press);
    int step = 0;
    for (auto _ : state) {
        const QPointF at(2 + (step++ % 2 ? 1 : -1), 2);
        QMouseEvent move(QEvent::MouseMove, at, marker->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(marker, &move);
        editor.window->Picture1->repaint();
    }
}

void BM_PointerMoveOnHeldMarker(benchmark::State& state) {
    Editor editor;
    moveHeldMarker(editor, state);
}
BENCHMARK(BM_PointerMoveOnHeldMarker)->Unit(benchmark::kMicrosecond);

// The same move with the position names hidden: the difference is what
// naming the nine fielders and showing their captions costs.
void BM_PointerMoveOnHeldMarkerNamesHidden(benchmark::State& state) {
    Editor editor;
    editor.platform.configFolder = editor.folder / "config";
    editor.window->core().RunTool(ringwright::form::Tool::PositionNames);
    moveHeldMarker(editor, state);
    std::filesystem::remove_all(editor.folder / "config");
}
BENCHMARK(BM_PointerMoveOnHeldMarkerNamesHidden)->Unit(benchmark::kMicrosecond);

void BM_UpdateFieldPosition(benchmark::State& state) {
    Editor editor;
    editor.window->core().cmdZoom_Click();
    for (auto _ : state) {
        editor.window->core().zoom().UpdateFieldPosition();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_UpdateFieldPosition)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
