#pragma once

// One mode's preview: a step per tick that draws a frame from the generator's own state.

#include "model/LightingRecord.h"
#include "preview/PreviewFrame.h"

namespace keyloom {

class PreviewGenerator {
  public:
    PreviewGenerator() = default;
    PreviewGenerator(const PreviewGenerator&) = delete;
    PreviewGenerator& operator=(const PreviewGenerator&) = delete;
    virtual ~PreviewGenerator() = default;

    // Fills the whole frame, NO_KEY_FRAME where the step lights nothing. A step that finds the
    // generator already running (re-entered from inside its own step) does nothing and says so.
    bool Run(const LightingValues& values, PreviewFrame& frame);
    // Back to the state before the first step.
    virtual void Reset() = 0;

  private:
    virtual void Step(const LightingValues& values, PreviewFrame& frame) = 0;

    bool busy_ = false;
};

}  // namespace keyloom
