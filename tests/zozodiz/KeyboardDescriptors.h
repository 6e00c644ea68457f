#pragma once

// The keyboard's HID report descriptors as bytes, built from its collections as the transport's
// header documents them, for the tests of the hid backend.

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "Collection.h"

namespace zozodiz::test {

inline constexpr Collection kSystemControl{0x0001, 0x0080};
inline constexpr Collection kBootKeyboard{0x0001, 0x0006};

// The top-level collections of the keyboard's shared interface, as its descriptor declares them.
inline const std::vector<uint8_t> kSystemControlItems = {
    0x05, 0x01, 0x09, 0x80, 0xA1, 0x01, 0x85, 0x02, 0x19, 0x81, 0x29, 0x83, 0x15, 0x00,
    0x25, 0x01, 0x75, 0x01, 0x95, 0x03, 0x81, 0x02, 0x95, 0x05, 0x81, 0x01, 0xC0,
};
inline const std::vector<uint8_t> kConsumerItems = {
    0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x03, 0x15, 0x00, 0x26, 0xFF, 0x0F,
    0x19, 0x00, 0x2A, 0xFF, 0x0F, 0x75, 0x10, 0x95, 0x01, 0x81, 0x00, 0xC0,
};
inline const std::vector<uint8_t> kConfigItems = {
    0x06, 0x1C, 0xFF, 0x09, 0x92, 0xA1, 0x01, 0x85, 0x04, 0x15, 0x00, 0x26, 0xFF, 0x00,
    0x75, 0x08, 0x95, 0x3F, 0x09, 0x01, 0x81, 0x02, 0x09, 0x01, 0x91, 0x02, 0xC0,
};
inline const std::vector<uint8_t> kBankStatusItems = {
    0x05, 0x08, 0x09, 0x89, 0xA1, 0x01, 0x85, 0x05, 0x75,
    0x08, 0x95, 0x01, 0x09, 0x01, 0x91, 0x02, 0xC0,
};

inline std::vector<uint8_t> Joined(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> joined;
    for (const std::vector<uint8_t>& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

// System control (id 2), consumer (id 3), configuration (id 4, 63 data bytes each way) and the
// bank status indicators (id 5, output only) on one interface.
inline const std::vector<uint8_t> kNumberedDescriptor =
    Joined({kSystemControlItems, kConsumerItems, kConfigItems, kBankStatusItems});

// A consumer-only interface without report ids.
inline const std::vector<uint8_t> kPlainConsumerDescriptor = {
    0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x0F, 0x19,
    0x00, 0x2A, 0xFF, 0x0F, 0x75, 0x10, 0x95, 0x01, 0x81, 0x00, 0xC0,
};

// The configuration collection cut inside a two-byte item, after intact system control and
// consumer collections.
inline const std::vector<uint8_t> kTruncatedDescriptor =
    Joined({kSystemControlItems, kConsumerItems, {0x06, 0x1C, 0xFF, 0x09, 0x92, 0x26, 0xFF}});

// A configuration request as the tool sends it: report id 4, 64 bytes.
inline std::vector<uint8_t> ConfigReport() {
    std::vector<uint8_t> report(64, 0);
    report[0] = 0x04;
    report[3] = 0x01;
    return report;
}

}  // namespace zozodiz::test
