// The HID report-descriptor parser on any descriptor: each report id has one owner, a descriptor
// without report ids owns reports of id 0 only, and a descriptor cut short yields a beginning of
// what the whole one yields.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <span>

#include "ReportDescriptor.h"
#include "support/FuzzCheck.h"

using namespace zozodiz;

namespace {

void CheckLayout(const ReportLayout& layout) {
    std::set<uint8_t> ids;
    for (const ReportOwner& owner : layout.owners) {
        FUZZ_CHECK(ids.insert(owner.reportId).second);
        FUZZ_CHECK(layout.OwnerOf(owner.reportId) == owner.collection);
        FUZZ_CHECK(layout.numbered || owner.reportId == 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> descriptor(data, size);
    const ReportLayout whole = ParseReportDescriptor(descriptor);
    CheckLayout(whole);
    const ReportLayout cut = ParseReportDescriptor(descriptor.first(size / 2));
    CheckLayout(cut);
    FUZZ_CHECK(!cut.numbered || whole.numbered);
    FUZZ_CHECK(cut.owners.size() <= whole.owners.size());
    FUZZ_CHECK(std::equal(cut.owners.begin(), cut.owners.end(), whole.owners.begin(),
                          [](const ReportOwner& a, const ReportOwner& b) {
                              return a.reportId == b.reportId && a.collection == b.collection;
                          }));
    return 0;
}
