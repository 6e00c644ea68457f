// The encodings the tool runs on every apply, arrival, backup and restore: key tables, the
// macro image and a full profile file (three profiles, 100 macros).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "BenchMacros.h"
#include "model/DefaultKeyMatrix.h"
#include "model/KeyBlockCodec.h"
#include "model/KeyButtonTable.h"
#include "model/MacroArea.h"
#include "model/WorkingProfile.h"
#include "storage/ProfileFile.h"

namespace keyloom::bench {
namespace {

constexpr int kBlock = 0;
constexpr ScanCode kKeyEsc = 0x01;
constexpr int kFullMacroList = 100;
constexpr int kStrokesPerMacro = 10;

// Every key of the block acts as Escape: each position of the table is encoded.
WorkingProfile RemappedProfile() {
    WorkingProfile profile;
    AssignmentTable table = profile.Assignments();
    for (const KeyButton& button : KeyButtons()) {
        table.SetEntry(kBlock, IndexOfScanCode(button.code), {ASSIGN_KEY, 0, kKeyEsc});
    }
    return profile;
}

int NoMacro(uint32_t) {
    return 0;
}

void EncodeKeyTable(benchmark::State& state) {
    WorkingProfile profile = RemappedProfile();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            EncodeKeyBlock(profile.Assignments(), kBlock, BuiltInDefaultKeyMatrix(), NoMacro));
    }
}

void DecodeKeyTable(benchmark::State& state) {
    WorkingProfile profile = RemappedProfile();
    const KeyBlockBytes encoded =
        EncodeKeyBlock(profile.Assignments(), kBlock, BuiltInDefaultKeyMatrix(), NoMacro);
    WorkingProfile decoded;
    for (auto _ : state) {
        AssignmentTable table = decoded.Assignments();
        DecodeKeyBlock(table, kBlock, encoded.data(), BuiltInDefaultKeyMatrix());
        benchmark::ClobberMemory();
    }
}

void EncodeMacroImage(benchmark::State& state) {
    const MacroList macros = MacrosFilling(MACRO_AREA_MAX_SIZE, kStrokesPerMacro);
    const size_t size = MacroAreaSizes(macros).full;
    for (auto _ : state) {
        benchmark::DoNotOptimize(EncodeMacroArea(macros, size, true));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}

void DecodeMacroImage(benchmark::State& state) {
    const MacroList macros = MacrosFilling(MACRO_AREA_MAX_SIZE, kStrokesPerMacro);
    const auto image = EncodeMacroArea(macros, MacroAreaSizes(macros).full, true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeMacroArea(image, "Macro"));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * image.size()));
}

std::string ProfileFilePath() {
    return (std::filesystem::temp_directory_path() /
            ("keyloom-bench-" + std::to_string(getpid()) + ".qvp"))
        .string();
}

WorkingProfile FullProfile() {
    WorkingProfile profile = RemappedProfile();
    profile.macros = MacrosOf(kFullMacroList, kStrokesPerMacro);
    return profile;
}

// Every save changes the file: a file that already holds the bytes is not written again.
void SaveProfileFile(benchmark::State& state) {
    WorkingProfile profiles[2] = {FullProfile(), FullProfile()};
    profiles[1].macros.front().SetName(profiles[0].macros.front().Name() + "'");
    const std::string path = ProfileFilePath();
    size_t turn = 0;
    for (auto _ : state) {
        if (WriteProfileFile(path, profiles[turn++ % 2]) != PROFILE_FILE_OK) {
            state.SkipWithError("cannot write the profile file");
            break;
        }
    }
    std::filesystem::remove(path);
}

void LoadProfileFile(benchmark::State& state) {
    WorkingProfile profile = FullProfile();
    const std::string path = ProfileFilePath();
    if (WriteProfileFile(path, profile) != PROFILE_FILE_OK) {
        state.SkipWithError("cannot write the profile file");
        return;
    }
    WorkingProfile loaded;
    for (auto _ : state) {
        if (ReadProfileFile(path, loaded) != PROFILE_FILE_OK) {
            state.SkipWithError("cannot read the profile file");
            break;
        }
    }
    std::filesystem::remove(path);
}

BENCHMARK(EncodeKeyTable);
BENCHMARK(DecodeKeyTable);
BENCHMARK(EncodeMacroImage);
BENCHMARK(DecodeMacroImage);
BENCHMARK(SaveProfileFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(LoadProfileFile)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace keyloom::bench
