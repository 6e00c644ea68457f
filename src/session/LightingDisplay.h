#pragma once

// What the lighting operations show in the main window; the window implements it, tests record.

#include <span>
#include <string>

#include "model/LightingRecord.h"

namespace keyloom {

class LightingDisplay {
  public:
    virtual ~LightingDisplay() = default;

    virtual void ClearModeBox() = 0;
    // The item selected in the mode box, -1 for none.
    virtual int SelectedModeItem() const = 0;
    // The lighting frame of a key, G-key or Fn button: while on, the button is outlined in the
    // colour instead of showing its picture.
    virtual void SetKeyFrame(int control, bool on, Color color) = 0;
    // The preset box's items become these names, in order.
    virtual void FillPresetBox(std::span<const std::string> names) = 0;
};

}  // namespace keyloom
