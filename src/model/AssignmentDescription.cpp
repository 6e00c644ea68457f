#include "model/AssignmentDescription.h"

#include "model/MediaFunctionTable.h"

namespace keyloom {

namespace {

// The part after the prompt, or nothing for kinds that only say that the key was changed.
std::string Detail(const KeyAssignment& record, const TextLookup& text,
                   const MacroNameLookup& macroName) {
    switch (record.kind) {
        case ASSIGN_KEY:
            return text("KEY_PROMPT_SINGLE") +
                   KeyNameOfScanCode(static_cast<ScanCode>(record.value), text) + ")";
        case ASSIGN_MACRO:
            return text("KEY_PROMPT_MACRO") + (macroName ? macroName(record.value) : "") + ")";
        case ASSIGN_MEDIA:
            if (record.value >= MediaFunctionTable.size()) {
                return "";
            }
            return text("KEY_PROMPT_MEDIA") +
                   KeyNameOfScanCode(MediaFunctionTable[record.value].scanCode, text) + ")";
        case ASSIGN_FUNCTION:
            return text("KEY_PROMPT_FUNCTION") +
                   text("FUNC_KEY_DESC" + std::to_string(record.value + 1)) + ")";
        default:
            return "";
    }
}

}  // namespace

AssignmentDescription DescribeAssignment(const std::string& title, const KeyAssignment& record,
                                         const TextLookup& text, const MacroNameLookup& macroName) {
    if (record.kind == ASSIGN_DEFAULT) {
        return {title, false};
    }
    return {title + text("KEY_PROMPT_SET") + Detail(record, text, macroName), true};
}

std::string GKeyTitle(int position) {
    return "G" + std::to_string(position + 1);
}

}  // namespace keyloom
