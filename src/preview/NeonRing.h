#pragma once

// Every ring key turning through the wheel on its own phase, about a sixth of a turn apart along
// the ring.

#include <array>

#include "preview/PreviewGenerator.h"
#include "preview/PreviewRing.h"

namespace keyloom {

class NeonRing final : public PreviewGenerator {
  public:
    NeonRing() { Reset(); }

    void Reset() override;

  private:
    void Step(const LightingValues& values, PreviewFrame& frame) override;

    std::array<int, PREVIEW_RING_SIZE> phases_{};
};

}  // namespace keyloom
