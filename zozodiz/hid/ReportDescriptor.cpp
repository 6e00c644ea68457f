#include "ReportDescriptor.h"

#include <utility>

#include "platform/LittleEndian.h"

namespace zozodiz {

namespace {

// Item prefixes with their two size bits masked off.
constexpr uint8_t kInput = 0x80;
constexpr uint8_t kCollection = 0xA0;
constexpr uint8_t kEndCollection = 0xC0;
constexpr uint8_t kUsagePage = 0x04;
constexpr uint8_t kReportId = 0x84;
constexpr uint8_t kPush = 0xA4;
constexpr uint8_t kPop = 0xB4;
constexpr uint8_t kUsage = 0x08;
constexpr uint8_t kLongItem = 0xFE;
constexpr uint8_t kMainTagMask = 0xF0;
constexpr uint8_t kMainType = 0x00;
constexpr uint8_t kTypeMask = 0x0C;
constexpr size_t kDataSizes[4] = {0, 1, 2, 4};

struct Item {
    uint8_t kind = 0;   // the prefix without its size bits
    size_t size = 0;    // data bytes
    size_t length = 0;  // prefix and data
    uint32_t value = 0;
};

struct Globals {
    uint16_t usagePage = 0;
    uint8_t reportId = 0;
};

uint32_t ValueOf(const uint8_t* data, size_t size) {
    switch (size) {
        case 1:
            return data[0];
        case 2:
            return keyloom::ReadU16(data);
        case 4:
            return keyloom::ReadU32(data);
        default:
            return 0;
    }
}

// The state a walk carries from item to item.
class Walk {
  public:
    void Apply(const Item& item) {
        if ((item.kind & kTypeMask) == kMainType) {
            ApplyMain(item.kind & kMainTagMask);
            return;
        }
        ApplyGlobalOrLocal(item);
    }

    ReportLayout Result() && { return std::move(layout_); }

  private:
    void ApplyMain(uint8_t tag) {
        if (tag == kCollection && depth_++ == 0) {
            top_ = usage_.value_or(Collection{globals_.usagePage, 0});
        } else if (tag == kEndCollection && depth_ > 0) {
            --depth_;
        } else if (tag == kInput && depth_ > 0) {
            Own(globals_.reportId);
        }
        usage_.reset();
    }

    void ApplyGlobalOrLocal(const Item& item) {
        switch (item.kind) {
            case kUsagePage:
                globals_.usagePage = static_cast<uint16_t>(item.value);
                break;
            case kReportId:
                globals_.reportId = static_cast<uint8_t>(item.value);
                layout_.numbered = true;
                break;
            case kPush:
                stack_.push_back(globals_);
                break;
            case kPop:
                if (!stack_.empty()) {
                    globals_ = stack_.back();
                    stack_.pop_back();
                }
                break;
            case kUsage:
                RememberUsage(item);
                break;
        }
    }

    // Only the first usage before a main item names a collection; a 4-byte usage carries its
    // own page in the high half.
    void RememberUsage(const Item& item) {
        if (usage_) {
            return;
        }
        const bool extended = item.size == 4;
        usage_ = Collection{extended ? static_cast<uint16_t>(item.value >> 16) : globals_.usagePage,
                            static_cast<uint16_t>(item.value)};
    }

    void Own(uint8_t reportId) {
        if (!layout_.OwnerOf(reportId)) {
            layout_.owners.push_back({reportId, top_});
        }
    }

    ReportLayout layout_;
    Globals globals_;
    std::vector<Globals> stack_;
    std::optional<Collection> usage_;
    Collection top_;
    int depth_ = 0;
};

// The item at offset, or nothing when the descriptor ends inside it. Long items (never used by
// keyboards) are skipped as an item without meaning.
std::optional<Item> ItemAt(std::span<const uint8_t> descriptor, size_t offset) {
    const uint8_t prefix = descriptor[offset];
    Item item;
    if (prefix == kLongItem) {
        item.kind = kLongItem;
        item.length = offset + 1 < descriptor.size() ? 3 + descriptor[offset + 1] : 3;
    } else {
        item.kind = static_cast<uint8_t>(prefix & 0xFC);
        item.size = kDataSizes[prefix & 0x03];
        item.length = 1 + item.size;
    }
    if (offset + item.length > descriptor.size()) {
        return std::nullopt;
    }
    if (prefix != kLongItem) {
        item.value = ValueOf(descriptor.data() + offset + 1, item.size);
    }
    return item;
}

}  // namespace

std::optional<Collection> ReportLayout::OwnerOf(uint8_t reportId) const {
    for (const ReportOwner& owner : owners) {
        if (owner.reportId == reportId) {
            return owner.collection;
        }
    }
    return std::nullopt;
}

ReportLayout ParseReportDescriptor(std::span<const uint8_t> descriptor) {
    Walk walk;
    size_t offset = 0;
    while (offset < descriptor.size()) {
        const std::optional<Item> item = ItemAt(descriptor, offset);
        if (!item) {
            break;
        }
        walk.Apply(*item);
        offset += item->length;
    }
    return std::move(walk).Result();
}

}  // namespace zozodiz
