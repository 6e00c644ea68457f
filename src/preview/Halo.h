#pragma once

// Rings of colour around J, spreading outwards (first direction) or closing in (second).

#include "preview/PhaseGenerator.h"

namespace keyloom {

class Halo final : public PhaseGenerator {
  private:
    void Step(const LightingValues& values, PreviewFrame& frame) override;
};

}  // namespace keyloom
