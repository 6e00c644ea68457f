#pragma once

#include <cstdint>

#include "device/DeviceLink.h"

namespace keyloom {

// The standing requests through which the keyboard reaches the tool: configuration answers
// and device-count changes (control), and consumer codes (consumer). Opening one again cancels
// the previous request of the same purpose first.
class DeviceChannels {
  public:
    explicit DeviceChannels(DeviceLink& link) : link_(link) {}

    int OpenControlChannel();
    int OpenConsumerChannel();

  private:
    int Open(uint32_t& requestId, HidCollection collection, uint32_t tag);

    DeviceLink& link_;
    uint32_t controlRequest_ = 0;
    uint32_t consumerRequest_ = 0;
};

}  // namespace keyloom
