#include "preview/KeyNameLookup.h"

#include "model/KeyButtonTable.h"
#include "model/KeyCatalog.h"

namespace keyloom {

int LightingButtonOfName(std::string_view name) {
    if (name.empty()) {
        return NO_BUTTON;
    }
    if (name == FN_KEY_NAME) {
        return static_cast<int>(LIGHTING_BUTTON_COUNT) - 1;
    }
    const auto buttons = KeyButtons();
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (EntryOfScanCode(buttons[i].code).label == name) {
            return static_cast<int>(i);
        }
    }
    return NO_BUTTON;
}

}  // namespace keyloom
