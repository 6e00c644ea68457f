#include "cli/CtlSession.h"

#include <cstdio>

#include "cli/CtlFailure.h"
#include "platform/ExecutablePath.h"
#include "platform/UserFolders.h"
#include "session/ApplyPipeline.h"
#include "session/DeviceChannels.h"
#include "session/SessionMessages.h"
#include "session/TransportCallback.h"
#include "session/WindowMessages.h"
#include "storage/UserDataFolder.h"

namespace keyloom {

namespace {

constexpr char kApplicationTitle[] = "Keyloom";

SessionPaths UserPaths() {
    return {DataHome() + "/VQ52R_EN/", ExecutableFolder(), kApplicationTitle};
}

}  // namespace

CtlSession::CtlSession(DeviceLink& link, std::optional<MessageAnswer> answers,
                       bool readsKeyboardBack, CtlInterruption& interruption)
    : interruption_(interruption) {
    context_.window = &host_;
    // Without a window there is nothing to show when the keyboard arrives.
    context_.noAutoShow = 1;
    session_ = std::make_unique<KeyboardSession>(context_, link, UserPaths());
    host_.AnswerQuestionsWith(answers);
    host_.OnMessageShown([](const HeadlessHost::ShownMessage& shown) {
        std::fprintf(stderr, "%s\n", shown.text.c_str());
    });
    host_.SetHandler(
        [this, readsKeyboardBack](uint32_t message, uintptr_t wParam, intptr_t lParam) -> intptr_t {
            if (message == UM_PROFILE_RELOAD && !readsKeyboardBack) {
                return 0;
            }
            return HandleSessionMessage(*session_, message, wParam, lParam);
        });
    // As the window's start does, before the keyboard's arrival creates the per-user folder:
    // a first run seeds the user lighting files only while that folder does not exist yet.
    // Presets that could not be copied read as empty ones; the file errors are logged.
    (void)UserDataFolder::OfThisUser().PrepareFirstRun();
    StartDeviceChannels(*session_);
    host_.SetInitComplete(true);
    Settle();
}

CtlSession::~CtlSession() {
    session_->ending = true;
    AttachKeyboardSession(nullptr);
    Settle();
}

bool CtlSession::KeyboardPresent() const {
    return session_->link.Transport().DeviceCount(CONFIG_COLLECTION) > 0;
}

bool CtlSession::Apply(int profile) {
    ApplyProfileChanges(*session_, profile);
    Settle();
    if (host_.ApplyEnabled()) {
        CommandFailed("the changes were not written to the keyboard");
        return false;
    }
    return true;
}

void CtlSession::Settle() {
    WaitForSessionThreads(*session_);
    host_.WaitIdle();
}

}  // namespace keyloom
