#pragma once

#include <string>

namespace keyloom {

// The named lock that keeps one instance of the tool per user: a lock file in the user's
// runtime folder, released by the kernel when the process ends, however it ends.
class InstanceLock {
  public:
    // Tries to take the lock of the given name; Held() tells whether it was taken.
    explicit InstanceLock(const std::string& name);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    bool Held() const { return fd_ >= 0; }
    void Release();

    // True when another process holds the lock of this name now.
    static bool HeldElsewhere(const std::string& name);

  private:
    int fd_ = -1;
};

// The name of the tool's instance lock.
inline constexpr const char* TOOL_INSTANCE_LOCK = "QP73N21B";

}  // namespace keyloom
