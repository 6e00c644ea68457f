#include "startup/SystemInstanceEnvironment.h"

#include <filesystem>

#include "platform/CompanionDaemon.h"
#include "platform/ExecutablePath.h"
#include "platform/ProcessList.h"
#include "platform/ProgramLauncher.h"

namespace keyloom {

SystemInstanceEnvironment::SystemInstanceEnvironment()
    : executableName_(std::filesystem::path(ExecutablePath()).filename().string()) {}

InstanceLockState SystemInstanceEnvironment::TakeLock() {
    lock_.emplace(TOOL_INSTANCE_LOCK);
    if (lock_->Held()) {
        return InstanceLockState::kTaken;
    }
    lock_.reset();
    return InstanceLock::HeldElsewhere(TOOL_INSTANCE_LOCK) ? InstanceLockState::kHeldElsewhere
                                                           : InstanceLockState::kUnavailable;
}

// Only an instance with a channel in this user's runtime folder counts, so that sessions with
// runtime folders of their own (and tests running side by side) never reach each other.
pid_t SystemInstanceEnvironment::FindOtherInstance() {
    return keyloom::FindOtherInstance(executableName_, [](pid_t pid) {
        const std::string socket = InstanceSocketPath(pid);
        return !socket.empty() && std::filesystem::exists(socket);
    });
}

std::optional<intptr_t> SystemInstanceEnvironment::Deliver(pid_t pid,
                                                           const InstanceRequest& request) {
    return SendToInstance(pid, request.message, request.wParam, request.lParam, kHandOverWait);
}

void SystemInstanceEnvironment::StartDaemon() {
    OpenProgram(ExecutableFolder() + COMPANION_DAEMON, {});
}

void SystemInstanceEnvironment::ReleaseLock() {
    lock_.reset();
}

}  // namespace keyloom
