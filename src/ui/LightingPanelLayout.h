#pragma once

// What the lighting panel shows for a mode: its groups of controls, where the direction controls
// stand and which pictures they show.

#include <string>

namespace keyloom {

enum PanelGroup : unsigned {
    GROUP_MODE_BOX = 1u << 0,
    GROUP_BRIGHTNESS = 1u << 1,  // the slider with its label
    GROUP_SPEED = 1u << 2,
    GROUP_DIRECTION = 1u << 3,
    GROUP_STILL_COLOR = 1u << 4,   // colour and multicolour of modes 6 and 16
    GROUP_EFFECT_COLOR = 1u << 5,  // colour and multicolour of the other coloured modes
    GROUP_FIXED_COLOR = 1u << 6,
    GROUP_USER = 1u << 7,  // presets, paint colours and tools
    GROUP_RGB = 1u << 8,   // the colour numbers, beside every colour button
};

// The groups a mode shows. An item without a mode shows none. Mode 19 (lights off) shows only
// the mode box, so that the lights can be switched on again from the panel; a mode the keyboard
// announces beyond the known ones shows the mode box and brightness.
unsigned PanelGroupsOfMode(int mode);

// The skin key that places a direction control in a mode: the key itself, or with the suffix of
// the mode's own layout.
std::string DirectionSkinKey(const char* key, int mode);

// The pictures of the two direction controls, selected and not.
struct DirectionPictures {
    const char* firstSelected;
    const char* firstPlain;
    const char* secondSelected;
    const char* secondPlain;
};
const DirectionPictures& DirectionPicturesOf(int mode);

}  // namespace keyloom
