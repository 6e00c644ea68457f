#include "ui/LightingPanelLayout.h"

#include <array>

namespace keyloom {

namespace {

constexpr unsigned kMode = GROUP_MODE_BOX | GROUP_BRIGHTNESS;
constexpr unsigned kTimed = kMode | GROUP_SPEED;
constexpr unsigned kEffectColor = GROUP_EFFECT_COLOR | GROUP_RGB;

// By mode number 0 to 20.
constexpr std::array<unsigned, 21> kGroupsByMode = {
    0,                                        // no mode
    kTimed | GROUP_DIRECTION | kEffectColor,  // 1 wave
    kTimed | GROUP_DIRECTION | kEffectColor,  // 2
    kTimed | GROUP_DIRECTION | kEffectColor,  // 3
    kTimed,                                   // 4 colour cycle
    kTimed | kEffectColor,                    // 5 breathing
    kMode | GROUP_STILL_COLOR | GROUP_RGB,    // 6 static
    kTimed | kEffectColor,                    // 7
    kTimed | kEffectColor,                    // 8
    kTimed | kEffectColor,                    // 9
    kTimed | kEffectColor,                    // 10
    kTimed,                                   // 11
    kTimed | GROUP_DIRECTION,                 // 12 vertical wave
    kTimed | kEffectColor,                    // 13
    kTimed | kEffectColor,                    // 14
    kTimed | kEffectColor,                    // 15
    kMode | GROUP_STILL_COLOR | GROUP_RGB,    // 16
    kMode | GROUP_FIXED_COLOR,                // 17 fixed colour
    kMode | GROUP_DIRECTION,                  // 18 halo
    GROUP_MODE_BOX,                           // 19 lights off
    kMode | GROUP_USER | GROUP_RGB,           // 20 per key
};

struct ModeDirection {
    int mode;
    const char* keySuffix;
    DirectionPictures pictures;
};

constexpr DirectionPictures kSidewaysPictures = {"leftdown.bmp", "leftup.bmp", "rightdown.bmp",
                                                 "rightup.bmp"};

constexpr std::array kModeDirections = {
    ModeDirection{1, "2", kSidewaysPictures},
    ModeDirection{2, "2", kSidewaysPictures},
    ModeDirection{3, "2", kSidewaysPictures},
    ModeDirection{12, "3", {"updown.bmp", "upup.bmp", "downdown.bmp", "downup.bmp"}},
    ModeDirection{18, "", {"kuosandown.bmp", "kuosan.bmp", "julongdown.bmp", "julong.bmp"}},
};

const ModeDirection* DirectionOf(int mode) {
    for (const ModeDirection& direction : kModeDirections) {
        if (direction.mode == mode) {
            return &direction;
        }
    }
    return nullptr;
}

}  // namespace

unsigned PanelGroupsOfMode(int mode) {
    if (mode < 0) {
        return 0;
    }
    if (static_cast<size_t>(mode) >= kGroupsByMode.size()) {
        return kMode;
    }
    return kGroupsByMode[static_cast<size_t>(mode)];
}

std::string DirectionSkinKey(const char* key, int mode) {
    const ModeDirection* direction = DirectionOf(mode);
    return std::string(key) + (direction != nullptr ? direction->keySuffix : "");
}

const DirectionPictures& DirectionPicturesOf(int mode) {
    const ModeDirection* direction = DirectionOf(mode);
    return direction != nullptr ? direction->pictures : kSidewaysPictures;
}

}  // namespace keyloom
