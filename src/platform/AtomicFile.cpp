#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/Log.h"

namespace keyloom {

namespace {

bool WriteAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

// The rename itself lasts only once the folder's entry is on disk.
void SyncFolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                         FileSync sync) {
    const bool toDisk = sync == FileSync::kToDisk;
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        LogWarning(FileErrorText("cannot write", path, errno));
        return false;
    }
    // The new file keeps the permissions of the one it replaces.
    struct stat previous {};
    fchmod(fd, stat(path.c_str(), &previous) == 0 ? (previous.st_mode & 07777) : 0644);
    const bool written = WriteAll(fd, bytes.data(), bytes.size()) && (!toDisk || fsync(fd) == 0);
    const bool closed = close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        LogWarning(FileErrorText("cannot write", path, errno));
        unlink(temporary.c_str());
        return false;
    }
    if (toDisk) {
        SyncFolderOf(path);
    }
    return true;
}

bool FileHolds(const std::string& path, const std::vector<uint8_t>& bytes) {
    // The size first, so that a file of another size is never read.
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<uint64_t>(status.st_size) != bytes.size()) {
        return false;
    }
    return ReadWholeFile(path) == bytes;
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes;
    uint8_t buffer[65536];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            LogWarning(FileErrorText("cannot read", path, errno));
            close(fd);
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    close(fd);
    return bytes;
}

}  // namespace keyloom
