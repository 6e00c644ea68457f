#include "preview/WaveScripts.h"

#include <array>

namespace keyloom {
namespace {

constexpr std::string_view kRippleStarts[] = {"J", "Num 5", "3", "Enter", "Space", "F7"};
// W A S D, H E L L O, J U M P, Space, G G, with pauses between the words.
constexpr std::string_view kTypedWords[] = {"W", "A", "S", "D",     "", "",  "H", "E",
                                            "L", "L", "O", "",      "", "J", "U", "M",
                                            "P", "",  "",  "Space", "", "",  "G", "G"};
constexpr std::string_view kFireworkStarts[] = {"R",       "Num 8", "O",   "F3",    "B",
                                                "Page Up", "Num 2", "F11", "Space", "7"};
constexpr std::string_view kShockwaveStarts[] = {"H"};

// By WaveKind; a tick is 50 ms.
constexpr std::array<WaveScript, 4> kScripts = {{
    {kRippleStarts, 12, 16, 32},
    {kTypedWords, 3, 1, 24},
    {kFireworkStarts, 6, 3, 16},
    {kShockwaveStarts, 24, 18, 40},
}};

// A front lives reach + 1 ticks; no more of them may be under way than there is room for.
constexpr bool FitsCapacity(const WaveScript& script) {
    const size_t fronts = static_cast<size_t>((script.reach + script.beat) / script.beat);
    return fronts <= WAVE_FRONT_CAPACITY && script.starts.size() <= WAVE_SCRIPT_CAPACITY;
}

constexpr bool AllFitCapacity() {
    for (const WaveScript& script : kScripts) {
        if (!FitsCapacity(script)) {
            return false;
        }
    }
    return true;
}
static_assert(AllFitCapacity());

}  // namespace

const WaveScript& WaveScriptOf(WaveKind kind) {
    return kScripts[static_cast<size_t>(kind)];
}

}  // namespace keyloom
