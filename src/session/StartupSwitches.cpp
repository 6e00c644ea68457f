#include "session/StartupSwitches.h"

#include <charconv>

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

constexpr size_t kMostNumbers = 3;

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string_view> SplitAtCommas(std::string_view text) {
    std::vector<std::string_view> parts;
    for (size_t comma = text.find(','); comma != std::string_view::npos; comma = text.find(',')) {
        parts.push_back(text.substr(0, comma));
        text.remove_prefix(comma + 1);
    }
    parts.push_back(text);
    return parts;
}

std::optional<InstanceRequest> ParseNumberedMessage(std::string_view text) {
    const auto parts = SplitAtCommas(text);
    if (parts.size() > kMostNumbers) {
        return std::nullopt;
    }
    const auto message = ParseNumber<uint32_t>(parts[0]);
    const auto wParam = parts.size() > 1 ? ParseNumber<uintptr_t>(parts[1]) : uintptr_t{0};
    const auto lParam = parts.size() > 2 ? ParseNumber<intptr_t>(parts[2]) : intptr_t{0};
    if (!message || !wParam || !lParam) {
        return std::nullopt;
    }
    return InstanceRequest{*message, *wParam, *lParam};
}

}  // namespace

std::optional<InstanceRequest> ParseSentMessage(std::string_view text) {
    for (const auto& named : kNamedMessages) {
        if (EqualsIgnoringAsciiCase(text, named.name)) {
            return named.request;
        }
    }
    return ParseNumberedMessage(text);
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
