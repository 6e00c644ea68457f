#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/UserFolders.h"

namespace keyloom {

namespace {

int OpenLockFile(const std::string& name) {
    const std::string folder = RuntimeHome();
    if (folder.empty()) {
        return -1;
    }
    return open((folder + "/" + name + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
}

}  // namespace

InstanceLock::InstanceLock(const std::string& name) : fd_(OpenLockFile(name)) {
    if (fd_ >= 0 && flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        close(fd_);
        fd_ = -1;
    }
}

InstanceLock::~InstanceLock() {
    Release();
}

void InstanceLock::Release() {
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
    }
}

bool InstanceLock::HeldElsewhere(const std::string& name) {
    const int fd = OpenLockFile(name);
    if (fd < 0) {
        return false;
    }
    const bool free = flock(fd, LOCK_EX | LOCK_NB) == 0;
    close(fd);
    return !free;
}

}  // namespace keyloom
