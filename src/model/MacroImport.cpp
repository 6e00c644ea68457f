#include "model/MacroImport.h"

#include <algorithm>

namespace keyloom {

MacroImportCount ImportMacros(MacroList& list, const MacroList& imported) {
    MacroList joined = list;
    MacroImportCount count;
    for (const MacroRecord& macro : imported) {
        const auto same = std::find_if(joined.begin(), joined.end(), [&](const MacroRecord& held) {
            return held.Name() == macro.Name();
        });
        MacroRecord record = macro;
        record.SetIsNew(false);
        if (same != joined.end()) {
            record.SetId(same->Id());
            *same = record;
            ++count.replaced;
        } else if (joined.size() < MACRO_LIST_CAPACITY) {
            record.SetId(NewMacroRecord(joined, record.Name()).Id());
            joined.push_back(record);
            ++count.added;
        } else {
            return {0, 0, false};
        }
    }
    list = std::move(joined);
    return count;
}

}  // namespace keyloom
