#pragma once

#include <atomic>
#include <mutex>

#include "session/WindowPort.h"

namespace keyloom {

// Values shared by every thread of the tool for one keyboard.
struct AppContext {
    WindowPort* window = nullptr;
    // 1: the first arrival of a keyboard does not show the window.
    std::atomic<int> noAutoShow{0};
    // The keyboard's active profile, -1 until read.
    std::atomic<int> activeProfileCache{-1};
    // Macro memory of the keyboard in bytes; 0 until a keyboard was seen.
    std::atomic<unsigned> macroCapacity{0};
    // The device count last handled.
    std::atomic<unsigned> deviceCount{0};

    // Guards the working profile. Taken before deviceImageLock by code that needs both; both
    // are re-entrant for the thread that holds them.
    std::recursive_mutex profileLock;
    // Guards the snapshot written to the keyboard.
    std::recursive_mutex deviceImageLock;
};

}  // namespace keyloom
