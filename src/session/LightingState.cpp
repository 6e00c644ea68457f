#include "session/LightingState.h"

namespace keyloom {

namespace {

bool IsLed(int led) {
    return led >= 0 && led < LED_COUNT;
}

size_t LedOffset(int led) {
    return RGB_SIZE * static_cast<size_t>(led);
}

}  // namespace

Color LedColor(const KeyColorTable& table, int led) {
    return IsLed(led) ? ReadRgb(&table[LedOffset(led)]) : 0;
}

bool StoreLedColor(KeyColorTable& table, int led, Color color) {
    if (!IsLed(led)) {
        return false;
    }
    WriteRgb(&table[LedOffset(led)], color);
    return true;
}

bool LightingState::SelectProfile(int profile) {
    if (profile < 0 || profile >= LIGHTING_PROFILE_COUNT) {
        return false;
    }
    profile_ = profile;
    return true;
}

}  // namespace keyloom
