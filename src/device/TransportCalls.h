#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ZozOdiz.h"
#include "device/ZozOdizLibrary.h"

namespace keyloom {

// A collection of the keyboard by HID usage page and usage.
struct HidCollection {
    uint16_t usagePage;
    uint16_t usage;
};

inline constexpr HidCollection CONFIG_COLLECTION{ZOZ_CONFIG_PAGE, ZOZ_CONFIG_USAGE};
inline constexpr HidCollection CONSUMER_COLLECTION{ZOZ_CONSUMER_PAGE, ZOZ_CONSUMER_USAGE};
inline constexpr HidCollection BANK_STATUS_COLLECTION{ZOZ_BANK_STATUS_PAGE, ZOZ_BANK_STATUS_USAGE};

// The transport calls the tool makes, each with its descriptor and checksum built here.
class TransportCalls {
  public:
    explicit TransportCalls(const ZozOdizExports& exports) : exports_(exports) {}

    // The library's start; above 0 when it is usable.
    int Init() const;
    // Number of keyboards offering the collection; 0 = none.
    unsigned DeviceCount(HidCollection collection) const;
    // Sends one 64-byte report to the configuration collection; 0 or less = failure.
    int WriteOne(const uint8_t* report, uint32_t length) const;
    // A standing read of the collection; its id goes to requestId.
    int AsyncRead(HidCollection collection, ZozCallback callback, uint32_t tag,
                  uint32_t* requestId) const;
    int StatusWrite(HidCollection collection, ZozCallback callback, uint32_t tag,
                    const uint8_t* data, uint32_t length, uint32_t* requestId) const;
    void Cancel(uint32_t requestId) const;
    // The node of a keyboard that is plugged in but may not be opened; nothing when there is
    // none, or when the library is too old to tell.
    std::optional<std::string> RefusedNode() const;

  private:
    const ZozOdizExports& exports_;
};

}  // namespace keyloom
