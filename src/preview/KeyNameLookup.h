#pragma once

// The preview's key layouts name their keys as the key catalog labels them; this finds the
// lighting button behind a name.

#include <array>
#include <cstddef>
#include <string_view>

namespace keyloom {

inline constexpr int NO_BUTTON = -1;
// The Fn button has no key of its own in the catalog.
inline constexpr std::string_view FN_KEY_NAME = "Fn";

// The lighting button of the key with this catalog label, NO_BUTTON for an empty or unknown name.
int LightingButtonOfName(std::string_view name);

template <size_t N>
std::array<int, N> LightingButtonsOfNames(const std::array<std::string_view, N>& names) {
    std::array<int, N> buttons{};
    for (size_t i = 0; i < N; ++i) {
        buttons[i] = LightingButtonOfName(names[i]);
    }
    return buttons;
}

}  // namespace keyloom
