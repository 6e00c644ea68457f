#pragma once

// Everything a lighting operation works with: the keyboard, the state in memory, the window and
// the user's lighting files.

#include "device/ReportExchange.h"
#include "session/LightingDisplay.h"
#include "session/LightingState.h"
#include "storage/UserDataFolder.h"

namespace keyloom {

struct LightingContext {
    ReportExchange& exchange;
    LightingState& state;
    LightingDisplay& display;
    const UserDataFolder& files;
};

}  // namespace keyloom
