#pragma once

// How brightly each key glows (0 to 255) and in which wheel colour, for the previews that light
// keys and let them fade.

#include <array>
#include <cstdint>

#include "preview/PreviewFrame.h"

namespace keyloom {

class KeyGlow {
  public:
    void Clear();
    // Full brightness; the wheel entry counts in multicolour only.
    void Light(int button, int wheelEntry);
    // Every key loses this much brightness, down to dark.
    void Fade(int amount);
    // Glowing keys in their wheel colour (multicolour) or the chosen colour, at their brightness;
    // dark keys are left as they are in the frame.
    void Draw(const LightingValues& values, PreviewFrame& frame) const;

  private:
    std::array<uint8_t, LIGHTING_BUTTON_COUNT> level_{};
    std::array<uint8_t, LIGHTING_BUTTON_COUNT> wheelEntry_{};
};

}  // namespace keyloom
