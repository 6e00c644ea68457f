#pragma once

// What an apply writes to the keyboard: a snapshot of the working profile taken when the apply
// begins, so that the images sent all come from one state of the keys and macros. Guarded by the
// device image lock.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/DeviceKeyCode.h"
#include "model/MacroArea.h"
#include "model/MacroList.h"
#include "model/WorkingProfile.h"

namespace keyloom {

class DeviceImage {
  public:
    // Replaces the previous snapshot by a copy of the profile's image, macros and texts.
    void Take(const WorkingProfile& profile);

    // Whether a macro of the snapshot is no longer at its position in this list: moved, or gone.
    // Keys play macros by position, so key tables written before would play the wrong ones.
    bool MacroPositionsChangedIn(const MacroList& macros) const;

    MacroAreaSize MacroSizes() const;
    // The keyboard's macro memory image of exactly `size` bytes; empty when the macros need more.
    std::vector<uint8_t> MacroImage(size_t size, bool withNames) const;
    // The key table of one profile: the factory table with each key's code replaced by the code of
    // its assignment; play-macro codes give the macro's position in the snapshot's list.
    KeyBlockBytes KeyBlockImage(int profile, const KeyBlockBytes& factory);

  private:
    WorkingProfile snapshot_;
};

}  // namespace keyloom
