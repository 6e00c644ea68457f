#include "startup/StartupSwitches.h"

#include "platform/IniDocument.h"
#include "session/WindowMessages.h"

namespace keyloom {

namespace {

struct NamedMessage {
    std::string_view name;
    InstanceRequest request;
};

constexpr NamedMessage kNamedMessages[] = {
    {"apply", {MSG_APPLY, 0, 0}},
    {"update", {MSG_COMMAND, CMD_ID_FIRMWARE_UPDATE, 0}},
};

}  // namespace

std::optional<InstanceRequest> ParseSentMessage(std::string_view text) {
    for (const auto& named : kNamedMessages) {
        if (EqualsIgnoringAsciiCase(text, named.name)) {
            return named.request;
        }
    }
    return std::nullopt;
}

StartupSwitches ParseStartupSwitches(const std::vector<std::string>& args) {
    StartupSwitches switches;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (EqualsIgnoringAsciiCase(arg, "/Start")) {
            switches.startHidden = true;
        } else if (EqualsIgnoringAsciiCase(arg, "/Kill")) {
            switches.kill = true;
        } else if (arg == "--simulate") {
            switches.simulate = true;
        } else if (arg == "--send") {
            const auto message = i + 1 < args.size() ? ParseSentMessage(args[++i]) : std::nullopt;
            switches.invalid = switches.invalid || !message;
            switches.send = switches.send ? switches.send : message;
        }
    }
    return switches;
}

}  // namespace keyloom
