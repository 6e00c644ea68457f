#pragma once

// The standing requests through which the keyboard reaches the tool without being asked
// (configuration answers, device-count changes, consumer codes) and the G-key bank's status
// write.

#include <array>
#include <cstdint>
#include <mutex>

#include "device/DeviceLink.h"

namespace keyloom {

struct KeyboardSession;

// The bank status write: the mark, then BANK_STATUS_BANK_A with the G-key bank in bit 0.
inline constexpr uint8_t BANK_STATUS_MARK = 0x05;
inline constexpr uint8_t BANK_STATUS_BANK_A = 0x02;
using BankStatusBytes = std::array<uint8_t, 2>;

// Opening a request again cancels the previous one of the same purpose first. The tool starts in
// G-key bank A and never reads the keyboard's bank.
class DeviceChannels {
  public:
    explicit DeviceChannels(DeviceLink& link) : link_(link) {}

    // Configuration answers and device-count changes.
    int OpenControlChannel();
    // Consumer codes.
    int OpenConsumerChannel();

    // Flips the G-key bank and sends the new bank status bytes; the transport's result.
    int SwitchMacroKeyBank();
    // 0 for bank A, 1 for bank B.
    int MacroKeyBank() const;

  private:
    void CancelPrevious(uint32_t& requestId);
    int Open(uint32_t& requestId, HidCollection collection, uint32_t tag);

    DeviceLink& link_;
    uint32_t controlRequest_ = 0;
    uint32_t consumerRequest_ = 0;
    mutable std::mutex bankLock_;  // one bank switch at a time
    BankStatusBytes bankStatus_{BANK_STATUS_MARK, BANK_STATUS_BANK_A};
    uint32_t bankStatusRequest_ = 0;
};

// At start-up: from now on the session hears the keyboard through the consumer and control
// channels, and the first device-state worker handles the keyboards present now. Without a
// keyboard now, none arriving later shows the window.
void StartDeviceChannels(KeyboardSession& session);

}  // namespace keyloom
