#include "cli/KeyLines.h"

#include "model/AssignmentTable.h"
#include "model/KeyNames.h"

namespace keyloom {

bool IsGKeySlot(int slot) {
    return slot >= G_KEY_FIRST_SLOT && slot < G_KEY_FIRST_SLOT + G_KEY_SLOTS;
}

int BankOfGKeySlot(int slot) {
    return (slot - G_KEY_FIRST_SLOT) / G_KEYS_PER_BANK;
}

int PositionOfGKeySlot(int slot) {
    return (slot - G_KEY_FIRST_SLOT) % G_KEYS_PER_BANK;
}

std::string KeyLine(const AssignmentDescription& description, int slot) {
    if (!IsGKeySlot(slot)) {
        return description.tooltip;
    }
    const std::string title = GKeyTitle(PositionOfGKeySlot(slot));
    return title + " (bank " +
           std::string(GKEY_BANK_NAMES[static_cast<size_t>(BankOfGKeySlot(slot))]) + ")" +
           description.tooltip.substr(title.size());
}

std::string KeyLine(int slot, const KeyAssignment& record, const TextLookup& text,
                    const MacroNameLookup& macroName) {
    const std::string title =
        IsGKeySlot(slot) ? GKeyTitle(PositionOfGKeySlot(slot))
                         : KeyNameOfScanCode(ScanCodeOfIndex(static_cast<KeyIndex>(slot)), text);
    return KeyLine(DescribeAssignment(title, record, text, macroName), slot);
}

}  // namespace keyloom
