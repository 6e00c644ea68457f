#pragma once

// The whole keyboard breathing (curve C): in multicolour each grid column keeps its own hue.

#include "preview/PhaseGenerator.h"

namespace keyloom {

class Breathing final : public PhaseGenerator {
  private:
    void Step(const LightingValues& values, PreviewFrame& frame) override;
};

}  // namespace keyloom
