#include "cli/ConfigBlockText.h"

#include <cstdio>

#include "device/ConfigCommands.h"

namespace keyloom {

namespace {

std::string HexLines(const uint8_t* bytes, size_t count) {
    std::string text;
    char cell[24];  // room for the offset of any size_t
    for (size_t i = 0; i < count; ++i) {
        if (i % 16 == 0) {
            std::snprintf(cell, sizeof cell, "  %02zu:", i);
            text += cell;
        }
        std::snprintf(cell, sizeof cell, " %02x", bytes[i]);
        text += cell;
        if (i % 16 == 15 || i + 1 == count) {
            text += '\n';
        }
    }
    return text;
}

}  // namespace

std::string ConfigBlockText(const uint8_t* block) {
    const std::string modes = JoinedNumbers(AnnouncedModes(block), " ");
    const unsigned units = block[CONFIG_MACRO_UNITS];
    std::string text = "Configuration block (" + std::to_string(CONFIG_BLOCK_SIZE) + " bytes)\n";
    text += "  active profile: " + std::to_string(block[CONFIG_ACTIVE_PROFILE] + 1) + "\n";
    text += "  macro memory:   " + std::to_string(units * MACRO_MEMORY_UNIT) + " bytes (" +
            std::to_string(units) + " x " + std::to_string(MACRO_MEMORY_UNIT) + ")\n";
    text += "  lighting modes: " + (modes.empty() ? std::string("none") : modes) + "\n";
    text += "  bytes:\n" + HexLines(block, CONFIG_BLOCK_SIZE);
    return text;
}

std::vector<int> AnnouncedModes(const uint8_t* block) {
    std::vector<int> modes;
    for (size_t i = 0; i < CONFIG_MODE_COUNT; ++i) {
        if (const uint8_t mode = block[CONFIG_MODE_LIST + i]) {
            modes.push_back(mode);
        }
    }
    return modes;
}

std::string JoinedNumbers(const std::vector<int>& numbers, std::string_view separator) {
    std::string joined;
    for (const int number : numbers) {
        joined += (joined.empty() ? "" : std::string(separator)) + std::to_string(number);
    }
    return joined;
}

}  // namespace keyloom
