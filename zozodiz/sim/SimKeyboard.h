#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "SimMemory.h"

namespace zozodiz {

inline constexpr size_t kReportSize = 64;
using Report = std::array<uint8_t, kReportSize>;

// The virtual keyboard's firmware: answers one configuration request from its memory.
class SimKeyboard {
  public:
    explicit SimKeyboard(SimMemory& memory) : memory_(memory) {}

    // The answer to a request, or nothing for one the keyboard never answers (it leaves for
    // its boot loader instead). Errors come back as status 0xFF.
    std::optional<Report> Answer(std::span<const uint8_t> request);

    // True once a write has changed the memory since the last call.
    bool TakeChanged();

    static bool IsEnterBoot(std::span<const uint8_t> request);

  private:
    uint8_t Read(int area, size_t offset, Report& answer) const;
    uint8_t Write(int area, size_t offset, size_t length, const uint8_t* data);
    uint8_t WriteConfig(size_t offset, size_t length, const uint8_t* data);

    SimMemory& memory_;
    bool changed_ = false;
};

}  // namespace zozodiz
