#pragma once

// What the keyboard's own consumer codes make the tool do: the bank key switches the G-key bank
// (and the window relabels the G keys), lighting and profile changes made on the keyboard are
// read again on the window thread, and the special state changes the tray icon.

#include <cstdint>

namespace keyloom {

struct KeyboardSession;

// Consumer codes the keyboard sends of its own accord.
inline constexpr uint16_t CONSUMER_BANK_KEY = 0x02FF;
inline constexpr uint16_t CONSUMER_LIGHTING_CHANGED = 0x0401;
inline constexpr uint16_t CONSUMER_PROFILE_CHANGED = 0x0403;
inline constexpr uint16_t CONSUMER_ACCEPTED_FIRST = 0x1801;
inline constexpr uint16_t CONSUMER_ACCEPTED_LAST = 0x1804;
inline constexpr uint16_t CONSUMER_SPECIAL_OFF = 0x1810;
inline constexpr uint16_t CONSUMER_SPECIAL_ON = 0x1811;

// Acts on a consumer code from the keyboard; codes the tool does not know are ignored.
void OnConsumerCode(KeyboardSession& session, uint16_t code);

// The core of TIMER_PROFILE_CHANGED: stops the timer and takes the active profile from the
// keyboard's configuration. True when it was read; the window then marks its profile buttons and
// reloads the profile and lighting views.
[[nodiscard]] bool ReadProfileAfterChange(KeyboardSession& session);

}  // namespace keyloom
