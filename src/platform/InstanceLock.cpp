#include "platform/InstanceLock.h"

#include <fcntl.h>
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

// The whole file. Open-file-description locks belong to the open file, not the process, and can
// be tested without being taken, so a look at the lock never makes a starting instance believe
// it is held elsewhere.
struct flock WholeFile(short type) {
    struct flock range {};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    return range;
}

}  // namespace

InstanceLock::InstanceLock(const std::string& name) : fd_(OpenLockFile(name)) {
    struct flock range = WholeFile(F_WRLCK);
    if (fd_ >= 0 && fcntl(fd_, F_OFD_SETLK, &range) != 0) {
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
    struct flock range = WholeFile(F_WRLCK);
    const bool tested = fcntl(fd, F_OFD_GETLK, &range) == 0;
    close(fd);
    return tested && range.l_type != F_UNLCK;
}

}  // namespace keyloom
