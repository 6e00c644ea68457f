#include "session/ProfileReload.h"

#include <algorithm>
#include <mutex>
#include <optional>
#include <vector>

#include "device/ConfigCommands.h"
#include "device/DeviceResult.h"
#include "model/KeyBlockCodec.h"
#include "model/MacroArea.h"
#include "platform/LittleEndian.h"
#include "platform/UserFolders.h"
#include "session/ActiveProfile.h"
#include "session/LanguageMessage.h"
#include "session/ProfileOperations.h"
#include "storage/ProfileFile.h"

namespace keyloom {

namespace {

// The most macro memory the configuration block can announce.
constexpr size_t kLargestMacroMemory = 255 * MACRO_MEMORY_UNIT;

size_t MacroMemoryLimit(const AppContext& context) {
    const size_t capacity = context.macroCapacity;
    return capacity != 0 ? capacity : kLargestMacroMemory;
}

// The macro memory as far as its header describes it, but never beyond the keyboard's capacity;
// just the header when it carries no magic. Nothing when a read fails.
std::optional<std::vector<uint8_t>> ReadMacroMemory(KeyboardSession& session) {
    ReportExchange& exchange = session.link.Exchange();
    std::vector<uint8_t> area(MACRO_AREA_HEADER_SIZE);
    if (CmdReadMacros(exchange, area.data(), area.size()) != RESULT_OK) {
        return std::nullopt;
    }
    if (ReadU16(area.data() + MACRO_AREA_MAGIC) != MACRO_AREA_MAGIC_WORD) {
        return area;
    }
    const size_t size = std::min<size_t>(ReadU16(area.data() + MACRO_AREA_TOTAL_SIZE),
                                         MacroMemoryLimit(session.context));
    if (size > area.size()) {
        area.resize(size);
        if (CmdReadMacros(exchange, area.data(), area.size()) != RESULT_OK) {
            return std::nullopt;
        }
    }
    return area;
}

KeyBlockBytes FactoryKeyTable(KeyboardSession& session) {
    std::lock_guard lock(session.context.deviceImageLock);
    return session.defaultKeyMatrix;
}

bool ReadKeyBlocks(KeyboardSession& session, WorkingProfile& profile) {
    const KeyBlockBytes factory = FactoryKeyTable(session);
    AssignmentTable table = profile.Assignments();
    for (int block = 0; block < KEY_BLOCK_COUNT; ++block) {
        KeyBlockBytes bytes{};
        if (CmdReadKeys(session.link.Exchange(), bytes.data(), block) != RESULT_OK) {
            return false;
        }
        DecodeKeyBlock(table, block, bytes.data(), factory);
    }
    return true;
}

void MakeBlankWorkingProfile(KeyboardSession& session) {
    session.profile.texts.Clear();
    session.profile.macros.clear();
    (void)NewProfileImage(session, "", 0);  // an image in memory, which cannot fail
}

}  // namespace

ProfileFileResult ReadKeyboardIntoFile(KeyboardSession& session, const std::string& path) {
    const int active = GetActiveProfile(session);
    // An index beyond any the keyboard could mean says its configuration is not understood.
    if (active < 0 || active > KEY_BLOCK_COUNT) {
        return PROFILE_FILE_REFUSED;
    }
    WorkingProfile read;
    if (!ReadKeyBlocks(session, read)) {
        return PROFILE_FILE_REFUSED;
    }
    const auto macroMemory = ReadMacroMemory(session);
    if (!macroMemory) {
        return PROFILE_FILE_REFUSED;
    }
    read.macros = DecodeMacroArea(*macroMemory, SessionText(session, kMacroNamePrefixText));
    return WriteProfileFile(path, read);
}

ProfileFileResult ReloadFromKeyboard(KeyboardSession& session, int flag) {
    EnsureFolder(session.paths.userFolder);
    const int active = GetActiveProfile(session);
    const std::string path = WorkingProfilePath(session, active);
    const bool read =
        active != NO_ACTIVE_PROFILE && ReadKeyboardIntoFile(session, path) == PROFILE_FILE_OK;
    ProfileFileResult loaded = PROFILE_FILE_REFUSED;
    {
        std::lock_guard lock(session.context.profileLock);
        loaded = read ? LoadProfileFile(session, path) : PROFILE_FILE_REFUSED;
        if (loaded != PROFILE_FILE_OK) {
            MakeBlankWorkingProfile(session);
        } else {
            // What the keyboard holds, so that the next apply sees the macros it moves.
            std::lock_guard imageLock(session.context.deviceImageLock);
            session.deviceImage.Take(session.profile);
        }
        session.context.window->RedrawKeyMarks();
    }
    if (flag == 0) {
        session.context.window->SetApplyEnabled(false);
    }
    return loaded;
}

}  // namespace keyloom
