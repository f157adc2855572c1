// The field data core's costs: building and reading a block, one slot read
// and write on a small and on a 4 GiB sparse archive, export and import.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include <sstream>

#include "cli/commands.h"
#include "fielddata/archive.h"
#include "fielddata/slot_layout.h"
#include "fielddata/coordinates.h"
#include "fielddata/exchange_file.h"
#include "fielddata/field_text.h"

namespace {

namespace fs = std::filesystem;

fielddata::FieldTexts sampleTexts() {
    fielddata::FieldTexts texts;
    for (int i = 0; i < fielddata::kFielderCount; ++i)
        texts[i] = {fielddata::formatCoordinate(float(i) - 4.25f), fielddata::formatCoordinate(1.5f - float(i) / 3),
                    std::string(fielddata::kAnimationNames[i % 3]), std::to_string(i + 1)};
    return texts;
}

fs::path benchFolder() {
    const fs::path folder = fs::temp_directory_path() / "ringwright-bench";
    fs::create_directories(folder);
    return folder;
}

// An archive of `length` bytes, sparse beyond its first slot.
fs::path archiveOf(std::uintmax_t length) {
    const fs::path path = benchFolder() / ("archive-" + std::to_string(length) + ".gob");
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        << fielddata::paddedBlock(fielddata::buildFieldText(sampleTexts()));
    fs::resize_file(path, length);
    return path;
}

void BM_BuildFieldText(benchmark::State& state) {
    const auto texts = sampleTexts();
    for (auto _ : state) benchmark::DoNotOptimize(fielddata::buildFieldText(texts));
}
BENCHMARK(BM_BuildFieldText);

void BM_ReadFieldText(benchmark::State& state) {
    std::string slot = fielddata::paddedBlock(fielddata::buildFieldText(sampleTexts()));
    slot.resize(fielddata::kSlotLength, '\xA0');
    for (auto _ : state) benchmark::DoNotOptimize(fielddata::readFieldText(slot));
}
BENCHMARK(BM_ReadFieldText);

// The slot lies near the archive's end, so a copy or a scan of the archive
// would show in the time.
void BM_SlotReadAndWrite(benchmark::State& state) {
    const std::uintmax_t length = std::uintmax_t(state.range(0)) << 20;
    const fs::path archive = archiveOf(length);
    const auto offset = fielddata::FieldOffset(std::min<std::uintmax_t>(length - 4096, 0x7FFFF000));
    const std::string block = fielddata::buildFieldText(sampleTexts());
    for (auto _ : state) {
        auto opened = fielddata::Archive::open(archive, benchFolder() / "data");
        if (!opened || !opened.value().save({offset, block, "Bench"})) state.SkipWithError("write failed");
        auto slot = opened.value().readSlot(offset);
        if (!slot) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(slot);
    }
    fs::remove(archive);
}
BENCHMARK(BM_SlotReadAndWrite)->Arg(1)->Arg(4096)->Unit(benchmark::kMicrosecond);

void BM_Export(benchmark::State& state) {
    const fs::path target = benchFolder() / "field.opt";
    const std::string block = fielddata::buildFieldText(sampleTexts());
    for (auto _ : state)
        if (!fielddata::writeExchangeFile(target, block)) state.SkipWithError("export failed");
}
BENCHMARK(BM_Export)->Unit(benchmark::kMicrosecond);

void BM_Import(benchmark::State& state) {
    const fs::path source = benchFolder() / "field.opt";
    (void)fielddata::writeExchangeFile(source, fielddata::buildFieldText(sampleTexts()));
    for (auto _ : state) benchmark::DoNotOptimize(fielddata::readExchangeFile(source));
}
BENCHMARK(BM_Import)->Unit(benchmark::kMicrosecond);

}  // namespace

// describe against check of one archive of 1000 fields, output discarded.
void BM_CheckAndDescribe1000Fields(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "ringwright-describe-bench";
    std::filesystem::create_directories(folder);
    std::string archive(2048 * 1000, '\0'), catalogue;
    for (int k = 0; k < 1000; ++k) {
        archive.replace(std::size_t(k) * 2048, fielddata::kWritableLength, fielddata::paddedBlock(fielddata::buildFieldText(sampleTexts())));
        catalogue += "\"Field " + std::to_string(k) + "\"," + std::to_string(k * 2048 + 1) + "\r\n";
    }
    std::ofstream(folder / "a.gob", std::ios::binary) << archive;
    std::ofstream(folder / "Field.txt", std::ios::binary) << catalogue;
    std::ostringstream out, err;
    const ringwright::cli::Context context{folder / "Field.txt", folder / "data", false, out, err};
    for (auto _ : state) {
        out.str({});
        if (state.range(0) == 0) ringwright::cli::check(context, folder / "a.gob");
        else ringwright::cli::describe(context, folder / "a.gob", "", {});
    }
    state.SetLabel(state.range(0) == 0 ? "check" : "describe");
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_CheckAndDescribe1000Fields)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
