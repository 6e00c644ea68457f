#pragma once

// What the keyboard says without being asked: the standing requests that carry configuration
// answers, device-count changes and consumer codes, the G-key bank and its status write, and
// what the tool does when a notification arrives. The window's handlers of the messages and
// timers these notifications cause call the functions at the end.

#include <array>
#include <cstdint>
#include <mutex>
#include <string>

#include "device/DeviceLink.h"
#include "model/AssignmentTable.h"

namespace keyloom {

struct KeyboardSession;

// The bank status write: the mark, then BANK_STATUS_BANK_A with the G-key bank in bit 0.
inline constexpr uint8_t BANK_STATUS_MARK = 0x05;
inline constexpr uint8_t BANK_STATUS_BANK_A = 0x02;
using BankStatusBytes = std::array<uint8_t, 2>;

// Consumer codes the keyboard sends of its own accord.
inline constexpr uint16_t CONSUMER_BANK_KEY = 0x02FF;
inline constexpr uint16_t CONSUMER_LIGHTING_CHANGED = 0x0401;
inline constexpr uint16_t CONSUMER_PROFILE_CHANGED = 0x0403;
inline constexpr uint16_t CONSUMER_ACCEPTED_FIRST = 0x1801;
inline constexpr uint16_t CONSUMER_ACCEPTED_LAST = 0x1804;
inline constexpr uint16_t CONSUMER_SPECIAL_OFF = 0x1810;
inline constexpr uint16_t CONSUMER_SPECIAL_ON = 0x1811;

// The standing requests through which the keyboard reaches the tool, and the bank status write.
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

// Acts on a consumer code from the keyboard; codes the tool does not know are ignored.
void OnConsumerCode(KeyboardSession& session, uint16_t code);

// A worker thread for a new device count: an arrival reads the keyboard's factory key table and
// configuration and has the window reload the working profile, a removal forgets the active
// profile and hides the window; then the tray icon follows, and the first worker alone may show
// the window. A count equal to the last one handled does nothing.
void StartDeviceStateWorker(KeyboardSession& session, unsigned deviceCount);

// The assignment slot of G-key position 0 to 8 in a bank.
int GKeySlot(int bank, int position);

struct GKeyMark {
    bool assigned;
    std::string label;
};
using GKeyMarks = std::array<GKeyMark, G_KEYS_PER_BANK>;

// The core of UM_BANK_CHANGED: for each G key of the bank shown, whether the active profile gives
// it a function of its own, and its label, "A1" to "A5" or "B1" to "B5" (the last four keys have
// none). Takes the profile lock.
GKeyMarks CurrentGKeyMarks(KeyboardSession& session);

// The core of UM_PROFILE_RELOAD: the keyboard that arrived is read into the working profile, and
// the pending state is cleared. The window then marks its profile buttons, re-reads the lighting
// and redraws.
void ReloadAfterArrival(KeyboardSession& session);

// The core of TIMER_PROFILE_CHANGED: stops the timer and takes the active profile from the
// keyboard's configuration. True when it was read; the window then marks its profile buttons and
// reloads the profile and lighting views.
[[nodiscard]] bool ReadProfileAfterChange(KeyboardSession& session);

}  // namespace keyloom
