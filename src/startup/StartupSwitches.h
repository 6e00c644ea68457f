#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/InstanceChannel.h"

namespace keyloom {

// What the command line asks for. Arguments that are none of these are ignored.
struct StartupSwitches {
    // "/Start", letter case ignored: start hidden and do not show the window when a keyboard
    // arrives.
    bool startHidden = false;
    // "/Kill", letter case ignored: ask the running instance to exit, then end.
    bool kill = false;
    // "--simulate": use the virtual keyboard.
    bool simulate = false;
    // "--send MESSAGE": hand the message to the running instance, then end. The first one counts.
    std::optional<InstanceRequest> send;
    // A "--send" without a message that ParseSentMessage understands.
    bool invalid = false;
};

// `args`: the arguments after the program name.
StartupSwitches ParseStartupSwitches(const std::vector<std::string>& args);

// The message of a "--send": "apply" (message 0x001E, start an apply) or "update" (command 32780,
// open the firmware update dialog), letter case ignored; the running instance takes no other.
std::optional<InstanceRequest> ParseSentMessage(std::string_view text);

}  // namespace keyloom
