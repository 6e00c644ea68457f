#pragma once

// A still picture: one colour on every key, or in multicolour a rainbow across the grid columns.

#include "preview/PreviewGenerator.h"

namespace keyloom {

class StillColors final : public PreviewGenerator {
  public:
    void Reset() override {}

  private:
    void Step(const LightingValues& values, PreviewFrame& frame) override;
};

}  // namespace keyloom
