#pragma once

// Starlight: every tick a few ring keys flash up in random wheel colours and fade away. They are
// taken in turn from a fixed scrambled order of the ring, so every key flashes as often.

#include "preview/KeyGlow.h"
#include "preview/PreviewGenerator.h"
#include "preview/PreviewRandom.h"

namespace keyloom {

class Sparkle final : public PreviewGenerator {
  public:
    explicit Sparkle(const PreviewRandom& random) : random_(random) {}

    void Reset() override;

  private:
    void Step(const LightingValues& values, PreviewFrame& frame) override;

    const PreviewRandom& random_;
    KeyGlow glow_;
    int next_ = 0;  // position in the scrambled order
};

}  // namespace keyloom
