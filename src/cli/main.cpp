// keyloomctl: the keyboard session without a window, for scripts and checks.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "cli/ConfigBlockText.h"
#include "device/ConfigCommands.h"
#include "device/DeviceLink.h"
#include "session/DeviceChannels.h"
#include "session/TransportCallback.h"

namespace {

using namespace keyloom;

const char kUsage[] =
    "Usage: keyloomctl [--simulate] COMMAND\n"
    "\n"
    "Options:\n"
    "  --simulate   use the built-in virtual keyboard instead of a real one\n"
    "  --help       show this text\n"
    "\n"
    "Commands:\n"
    "  config       read the keyboard's configuration block and print it\n";

int ReadConfigCommand(DeviceLink& link) {
    uint8_t block[CONFIG_BLOCK_SIZE] = {};
    const int result = CmdReadConfig(link.Exchange(), block);
    if (result != 1) {
        std::fprintf(stderr, "keyloomctl: the keyboard did not answer (result %d)\n", result);
        return 1;
    }
    std::fputs(ConfigBlockText(block).c_str(), stdout);
    return 0;
}

struct Command {
    const char* name;
    int (*run)(DeviceLink& link);
};

constexpr Command kCommands[] = {
    {"config", &ReadConfigCommand},
};

const Command* FindCommand(const std::string& name) {
    for (const auto& command : kCommands) {
        if (name == command.name) {
            return &command;
        }
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--help" || word == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (word == "--simulate") {
            setenv("ZOZODIZ_BACKEND", "sim", 1);
        } else {
            words.push_back(word);
        }
    }
    if (words.size() != 1 || FindCommand(words[0]) == nullptr) {
        std::fprintf(stderr, "keyloomctl: %s\n%s",
                     words.empty() ? "no command given" : "unknown command or extra words", kUsage);
        return 2;
    }
    DeviceLink& link = BindDeviceLinkOrExit();
    AttachDeviceLink(&link);
    DeviceChannels channels(link);
    channels.OpenControlChannel();
    if (link.Transport().DeviceCount(CONFIG_COLLECTION) == 0) {
        std::fprintf(stderr, "keyloomctl: no keyboard found\n");
        return 1;
    }
    return FindCommand(words[0])->run(link);
}
