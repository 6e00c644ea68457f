#pragma once

// Keys the preview lights alike: each lighting button with the number of its group (a grid
// column or row, a place on the ring, a ring around J).

#include <span>

#include "preview/PreviewFrame.h"

namespace keyloom {

struct GroupedButton {
    int button;
    int group;
};

using ButtonGroups = std::span<const GroupedButton>;

// Gives every button of the groups the colour of its group.
template <typename ColorOfGroup>
void PaintGroups(ButtonGroups groups, PreviewFrame& frame, ColorOfGroup colorOfGroup) {
    for (const GroupedButton& key : groups) {
        frame[static_cast<size_t>(key.button)] = colorOfGroup(key.group);
    }
}

}  // namespace keyloom
