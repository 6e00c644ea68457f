#include "platform/InstanceChannel.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>

#include "platform/LittleEndian.h"
#include "platform/Log.h"
#include "platform/UserFolders.h"

namespace keyloom {

namespace {

using Clock = std::chrono::steady_clock;

// A request on the wire: u32 message, u64 wParam, i64 lParam; the answer: i64. Little-endian.
constexpr size_t REQUEST_MESSAGE = 0;
constexpr size_t REQUEST_WPARAM = 4;
constexpr size_t REQUEST_LPARAM = 12;
constexpr size_t REQUEST_SIZE = 20;
constexpr size_t ANSWER_SIZE = 8;
static_assert(REQUEST_SIZE == REQUEST_LPARAM + 8);
static_assert(sizeof(uintptr_t) <= 8 && sizeof(intptr_t) <= 8);

// How long a connected sender may take to write its request.
constexpr std::chrono::milliseconds kRequestWait{1000};

uint64_t ReadU64(const uint8_t* p) {
    return ReadU32(p) | (static_cast<uint64_t>(ReadU32(p + 4)) << 32);
}

void WriteU64(uint8_t* p, uint64_t value) {
    WriteU32(p, static_cast<uint32_t>(value));
    WriteU32(p + 4, static_cast<uint32_t>(value >> 32));
}

void EncodeRequest(uint8_t* bytes, const InstanceRequest& request) {
    WriteU32(bytes + REQUEST_MESSAGE, request.message);
    WriteU64(bytes + REQUEST_WPARAM, request.wParam);
    WriteU64(bytes + REQUEST_LPARAM, static_cast<uint64_t>(request.lParam));
}

InstanceRequest DecodeRequest(const uint8_t* bytes) {
    return {ReadU32(bytes + REQUEST_MESSAGE),
            static_cast<uintptr_t>(ReadU64(bytes + REQUEST_WPARAM)),
            static_cast<intptr_t>(ReadU64(bytes + REQUEST_LPARAM))};
}

std::string ChannelFolder() {
    const std::string runtime = RuntimeHome();
    return runtime.empty() ? std::string() : runtime + "/keyloom";
}

// The folder must be this user's own and closed to everyone else.
bool PrepareFolder(const std::string& folder) {
    mkdir(folder.c_str(), 0700);
    struct stat info {};
    if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != geteuid()) {
        return false;
    }
    return (info.st_mode & 07777) == 0700 || chmod(folder.c_str(), 0700) == 0;
}

bool MakeAddress(const std::string& path, sockaddr_un& address) {
    if (path.empty() || path.size() >= sizeof address.sun_path) {
        return false;
    }
    address = {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size());
    return true;
}

bool PeerIsSameUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == geteuid();
}

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::clamp<int64_t>(left.count(), 0, INT_MAX));
}

// Repeats `transfer(offset)`, which moves what is left from `offset` on and returns how much it
// moved, until all `size` bytes are through; false on an error, a time-out or the end of the
// connection.
template <typename Transfer>
bool TransferFully(size_t size, Transfer transfer) {
    size_t done = 0;
    while (done < size) {
        const ssize_t moved = transfer(done);
        if (moved < 0 && errno == EINTR) {
            continue;
        }
        if (moved <= 0) {
            return false;
        }
        done += static_cast<size_t>(moved);
    }
    return true;
}

bool ReadFully(int fd, uint8_t* data, size_t size, Clock::time_point deadline) {
    return TransferFully(size, [&](size_t offset) -> ssize_t {
        pollfd entry{fd, POLLIN, 0};
        const int ready = poll(&entry, 1, MillisecondsLeft(deadline));
        return ready <= 0 ? ready : recv(fd, data + offset, size - offset, 0);
    });
}

bool WriteFully(int fd, const uint8_t* data, size_t size) {
    return TransferFully(
        size, [&](size_t offset) { return send(fd, data + offset, size - offset, MSG_NOSIGNAL); });
}

// Binds the socket file (replacing one left by an earlier process with this pid), closes it to
// everyone but this user and listens.
int OpenListeningSocket(const std::string& path) {
    sockaddr_un address;
    if (!MakeAddress(path, address)) {
        return -1;
    }
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return -1;
    }
    unlink(path.c_str());
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    if (chmod(path.c_str(), 0600) != 0 || listen(fd, SOMAXCONN) != 0) {
        close(fd);
        unlink(path.c_str());
        return -1;
    }
    return fd;
}

// A connection whose connect and writes give up after `timeout` (a full backlog blocks them).
int ConnectTo(const std::string& path, std::chrono::milliseconds timeout) {
    sockaddr_un address;
    if (!MakeAddress(path, address)) {
        return -1;
    }
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return -1;
    }
    const auto wait = std::max(timeout, std::chrono::milliseconds(1));
    const timeval limit{static_cast<time_t>(wait.count() / 1000),
                        static_cast<suseconds_t>(wait.count() % 1000 * 1000)};
    if (setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit) != 0 ||
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

void ForgetIfGone(pid_t pid, const std::string& path) {
    if (kill(pid, 0) != 0 && errno == ESRCH) {
        unlink(path.c_str());
    }
}

}  // namespace

std::string InstanceSocketPath(pid_t pid) {
    const std::string folder = ChannelFolder();
    return folder.empty() ? std::string() : folder + "/" + std::to_string(pid) + ".sock";
}

InstanceChannelServer::InstanceChannelServer(InstanceHandler handler, InstanceFilter accept)
    : handler_(std::move(handler)), accept_(std::move(accept)) {
    const std::string folder = ChannelFolder();
    if (folder.empty() || !PrepareFolder(folder)) {
        return;
    }
    path_ = InstanceSocketPath(getpid());
    listenFd_ = OpenListeningSocket(path_);
    if (listenFd_ < 0) {
        return;
    }
    stopFd_ = eventfd(0, EFD_CLOEXEC);
    if (stopFd_ < 0) {
        close(listenFd_);
        listenFd_ = -1;
        unlink(path_.c_str());
        return;
    }
    thread_ = std::thread(&InstanceChannelServer::Serve, this);
}

InstanceChannelServer::~InstanceChannelServer() {
    if (!Listening()) {
        return;
    }
    const uint64_t stop = 1;
    (void)!write(stopFd_, &stop, sizeof stop);
    thread_.join();
    close(stopFd_);
    close(listenFd_);
    unlink(path_.c_str());
}

void InstanceChannelServer::Serve() {
    pollfd entries[2] = {{listenFd_, POLLIN, 0}, {stopFd_, POLLIN, 0}};
    for (;;) {
        if (poll(entries, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (entries[1].revents != 0 || (entries[0].revents & POLLIN) == 0) {
            return;
        }
        const int connection = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection >= 0) {
            Answer(connection);
            close(connection);
        }
    }
}

void InstanceChannelServer::Answer(int connection) const {
    uint8_t request[REQUEST_SIZE];
    if (!PeerIsSameUser(connection)) {
        LogWarning("instance channel: refused a request from another user");
        return;
    }
    if (!ReadFully(connection, request, sizeof request, Clock::now() + kRequestWait)) {
        LogInfo("instance channel: a request did not arrive whole");
        return;
    }
    const InstanceRequest decoded = DecodeRequest(request);
    if (accept_ && !accept_(decoded)) {
        LogWarning("instance channel: refused message " + std::to_string(decoded.message) +
                   " (wParam " + std::to_string(decoded.wParam) + ")");
        return;
    }
    uint8_t answer[ANSWER_SIZE];
    WriteU64(answer,
             static_cast<uint64_t>(handler_(decoded.message, decoded.wParam, decoded.lParam)));
    WriteFully(connection, answer, sizeof answer);
}

std::optional<intptr_t> SendToInstance(pid_t pid, uint32_t message, uintptr_t wParam,
                                       intptr_t lParam, std::chrono::milliseconds timeout) {
    if (pid <= 0) {
        return std::nullopt;
    }
    const auto deadline = Clock::now() + timeout;
    const std::string path = InstanceSocketPath(pid);
    const int fd = ConnectTo(path, timeout);
    if (fd < 0) {
        ForgetIfGone(pid, path);
        return std::nullopt;
    }
    uint8_t request[REQUEST_SIZE];
    EncodeRequest(request, {message, wParam, lParam});
    uint8_t answer[ANSWER_SIZE];
    const bool answered = PeerIsSameUser(fd) && WriteFully(fd, request, sizeof request) &&
                          ReadFully(fd, answer, sizeof answer, deadline);
    close(fd);
    if (!answered) {
        return std::nullopt;
    }
    return static_cast<intptr_t>(ReadU64(answer));
}

}  // namespace keyloom
