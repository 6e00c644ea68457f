// The user lighting file on any file: every value reads within its range, and a colour, the
// paint settings and the preset index written read back as written while the rest of the file
// reads as before.

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "model/KeyButtonTable.h"
#include "storage/UserLightingFile.h"
#include "support/FuzzCheck.h"
#include "support/IniNames.h"
#include "support/ScratchFile.h"

using namespace keyloom;

// Found by argument-dependent lookup from the standard algorithms.
namespace keyloom {

bool operator==(const PresetSettings& a, const PresetSettings& b) {
    return a.tool == b.tool && a.baseColor == b.baseColor && a.color == b.color;
}

bool operator==(const KeyColorEntry& a, const KeyColorEntry& b) {
    return a.color == b.color && a.followsBase == b.followsBase;
}

}  // namespace keyloom

namespace {

// Every read opens and parses the file again, so a run reads the preset in use and the next
// one, and a few LEDs.
constexpr size_t kNameLimit = 8;

struct Snapshot {
    int preset = 0;
    std::vector<std::string> names;  // of the preset in use and the next
    std::vector<PresetSettings> settings;
    std::vector<KeyColorEntry> colors;  // of the LEDs asked for, in the preset in use
};

// LEDs the file names, and the first and the last.
std::vector<int> LedsOf(const std::string& text) {
    std::set<int> leds = {0, LED_COUNT - 1};
    for (const fuzz::IniName& name : fuzz::IniNamesOf(text, kNameLimit)) {
        int led = -1;
        std::from_chars(name.key.data(), name.key.data() + name.key.size(), led);
        if (led >= 0 && led < LED_COUNT) {
            leds.insert(led);
        }
    }
    return {leds.begin(), leds.end()};
}

Snapshot Read(const UserLightingFile& file, const std::vector<int>& leds, int preset) {
    Snapshot snapshot;
    snapshot.preset = file.ReadPresetIndex();
    FUZZ_CHECK(snapshot.preset >= 0 && snapshot.preset < PRESET_COUNT);
    for (const int p : {preset, (preset + 1) % PRESET_COUNT}) {
        snapshot.names.push_back(file.ReadPresetName(p));
        snapshot.settings.push_back(file.ReadPresetSettings(p));
        const int tool = snapshot.settings.back().tool;
        FUZZ_CHECK(tool == TOOL_COLOR || tool == TOOL_BASE_COLOR);
    }
    for (const int led : leds) {
        snapshot.colors.push_back(file.ReadKeyColor(preset, led));
    }
    return snapshot;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteScratchFile("lighting.userd", {data, size});
    const UserLightingFile file(path);
    const std::vector<int> leds = LedsOf(fuzz::IniTextOf(path));
    const int preset = file.ReadPresetIndex();
    Snapshot expected = Read(file, leds, preset);

    // The first LED asked for gets another LED's colour, inverted, with the flag turned over.
    const KeyColorEntry& other = expected.colors.back();
    const KeyColorEntry color{other.color ^ 0xFFFFFFu, !other.followsBase};
    FUZZ_CHECK(file.WriteKeyColor(preset, leds.front(), color));
    expected.colors.front() = color;

    const int next = (preset + 1) % PRESET_COUNT;
    const PresetSettings settings{1 - expected.settings.back().tool, expected.colors.back().color,
                                  color.color};
    FUZZ_CHECK(file.WritePresetSettings(next, settings));
    expected.settings.back() = settings;

    FUZZ_CHECK(file.WritePresetIndex(preset));
    FUZZ_CHECK(!file.WritePresetIndex(PRESET_COUNT) && !file.WriteKeyColor(0, LED_COUNT, color));

    const Snapshot after = Read(file, leds, preset);
    FUZZ_CHECK(after.preset == expected.preset && after.names == expected.names);
    FUZZ_CHECK(after.settings == expected.settings && after.colors == expected.colors);
    return 0;
}
