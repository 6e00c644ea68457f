#include "model/KeyCatalog.h"

namespace keyloom {

const KeyDescriptor& EntryOfScanCode(ScanCode code) {
    if (code >= kFirstAssignmentOnlyCode) {
        return kEmptySlot;
    }
    return KeyCatalog[IndexOfScanCode(code)];
}

uint16_t ListCodeOf(ScanCode code) {
    return EntryOfScanCode(code).listCode;
}

std::optional<KeyIndex> KeyIndexOfListCode(uint16_t listCode) {
    return FirstKeyIndexWhere(
        [listCode](const KeyDescriptor& key) { return key.listCode == listCode; });
}

ScanCode ScanCodeOfListCode(uint16_t listCode) {
    const std::optional<KeyIndex> index = KeyIndexOfListCode(listCode);
    return index ? ScanCodeOfIndex(*index) : 0;
}

}  // namespace keyloom
