#include "ReportRouter.h"

#include <algorithm>
#include <utility>

namespace zozodiz {

ReportRouter::ReportRouter(std::vector<Collection> collections, ReportLayout layout)
    : collections_(std::move(collections)), layout_(std::move(layout)) {}

std::optional<RoutedReport> ReportRouter::Route(std::span<const uint8_t> report) const {
    const std::optional<Collection> collection = CollectionOf(report);
    if (!collection || !Serves(*collection)) {
        return std::nullopt;
    }
    const size_t offset = layout_.numbered && *collection == kConsumerCollection ? 1 : 0;
    if (report.size() <= offset) {
        return std::nullopt;
    }
    return RoutedReport{*collection, offset};
}

std::optional<Collection> ReportRouter::CollectionOf(std::span<const uint8_t> report) const {
    if (report.empty()) {
        return std::nullopt;
    }
    if (layout_.numbered) {
        if (const std::optional<Collection> owner = layout_.OwnerOf(report[0])) {
            return owner;
        }
    }
    if (collections_.size() == 1) {
        return collections_.front();
    }
    return std::nullopt;
}

bool ReportRouter::Serves(Collection collection) const {
    return std::find(collections_.begin(), collections_.end(), collection) != collections_.end();
}

}  // namespace zozodiz
