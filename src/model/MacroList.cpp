#include "model/MacroList.h"

#include <algorithm>

namespace keyloom {

const MacroRecord* FindMacroById(const MacroList& list, uint32_t id) {
    const auto found = std::find_if(list.begin(), list.end(),
                                    [id](const MacroRecord& record) { return record.Id() == id; });
    return found == list.end() ? nullptr : &*found;
}

int MacroPositionOfId(const MacroList& list, uint32_t id) {
    const MacroRecord* found = FindMacroById(list, id);
    return found == nullptr ? 0 : static_cast<int>(found - list.data());
}

uint16_t MacroIdAt(const MacroList& list, int position) {
    if (position < 0 || static_cast<size_t>(position) >= list.size()) {
        return 0;
    }
    return list[static_cast<size_t>(position)].Id();
}

MacroRecord NewMacroRecord(const MacroList& edited, std::string_view name) {
    MacroRecord record;
    record.SetName(name);
    record.SetRepeatCount(1);
    record.SetIsNew(true);
    for (uint16_t id = 1; id <= MACRO_LIST_CAPACITY; ++id) {
        if (FindMacroById(edited, id) == nullptr) {
            record.SetId(id);
            break;
        }
    }
    return record;
}

}  // namespace keyloom
