#pragma once

// Every mode's preview generator, and which one plays a mode with or without multicolour.

#include <array>

#include "model/LightingRecord.h"
#include "preview/Breathing.h"
#include "preview/Halo.h"
#include "preview/LevelFlow.h"
#include "preview/NeonRing.h"
#include "preview/PhaseWave.h"
#include "preview/PreviewRandom.h"
#include "preview/Sparkle.h"
#include "preview/StillColors.h"
#include "preview/WaveFronts.h"

namespace keyloom {

class PreviewGenerators {
  public:
    explicit PreviewGenerators(const PreviewRandom& random);
    PreviewGenerators(const PreviewGenerators&) = delete;
    PreviewGenerators& operator=(const PreviewGenerators&) = delete;

    // Null for a mode without a preview.
    PreviewGenerator* Of(const LightingValues& values) const;
    void ResetAll();

  private:
    struct ModeGenerators {
        PreviewGenerator* multicolor;
        PreviewGenerator* single;
    };

    PhaseWave columnWheel_;
    PhaseWave columnLevels_;
    PhaseWave flowWheel_;
    LevelFlow flowLevels_;
    PhaseWave ringWheel_;
    PhaseWave ringLevels_;
    PhaseWave cycle_;
    Breathing breathing_;
    StillColors still_;
    Sparkle sparkle_;
    NeonRing neon_;
    PhaseWave rowWheel_;
    WaveFronts ripple_;
    WaveFronts reactive_;
    WaveFronts fireworks_;
    WaveFronts shockwave_;
    Halo halo_;
    std::array<ModeGenerators, MODE_USER + 1> byMode_;
};

}  // namespace keyloom
