#pragma once

#include <cstdint>

namespace keyloom {

// Four ASCII characters packed into 32 bits with the first character in the highest byte, the
// way message parameters and request tags are written ("OPEN" is 0x4F50454E). Shorter texts
// fill the low bytes ("LED" is 0x004C4544).
constexpr uint32_t FourCharTag(const char* text) {
    uint32_t tag = 0;
    for (int i = 0; i < 4 && text[i] != '\0'; ++i) {
        tag = (tag << 8) | static_cast<uint8_t>(text[i]);
    }
    return tag;
}

static_assert(FourCharTag("OPEN") == 0x4F50454E);
static_assert(FourCharTag("LED") == 0x004C4544);

}  // namespace keyloom
