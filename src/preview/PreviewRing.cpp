#include "preview/PreviewRing.h"

#include <array>
#include <string_view>

#include "preview/KeyNameLookup.h"

namespace keyloom {
namespace {

constexpr std::array<std::string_view, PREVIEW_RING_SIZE> kNames = {
    "Pause", "Backspace", "=",           "-",       "0",         "9",   "8",   "7",         "6",
    "5",     "4",         "3",           "2",       "1",         "Esc", "Tab", "Caps Lock", "Shift",
    "Ctrl",  "Win",       "Alt",         "Space",   "Right Alt", "Fn",  "App", "←",         "↓",
    "→",     "Delete",    "Page Down",   "Page Up", "\\",        "]",   "[",   "P",         "O",
    "I",     "U",         "Y",           "T",       "R",         "E",   "W",   "Q",         "A",
    "K45",   "Z",         "X",           "C",       "V",         "B",   "N",   "M",         ",",
    ".",     "/",         "Right Shift", "↑",       "Enter",     "'",   ";",   "L",         "K",
    "J",     "H",         "G",           "F",       "D",         "S"};

struct ResolvedRing {
    std::array<int, PREVIEW_RING_SIZE> buttons;
    std::array<GroupedButton, PREVIEW_RING_SIZE> places;
};

ResolvedRing Resolve() {
    ResolvedRing ring{LightingButtonsOfNames(kNames), {}};
    for (size_t i = 0; i < PREVIEW_RING_SIZE; ++i) {
        ring.places[i] = {ring.buttons[i], static_cast<int>(i)};
    }
    return ring;
}

// Resolved once, on first use.
const ResolvedRing& Resolved() {
    static const ResolvedRing ring = Resolve();
    return ring;
}

}  // namespace

std::span<const int, PREVIEW_RING_SIZE> PreviewRing() {
    return Resolved().buttons;
}

ButtonGroups RingPlaces() {
    return Resolved().places;
}

}  // namespace keyloom
