#include "preview/KeyGlow.h"

#include <algorithm>

#include "preview/ColorScaling.h"
#include "preview/ColorWheel.h"

namespace keyloom {

void KeyGlow::Clear() {
    level_.fill(0);
    wheelEntry_.fill(0);
}

void KeyGlow::Light(int button, int wheelEntry) {
    level_[button] = FULL_LEVEL;
    wheelEntry_[button] = static_cast<uint8_t>(wheelEntry);
}

void KeyGlow::Fade(int amount) {
    for (uint8_t& level : level_) {
        level = static_cast<uint8_t>(std::max(0, level - amount));
    }
}

void KeyGlow::Draw(const LightingValues& values, PreviewFrame& frame) const {
    for (size_t button = 0; button < level_.size(); ++button) {
        if (level_[button] > 0) {
            const Color color = values.multicolor ? WheelColor(wheelEntry_[button]) : values.color;
            frame[button] = ScaleColor(color, level_[button]);
        }
    }
}

}  // namespace keyloom
