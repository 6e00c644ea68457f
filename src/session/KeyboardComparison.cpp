#include "session/KeyboardComparison.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <mutex>

#include "device/ConfigCommands.h"
#include "model/KeyBlockCodec.h"
#include "session/ProfileReload.h"
#include "storage/ProfileFile.h"

namespace keyloom {

namespace {

// The keyboard read back through a profile file of its own, as the arrival reads it.
std::optional<WorkingProfile> ReadKeyboard(KeyboardSession& session) {
    std::string path =
        (std::filesystem::temp_directory_path() / "keyloom-keyboard-XXXXXX").string();
    const int file = mkstemp(path.data());
    if (file < 0) {
        return std::nullopt;
    }
    close(file);
    WorkingProfile held;
    const bool read = ReadKeyboardIntoFile(session, path) == PROFILE_FILE_OK &&
                      ReadProfileFile(path, held) == PROFILE_FILE_OK;
    std::remove(path.c_str());
    return read ? std::optional(std::move(held)) : std::nullopt;
}

// The saved profile's keys as the keyboard would hold them once written.
void TakeAsWritten(WorkingProfile& saved, const KeyBlockBytes& factory) {
    AssignmentTable table = saved.Assignments();
    const MacroList& macros = saved.macros;
    for (int profile = 0; profile < KEY_BLOCK_COUNT; ++profile) {
        const KeyBlockBytes written =
            EncodeKeyBlock(table, profile, factory,
                           [&macros](uint32_t id) { return MacroPositionOfId(macros, id); });
        DecodeKeyBlock(table, profile, written.data(), factory);
    }
}

bool SameFunction(const KeyAssignment& a, const KeyAssignment& b) {
    return a.kind == b.kind && a.value == b.value;
}

bool SameMacro(const MacroRecord& a, const MacroRecord& b) {
    return a.Name() == b.Name() && a.RepeatCount() == b.RepeatCount() && a.Events() == b.Events();
}

std::optional<MacroRecord> MacroAt(const MacroList& macros, size_t position) {
    return position < macros.size() ? std::optional(macros[position]) : std::nullopt;
}

}  // namespace

std::optional<KeyboardComparison> CompareWithKeyboard(KeyboardSession& session,
                                                      WorkingProfile saved) {
    auto held = ReadKeyboard(session);
    if (!held) {
        return std::nullopt;
    }
    KeyBlockBytes factory;
    {
        std::lock_guard lock(session.context.deviceImageLock);
        factory = session.defaultKeyMatrix;
    }
    TakeAsWritten(saved, factory);
    KeyboardComparison comparison{std::move(*held), {}, {}};
    const AssignmentTable savedTable = saved.Assignments();
    const AssignmentTable heldTable = comparison.held.Assignments();
    for (int profile = 0; profile < KEY_BLOCK_COUNT; ++profile) {
        for (int position = 0; position < KEY_BLOCK_POSITIONS; ++position) {
            const ScanCode key = ScanCodeOfDeviceKeyCode(CodeAt(factory.data(), position));
            const int slot = IndexOfScanCode(key);
            const KeyAssignment was = savedTable.EntryOf(profile, slot);
            const KeyAssignment is = heldTable.EntryOf(profile, slot);
            if (key != 0 && !SameFunction(was, is)) {
                comparison.keys.push_back({profile, slot, was, is});
            }
        }
    }
    const MacroList& heldMacros = comparison.held.macros;
    for (size_t position = 0; position < std::max(saved.macros.size(), heldMacros.size());
         ++position) {
        const auto was = MacroAt(saved.macros, position);
        const auto is = MacroAt(heldMacros, position);
        if (!was || !is || !SameMacro(*was, *is)) {
            comparison.macros.push_back({position, was, is});
        }
    }
    return comparison;
}

}  // namespace keyloom
