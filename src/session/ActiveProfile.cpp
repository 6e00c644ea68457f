#include "session/ActiveProfile.h"

#include <atomic>
#include <mutex>

#include "device/ConfigCommands.h"
#include "device/DeviceResult.h"
#include "platform/Log.h"
#include "session/LanguageMessage.h"
#include "session/ProfileOperations.h"
#include "session/ProfileReload.h"
#include "session/WindowMessages.h"

namespace keyloom {

namespace {

constexpr char kEditorOpenText[] = "PROFILE_SEELCT_PROMPT2";
constexpr char kPendingChangesText[] = "PROFILE_SELECT_PROMPT";
constexpr char kNoProfileText[] = "DEFAULT_PROFILE_NAME";
constexpr char kCaptionTipText[] = "PROFILE_TIP";
constexpr char kSelectFailedText[] = "PROFILE_SELECT_FAILED";

bool IsKeyboardProfile(int profile) {
    return profile >= 0 && profile < KEY_BLOCK_COUNT;
}

// The file name without its folder and extension.
std::string FileTitle(const std::string& path) {
    const std::string name = path.substr(path.rfind('/') + 1);
    return name.substr(0, name.rfind('.'));
}

// The working profile goes back to what was last applied. When that file cannot be read, the
// keyboard, which holds the same, is read back instead.
void DiscardEdits(KeyboardSession& session) {
    session.context.window->SetApplyEnabled(false);
    const int active = GetActiveProfile(session);
    if (active == NO_ACTIVE_PROFILE) {
        return;
    }
    ProfileFileResult loaded = PROFILE_FILE_REFUSED;
    {
        std::lock_guard lock(session.context.profileLock);
        loaded = LoadProfileFile(session, WorkingProfilePath(session, active));
    }
    if (loaded != PROFILE_FILE_OK) {
        // A keyboard that cannot be read leaves a blank working profile, which the marks show.
        (void)ReloadFromKeyboard(session, 0);
    }
}

}  // namespace

void SettlePendingChanges(KeyboardSession& session) {
    if (session.pendingQuestionShown.exchange(false)) {
        return;
    }
    session.pendingQuestionShown = true;
    const MessageAnswer answer =
        ShowLanguageMessage(session, kPendingChangesText, MessageButtons::kYesNoDefaultNo);
    session.pendingQuestionShown = false;
    if (answer == MessageAnswer::kYes) {
        session.context.window->SendMessage(MSG_COMMAND, CMD_ID_APPLY, 0);
    } else {
        DiscardEdits(session);
    }
}

std::optional<ConfigBlock> ReadConfigBlock(KeyboardSession& session) {
    ConfigBlock block{};
    if (CmdReadConfig(session.link.Exchange(), block.data()) != RESULT_OK) {
        return std::nullopt;
    }
    return block;
}

int GetActiveProfile(KeyboardSession& session) {
    const int cached = session.context.activeProfileCache;
    if (cached != NO_ACTIVE_PROFILE) {
        return cached;
    }
    const auto block = ReadConfigBlock(session);
    if (!block) {
        return NO_ACTIVE_PROFILE;
    }
    session.context.activeProfileCache = (*block)[CONFIG_ACTIVE_PROFILE];
    return (*block)[CONFIG_ACTIVE_PROFILE];
}

DeviceResult SetActiveProfile(KeyboardSession& session, int profile) {
    if (!IsKeyboardProfile(profile)) {
        return RESULT_BAD_ARGUMENT;
    }
    ReportExchange& exchange = session.link.Exchange();
    uint8_t block[CONFIG_BLOCK_SIZE];
    const DeviceResult read = CmdReadConfig(exchange, block);
    if (read != RESULT_OK) {
        return read;
    }
    block[CONFIG_ACTIVE_PROFILE] = static_cast<uint8_t>(profile);
    const DeviceResult written = CmdWriteConfig(exchange, block);
    session.context.activeProfileCache = written == RESULT_OK ? profile : NO_ACTIVE_PROFILE;
    return written;
}

bool SelectProfile(KeyboardSession& session, int profile) {
    WindowPort& window = *session.context.window;
    if (window.KeyEditorOpen()) {
        ShowLanguageMessage(session, kEditorOpenText, MessageButtons::kOk);
        return false;
    }
    const bool pending = window.ProfileManagerHasChanges() || window.ApplyEnabled();
    if (pending) {
        SettlePendingChanges(session);
    }
    const int target = profile >= KEY_BLOCK_COUNT ? 0 : profile;
    const DeviceResult switched = SetActiveProfile(session, target);
    if (!pending && switched == RESULT_OK) {
        window.MarkProfileInManager(target);
    }
    {
        std::lock_guard lock(session.context.profileLock);
        window.RedrawKeyMarks();
    }
    UpdateProfileCaption(session);
    // An index the keyboard cannot hold sends nothing, so nothing failed.
    if (switched != RESULT_OK && switched != RESULT_BAD_ARGUMENT) {
        LogWarning("the keyboard did not switch to profile " + std::to_string(profile + 1) +
                   " (result " + std::to_string(switched) + ")");
        ShowLanguageMessage(session, kSelectFailedText, MessageButtons::kOk);
        return false;
    }
    return true;
}

void UpdateProfileCaption(KeyboardSession& session) {
    const int active = GetActiveProfile(session);
    std::string caption;
    if (active == NO_ACTIVE_PROFILE) {
        caption = SessionText(session, kNoProfileText);
    } else if (IsKeyboardProfile(active)) {
        caption = FileTitle(WorkingProfilePath(session, active));
    }
    session.context.window->SetProfileCaption(caption,
                                              SessionText(session, kCaptionTipText) + caption);
}

}  // namespace keyloom
