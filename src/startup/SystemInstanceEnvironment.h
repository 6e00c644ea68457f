#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "platform/InstanceLock.h"
#include "startup/SingleInstance.h"

namespace keyloom {

// How long a later start waits for the running instance's handler before it ends anyway.
inline constexpr std::chrono::milliseconds kHandOverWait{30000};

// The instance check on this system: the tool's instance lock, the processes of this user named
// like this executable, their channels, and the companion program beside the executable.
class SystemInstanceEnvironment final : public InstanceEnvironment {
  public:
    SystemInstanceEnvironment();

    InstanceLockState TakeLock() override;
    pid_t FindOtherInstance() override;
    std::optional<intptr_t> Deliver(pid_t pid, const InstanceRequest& request) override;
    void StartDaemon() override;

    // Lets the lock go at exit; the kernel lets it go anyway when the process ends.
    void ReleaseLock();

  private:
    std::string executableName_;
    std::optional<InstanceLock> lock_;
};

}  // namespace keyloom
