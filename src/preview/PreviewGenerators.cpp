#include "preview/PreviewGenerators.h"

#include "preview/LevelCurves.h"
#include "preview/PreviewGrid.h"
#include "preview/PreviewRing.h"

namespace keyloom {

// A phase wave takes its keys, the step of its phase per tick, the spacing from one group of keys
// to the next and what it shows.
PreviewGenerators::PreviewGenerators(const PreviewRandom& random)
    : columnWheel_(GridColumns(), 9, 9, PhaseColors::Wheel()),
      columnLevels_(GridColumns(), 7, 7, PhaseColors::Levels(LevelCurveA())),
      flowWheel_(GridColumns(), 4, 5, PhaseColors::Wheel()),
      ringWheel_(RingPlaces(), 4, 5, PhaseColors::Wheel()),
      ringLevels_(RingPlaces(), 4, 5, PhaseColors::Levels(LevelCurveA())),
      cycle_(GridColumns(), 2, 0, PhaseColors::Wheel()),
      sparkle_(random),
      rowWheel_(GridRows(), 3, 32, PhaseColors::Wheel()),
      ripple_(WaveScriptOf(WaveKind::kRipple), random),
      reactive_(WaveScriptOf(WaveKind::kReactive), random),
      fireworks_(WaveScriptOf(WaveKind::kFireworks), random),
      shockwave_(WaveScriptOf(WaveKind::kShockwave), random),
      byMode_{{
          {nullptr, nullptr},               // 0: no mode
          {&columnWheel_, &columnLevels_},  // 1
          {&flowWheel_, &flowLevels_},      // 2
          {&ringWheel_, &ringLevels_},      // 3
          {&cycle_, &cycle_},               // 4
          {&breathing_, &breathing_},       // 5
          {&still_, &still_},               // 6
          {nullptr, nullptr},               // 7
          {nullptr, nullptr},               // 8
          {nullptr, nullptr},               // 9
          {&sparkle_, &sparkle_},           // 10
          {&neon_, &neon_},                 // 11
          {&rowWheel_, &rowWheel_},         // 12
          {&ripple_, &ripple_},             // 13
          {&reactive_, &reactive_},         // 14
          {&fireworks_, &fireworks_},       // 15
          {&shockwave_, &shockwave_},       // 16
          {nullptr, nullptr},               // 17
          {&halo_, &halo_},                 // 18
          {nullptr, nullptr},               // 19
          {nullptr, nullptr},               // 20: the user preset, no generator
      }} {}

PreviewGenerator* PreviewGenerators::Of(const LightingValues& values) const {
    if (values.mode < 0 || values.mode >= static_cast<int>(byMode_.size())) {
        return nullptr;
    }
    const ModeGenerators& generators = byMode_[static_cast<size_t>(values.mode)];
    return values.multicolor ? generators.multicolor : generators.single;
}

// A generator serving both settings of its mode is reset twice, which changes nothing.
void PreviewGenerators::ResetAll() {
    for (const ModeGenerators& generators : byMode_) {
        for (PreviewGenerator* generator : {generators.multicolor, generators.single}) {
            if (generator != nullptr) {
                generator->Reset();
            }
        }
    }
}

}  // namespace keyloom
