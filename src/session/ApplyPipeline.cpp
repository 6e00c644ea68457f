#include "session/ApplyPipeline.h"

#include <mutex>
#include <vector>

#include "device/ConfigCommands.h"
#include "device/DeviceResult.h"
#include "model/AssignmentTable.h"
#include "model/KeyButtonTable.h"
#include "platform/Log.h"
#include "session/ActiveProfile.h"
#include "session/BusyIndicator.h"
#include "session/LanguageMessage.h"
#include "session/LightingTransaction.h"
#include "session/ProfileOperations.h"

namespace keyloom {

namespace {

constexpr char kMacrosTooLongText[] = "EXTRA_MACRO_TOO_LONG";
constexpr char kNamesLeftOutText[] = "EXTRA_PROFILE_SPACE_TIGHT";
constexpr char kRestoreDefaultsText[] = "MAIN_PROMPT_DEFAULT";
constexpr char kWriteFailedText[] = "EXTRA_WRITE_FAILED";

struct ProfileKeyBlock {
    int profile;
    KeyBlockBytes bytes;
};

// No key table is written for an index the keyboard cannot hold.
std::vector<int> ProfilesToWrite(KeyboardSession& session, bool allProfiles) {
    if (allProfiles) {
        return {0, 1, 2};
    }
    const int active = GetActiveProfile(session);
    if (active >= 0 && active < KEY_BLOCK_COUNT) {
        return {active};
    }
    return {};
}

// Under the device image lock.
std::vector<ProfileKeyBlock> KeyBlockImages(KeyboardSession& session, bool allProfiles) {
    std::vector<ProfileKeyBlock> blocks;
    for (const int profile : ProfilesToWrite(session, allProfiles)) {
        blocks.push_back(
            {profile, session.deviceImage.KeyBlockImage(profile, session.defaultKeyMatrix)});
    }
    return blocks;
}

// Every write is sent whatever the earlier ones returned, the bracket included, and the first
// failure is the result; no key table at all is a failure too.
DeviceResult SendImages(ReportExchange& exchange, const std::vector<uint8_t>& macroImage,
                        const std::vector<ProfileKeyBlock>& blocks) {
    DeviceResult result = blocks.empty() ? RESULT_NO_DEVICE : RESULT_OK;
    result = FirstFailure(result, CmdBegin(exchange));
    result = FirstFailure(result, CmdWriteMacros(exchange, macroImage.data(), macroImage.size()));
    for (const ProfileKeyBlock& block : blocks) {
        result = FirstFailure(result, CmdWriteKeys(exchange, block.bytes.data(), block.profile));
    }
    return FirstFailure(result, CmdEnd(exchange));
}

struct SaveAndWriteResult {
    bool saved;
    ImageWrite written;
};

SaveAndWriteResult SaveAndWrite(KeyboardSession& session, bool allProfiles) {
    std::lock_guard lock(session.context.profileLock);
    const bool saved = SaveWorkingProfileLocked(session) == PROFILE_FILE_OK;
    return {saved, SnapshotAndWrite(session, allProfiles)};
}

void Apply(KeyboardSession& session, bool allProfiles) {
    WindowPort& window = *session.context.window;
    BusyIndicator busy(session);
    busy.Show();
    if (!window.ApplyEnabled()) {
        busy.Hide();
        return;
    }
    const SaveAndWriteResult result = SaveAndWrite(session, allProfiles);
    if (result.saved && result.written == ImageWrite::kWritten) {
        window.SetApplyEnabled(false);
    }
    busy.Hide();
    if (result.written == ImageWrite::kFailed) {
        ReportFailedWrite(session);
    }
}

void ClearKeysOfActiveProfile(KeyboardSession& session) {
    const int profile = GetActiveProfile(session);
    const int bank = session.channels.MacroKeyBank();
    std::lock_guard lock(session.context.profileLock);
    AssignmentTable table = session.profile.Assignments();
    for (int position = 0; position < G_KEYS_PER_BANK; ++position) {
        table.SetEntry(profile, GKeySlot(bank, position), KeyAssignment{});
    }
    for (const KeyButton& button : KeyButtons()) {
        table.SetEntry(profile, IndexOfScanCode(button.code), KeyAssignment{});
    }
    session.context.window->RedrawKeyMarks();
}

}  // namespace

void ApplyChanges(KeyboardSession& session) {
    Apply(session, false);
}

void ApplyProfileChanges(KeyboardSession& session, int profile) {
    Apply(session, profile != GetActiveProfile(session));
}

void ReportFailedWrite(KeyboardSession& session) {
    ShowLanguageMessage(session, kWriteFailedText, MessageButtons::kOk);
}

void ApplyChangesAndHide(KeyboardSession& session) {
    ApplyChanges(session);
    session.context.window->HideWindow();
}

void RestoreDefaults(KeyboardSession& session, const std::function<void()>& restoreLighting) {
    if (ShowLanguageMessage(session, kRestoreDefaultsText, MessageButtons::kYesNoDefaultNo) !=
        MessageAnswer::kYes) {
        return;
    }
    ClearKeysOfActiveProfile(session);
    session.context.window->SetApplyEnabled(true);
    if (restoreLighting) {
        restoreLighting();
    }
    ApplyChanges(session);
}

ImageWrite SnapshotAndWrite(KeyboardSession& session, bool allProfiles) {
    std::lock_guard profileLock(session.context.profileLock);
    std::lock_guard imageLock(session.context.deviceImageLock);
    // The keys of the profiles not written would play a macro that moved or is gone at its old
    // position, which now holds another macro or none.
    const bool macrosChanged = session.deviceImage.MacroPositionsChangedIn(session.profile.macros);
    session.deviceImage.Take(session.profile);
    return WriteDeviceImage(session, allProfiles || macrosChanged);
}

ImageWrite WriteDeviceImage(KeyboardSession& session, bool allProfiles) {
    std::lock_guard lock(session.context.deviceImageLock);
    const MacroAreaSize sizes = session.deviceImage.MacroSizes();
    const size_t capacity = session.context.macroCapacity;
    if (capacity < sizes.minimal) {
        ShowLanguageMessage(session, kMacrosTooLongText, MessageButtons::kOk);
        return ImageWrite::kNotSent;
    }
    const bool withNames = capacity >= sizes.full;
    const std::vector<uint8_t> macroImage =
        session.deviceImage.MacroImage(withNames ? sizes.full : sizes.minimal, withNames);
    if (macroImage.empty()) {
        return ImageWrite::kNotSent;
    }
    const int written =
        SendImages(session.link.Exchange(), macroImage, KeyBlockImages(session, allProfiles));
    if (!withNames) {
        ShowLanguageMessage(session, kNamesLeftOutText, MessageButtons::kOk);
    }
    if (written != RESULT_OK) {
        LogWarning("the keyboard did not take the key tables and macros (result " +
                   std::to_string(written) + ")");
        return ImageWrite::kFailed;
    }
    return ImageWrite::kWritten;
}

}  // namespace keyloom
