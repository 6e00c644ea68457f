#pragma once

// Waves across the grid: fronts start at the keys of a script and spread one grid cell per tick
// in the four directions, a diamond growing around the start key. A key a front passes lights up
// fully (in the front's random wheel colour, in multicolour) and fades.

#include <array>
#include <optional>

#include "preview/KeyGlow.h"
#include "preview/PreviewGenerator.h"
#include "preview/PreviewGrid.h"
#include "preview/PreviewRandom.h"
#include "preview/WaveScripts.h"

namespace keyloom {

class WaveFronts final : public PreviewGenerator {
  public:
    WaveFronts(const WaveScript& script, const PreviewRandom& random);

    void Reset() override;

  private:
    struct Front {
        GridCell start;
        int radius;
        int wheelEntry;
        bool moving;
    };

    void Step(const LightingValues& values, PreviewFrame& frame) override;
    void StartNext(const LightingValues& values);
    void Spread(Front& front);
    void Hit(int column, int row, int wheelEntry);

    const WaveScript& script_;
    const PreviewRandom& random_;
    std::array<std::optional<GridCell>, WAVE_SCRIPT_CAPACITY> starts_{};  // the script's cells
    KeyGlow glow_;
    std::array<Front, WAVE_FRONT_CAPACITY> fronts_{};
    size_t nextFront_ = 0;  // the slot the next front takes, its oldest
    size_t nextStart_ = 0;
    int ticksToStart_ = 0;
};

}  // namespace keyloom
