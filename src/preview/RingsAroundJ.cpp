#include "preview/RingsAroundJ.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "preview/KeyNameLookup.h"

namespace keyloom {
namespace {

using Ring = std::span<const std::string_view>;

constexpr std::string_view kRing0[] = {"J"};
constexpr std::string_view kRing1[] = {"U", "I", "H", "K", "N", "M"};
constexpr std::string_view kRing2[] = {"7", "8", "9", "Y", "O", "G", "L", "B", ",", "Space"};
constexpr std::string_view kRing3[] = {"6", "0", "T", "P", "F", ";", "V", ".", "Right Alt"};
constexpr std::string_view kRing4[] = {"5", "-", "R", "[", "D", "'", "C", "/", "Fn"};
constexpr std::string_view kRing5[] = {"4", "=", "E", "]", "S", "X", "Right Shift", "App"};
constexpr std::string_view kRing6[] = {"3", "W", "Enter", "A", "Z", "Alt", "←"};
constexpr std::string_view kRing7[] = {"2", "\\", "Backspace", "Q", "↑", "Win", "↓", "K45"};
constexpr std::string_view kRing8[] = {"1", "Tab", "Caps Lock", "Shift"};
constexpr std::string_view kRing9[] = {"Esc", "Page Up", "Page Down", "Delete", "Ctrl"};
constexpr std::string_view kRing10[] = {"Pause", "→"};

constexpr std::array<Ring, RINGS_AROUND_J> kRings = {kRing0, kRing1, kRing2, kRing3, kRing4, kRing5,
                                                     kRing6, kRing7, kRing8, kRing9, kRing10};

constexpr size_t CountKeys() {
    size_t count = 0;
    for (Ring ring : kRings) {
        count += ring.size();
    }
    return count;
}

using ResolvedRings = std::array<GroupedButton, CountKeys()>;

ResolvedRings Resolve() {
    ResolvedRings keys{};
    size_t next = 0;
    for (int ring = 0; ring < RINGS_AROUND_J; ++ring) {
        for (std::string_view name : kRings[ring]) {
            keys[next++] = {LightingButtonOfName(name), ring};
        }
    }
    return keys;
}

}  // namespace

ButtonGroups RingsAroundJ() {
    static const ResolvedRings keys = Resolve();  // resolved once, on first use
    return keys;
}

}  // namespace keyloom
