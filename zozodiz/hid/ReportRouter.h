#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "Collection.h"
#include "ReportDescriptor.h"

namespace zozodiz {

// Where an input report goes: its collection, and how many leading bytes the payload skips.
struct RoutedReport {
    Collection collection;
    size_t offset = 0;
};

// Decides which keyboard collection each input report of one interface belongs to.
//
// An interface whose descriptor declares report ids prefixes every input report with its id,
// and the descriptor tells which top-level collection declared that id; reports of collections
// we do not serve (system control, boot keyboard...) are dropped. An interface without report ids
// has a single top-level collection, which gets every report; so does an id the descriptor does
// not place, when the interface carries one keyboard collection only.
//
// Configuration reports are handed on whole, id byte included, as the report protocol expects.
// Consumer reports lose their id byte, so that their payload starts with the 16-bit code.
class ReportRouter {
  public:
    ReportRouter(std::vector<Collection> collections, ReportLayout layout);

    std::optional<RoutedReport> Route(std::span<const uint8_t> report) const;

  private:
    std::optional<Collection> CollectionOf(std::span<const uint8_t> report) const;
    bool Serves(Collection collection) const;

    std::vector<Collection> collections_;  // the keyboard collections this interface carries
    ReportLayout layout_;
};

}  // namespace zozodiz
