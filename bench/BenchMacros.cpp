#include "BenchMacros.h"

#include <string>
#include <vector>

#include "model/MacroArea.h"

namespace keyloom::bench {

namespace {

constexpr ScanCode kKeyA = 0x1E;
constexpr uint32_t kPauseMs = 30;

MacroRecord Strokes(int id, int strokes) {
    std::vector<MacroEvent> events;
    for (int i = 0; i < strokes; ++i) {
        const auto key = static_cast<ScanCode>(kKeyA + i % 26);
        events.push_back({kPauseMs, key, MACRO_PRESS});
        events.push_back({kPauseMs, key, MACRO_RELEASE});
    }
    MacroRecord macro;
    macro.SetName("Macro " + std::to_string(id));
    macro.SetId(static_cast<uint16_t>(id));
    macro.SetRepeatCount(1);
    macro.SetEvents(events);
    return macro;
}

}  // namespace

MacroList MacrosOf(int count, int strokes) {
    MacroList list;
    for (int id = 1; id <= count && id <= MACRO_LIST_CAPACITY; ++id) {
        list.push_back(Strokes(id, strokes));
    }
    return list;
}

MacroList MacrosFilling(size_t bytes, int strokes) {
    MacroList list;
    for (int id = 1; id <= MACRO_LIST_CAPACITY; ++id) {
        list.push_back(Strokes(id, strokes));
        if (MacroAreaSizes(list).full > bytes) {
            list.pop_back();
            break;
        }
    }
    return list;
}

}  // namespace keyloom::bench
