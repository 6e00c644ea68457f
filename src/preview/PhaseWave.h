#pragma once

// A pattern that turns with one phase: each tick the phase advances by the direction, then group
// g of the keys takes the colour at phase + g * spacing.

#include <cstdint>
#include <span>

#include "preview/ButtonGroups.h"
#include "preview/PhaseGenerator.h"

namespace keyloom {

// What a phase picks from: the colour wheel, or the chosen colour at the levels of a curve. The
// phase runs around the length of either.
class PhaseColors {
  public:
    static PhaseColors Wheel() { return PhaseColors({}); }
    static PhaseColors Levels(std::span<const uint8_t> curve) { return PhaseColors(curve); }

    int Size() const;
    Color At(int index, Color chosen) const;

  private:
    explicit PhaseColors(std::span<const uint8_t> levels) : levels_(levels) {}

    std::span<const uint8_t> levels_;  // empty: the wheel
};

class PhaseWave final : public PhaseGenerator {
  public:
    PhaseWave(ButtonGroups groups, int step, int spacing, PhaseColors colors)
        : groups_(groups), step_(step), spacing_(spacing), colors_(colors) {}

  private:
    void Step(const LightingValues& values, PreviewFrame& frame) override;

    ButtonGroups groups_;
    int step_;
    int spacing_;
    PhaseColors colors_;
};

}  // namespace keyloom
