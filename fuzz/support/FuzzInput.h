#pragma once

// Takes a fuzz input apart from the front: numbers, byte runs and text; past the end everything
// reads as zero or empty, so a target never needs to count what is left.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace keyloom::fuzz {

class FuzzInput {
  public:
    FuzzInput(const uint8_t* data, size_t size) : rest_(data, size) {}

    bool Empty() const { return rest_.empty(); }
    size_t Left() const { return rest_.size(); }

    uint8_t Byte() {
        const auto bytes = Bytes(1);
        return bytes.empty() ? 0 : bytes[0];
    }

    uint16_t U16() { return static_cast<uint16_t>(Byte() | Byte() << 8); }

    // At most `count` bytes.
    std::span<const uint8_t> Bytes(size_t count) {
        const auto taken = rest_.first(std::min(count, rest_.size()));
        rest_ = rest_.subspan(taken.size());
        return taken;
    }

    std::span<const uint8_t> Rest() { return Bytes(rest_.size()); }

    // Text of a length the input chooses, at most `maxLength` bytes.
    std::string Text(size_t maxLength) {
        const auto bytes = Bytes(std::min<size_t>(Byte(), maxLength));
        return std::string(bytes.begin(), bytes.end());
    }

  private:
    std::span<const uint8_t> rest_;
};

}  // namespace keyloom::fuzz
