#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "Collection.h"

namespace zozodiz {

// The top-level collection an input report id belongs to.
struct ReportOwner {
    uint8_t reportId = 0;
    Collection collection;
};

// What an interface's HID report descriptor says about its input reports.
struct ReportLayout {
    // The descriptor declares report ids, so every input report starts with its id byte.
    bool numbered = false;
    std::vector<ReportOwner> owners;

    std::optional<Collection> OwnerOf(uint8_t reportId) const;
};

// Walks a raw report descriptor (as the kernel exposes it) item by item. An unreadable or
// truncated descriptor yields what was understood up to that point.
ReportLayout ParseReportDescriptor(std::span<const uint8_t> descriptor);

}  // namespace zozodiz
