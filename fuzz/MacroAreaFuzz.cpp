// The keyboard's macro memory: any image decodes within the list's limits, and what it decodes
// to survives an encode and a decode unchanged, with names and (names aside) without them.

#include <cstddef>
#include <cstdint>
#include <span>

#include "model/MacroArea.h"
#include "support/FuzzCheck.h"

using namespace keyloom;

namespace {

const std::string kPrefix = "Macro ";

// Ids aside: they number the records by place, and a record the first image left out leaves a
// gap that the new image closes.
bool SameRecords(const MacroList& a, const MacroList& b, bool names) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].RepeatCount() != b[i].RepeatCount() || a[i].Events() != b[i].Events() ||
            (names && a[i].Name() != b[i].Name())) {
            return false;
        }
    }
    return true;
}

void CheckRoundTrip(const MacroList& list, bool withNames) {
    const MacroAreaSize sizes = MacroAreaSizes(list);
    const size_t size = withNames ? sizes.full : sizes.minimal;
    const std::vector<uint8_t> image = EncodeMacroArea(list, size, withNames);
    if (size > MACRO_AREA_MAX_SIZE) {
        FUZZ_CHECK(image.empty());
        return;
    }
    FUZZ_CHECK(image.size() == size);
    const MacroList decoded = DecodeMacroArea(image, kPrefix);
    FUZZ_CHECK(SameRecords(decoded, list, withNames));
    for (size_t i = 0; i < decoded.size(); ++i) {
        FUZZ_CHECK(decoded[i].Id() == i + 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const MacroList list = DecodeMacroArea({data, size}, kPrefix);
    FUZZ_CHECK(list.size() <= MACRO_LIST_CAPACITY);
    for (const MacroRecord& macro : list) {
        FUZZ_CHECK(macro.EventCount() >= 0 && macro.EventCount() <= MACRO_MAX_EVENTS);
        FUZZ_CHECK(macro.NameUnits() <= MACRO_NAME_MAX_UNITS);
    }
    CheckRoundTrip(list, true);
    CheckRoundTrip(list, false);
    return 0;
}
