#pragma once

// The on-screen imitation of the lighting mode in view: the window calls Tick every 50 ms while
// the lighting view is on and outlines the key buttons in the colours of the frame. Nothing goes
// to the keyboard.

#include "model/LightingRecord.h"
#include "preview/PreviewFrame.h"
#include "preview/PreviewGenerators.h"
#include "preview/PreviewRandom.h"

namespace keyloom {

class LightingPreview {
  public:
    LightingPreview();                               // random source seeded from the clock
    explicit LightingPreview(PreviewRandom random);  // tests: deterministic
    LightingPreview(const LightingPreview&) = delete;
    LightingPreview& operator=(const LightingPreview&) = delete;

    // Clears the reset flag: the next Tick starts every generator from zero. The window calls it
    // at every mode change and when the lighting view is switched on.
    void Reset();
    // One 50 ms step for the lighting values in view: fills `frame` (every entry, NO_KEY_FRAME
    // for keys the mode does not light) and says what to do with it. kKeep leaves `frame` as it
    // was: mode 20, or a step re-entered while its generator runs.
    PreviewStep Tick(const LightingValues& values, PreviewFrame& frame);

  private:
    PreviewRandom random_;
    PreviewGenerators generators_;
    bool resetDone_ = false;
};

}  // namespace keyloom
