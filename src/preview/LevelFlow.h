#pragma once

// One colour flowing along the rows in pulses of light (curve B): the pulse moves forward in
// time; the direction says which way it runs across the keyboard.

#include "preview/PhaseGenerator.h"

namespace keyloom {

class LevelFlow final : public PhaseGenerator {
  private:
    void Step(const LightingValues& values, PreviewFrame& frame) override;
};

}  // namespace keyloom
