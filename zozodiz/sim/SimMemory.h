#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "ZozSim.h"

namespace zozodiz {

// Everything the virtual keyboard stores, area by area, in the order of its state file (which
// has no header: the areas follow each other).
class SimMemory {
  public:
    static constexpr size_t kConfigSize = 44;
    static constexpr size_t kLightingSize = 126;
    static constexpr size_t kKeysSize = 3 * 378;
    static constexpr size_t kDefaultKeysSize = 378;
    static constexpr size_t kKeyColorsSize = 3 * 512;
    static constexpr size_t kActiveProfileByte = 10;
    static constexpr size_t kMacroUnitsByte = 11;
    static constexpr size_t kMacroUnit = 128;

    // The memory a new keyboard leaves the factory with.
    static SimMemory Factory();
    // A state file as written by Serialize; nothing when its size or content is not plausible.
    static std::optional<SimMemory> Deserialize(const std::vector<uint8_t>& bytes);
    std::vector<uint8_t> Serialize() const;

    // One area by its ZOZSIM_AREA_* number; empty for an unknown number.
    std::span<uint8_t> Area(int area);
    std::span<const uint8_t> Area(int area) const;

  private:
    explicit SimMemory(size_t macroCapacity);

    std::vector<uint8_t> areas_[ZOZSIM_AREA_KEY_COLORS + 1];
};

}  // namespace zozodiz
