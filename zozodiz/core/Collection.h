#pragma once

#include <cstdint>

#include "ZozOdiz.h"

namespace zozodiz {

// A HID collection of the keyboard, by usage page and usage.
struct Collection {
    uint16_t usagePage = 0;
    uint16_t usage = 0;

    friend bool operator==(const Collection&, const Collection&) = default;
};

inline constexpr Collection kConfigCollection{ZOZ_CONFIG_PAGE, ZOZ_CONFIG_USAGE};
inline constexpr Collection kConsumerCollection{ZOZ_CONSUMER_PAGE, ZOZ_CONSUMER_USAGE};
inline constexpr Collection kBankStatusCollection{ZOZ_BANK_STATUS_PAGE, ZOZ_BANK_STATUS_USAGE};

// The collection a request descriptor names.
Collection CollectionOfDescriptor(const uint8_t* descriptor);

// True when the descriptor names this keyboard (vendor and product id).
bool NamesOurKeyboard(const uint8_t* descriptor);

}  // namespace zozodiz
