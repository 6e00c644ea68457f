#pragma once

// How the wave previews start their fronts: the start keys in turn, how often, how far a front
// travels and how fast the keys it passed fade.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace keyloom {

struct WaveScript {
    std::span<const std::string_view> starts;  // catalog labels; "" is a beat without a front
    int beat;                                  // ticks from one entry of the script to the next
    int reach;                                 // grid cells a front travels before it ends
    int fade;                                  // brightness a lit key loses per tick
};

// Fronts on their way at the same time, at most; every script keeps within it.
inline constexpr size_t WAVE_FRONT_CAPACITY = 4;
inline constexpr size_t WAVE_SCRIPT_CAPACITY = 32;

enum class WaveKind : uint8_t {
    kRipple,     // rings spreading from keys all over the keyboard, one at a time
    kReactive,   // a typist: words typed key by key, each press splashing onto its neighbours
    kFireworks,  // short bursts at scattered keys that linger as they fade
    kShockwave,  // one sharp wave from the middle of the letters across the whole keyboard
};

const WaveScript& WaveScriptOf(WaveKind kind);

}  // namespace keyloom
