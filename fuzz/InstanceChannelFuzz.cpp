// Requests from other processes on the instance channel, as the tool's window takes them: any
// bytes a peer sends reach the window only as one whole request of the few that are accepted
// from outside, carried unchanged, and only such a request gets an answer.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include "platform/InstanceChannel.h"
#include "platform/LittleEndian.h"
#include "session/WindowMessages.h"
#include "startup/SingleInstance.h"
#include "support/FuzzCheck.h"
#include "support/ScratchFile.h"

using namespace keyloom;

namespace {

// A request on the wire: u32 message, u64 wParam, i64 lParam, little-endian; the answer: i64.
constexpr size_t kRequestSize = 20;
constexpr size_t kAnswerSize = 8;
constexpr size_t kMaxSent = 64;

uint64_t ReadU64(const uint8_t* p) {
    return ReadU32(p) | static_cast<uint64_t>(ReadU32(p + 4)) << 32;
}

intptr_t AnswerOf(const InstanceRequest& request) {
    return static_cast<intptr_t>(request.wParam ^ static_cast<uintptr_t>(request.lParam) ^ 0x5A5A);
}

class Window {
  public:
    intptr_t Handle(uint32_t message, uintptr_t wParam, intptr_t lParam) {
        const std::lock_guard lock(mutex_);
        FUZZ_CHECK(!handled_);
        handled_ = InstanceRequest{message, wParam, lParam};
        return AnswerOf(*handled_);
    }

    std::optional<InstanceRequest> Take() {
        const std::lock_guard lock(mutex_);
        return std::exchange(handled_, std::nullopt);
    }

  private:
    std::mutex mutex_;
    std::optional<InstanceRequest> handled_;
};

Window& TheWindow() {
    static Window window;
    return window;
}

void StartChannel() {
    setenv("XDG_RUNTIME_DIR", fuzz::ScratchFolder().c_str(), 1);
    // Every refused request is logged as a warning; thousands a second would bury the findings.
    setenv("KEYLOOM_LOG", "error", 0);
    static const InstanceChannelServer channel(
        [](uint32_t message, uintptr_t wParam, intptr_t lParam) {
            return TheWindow().Handle(message, wParam, lParam);
        },
        AcceptedFromOtherProcess);
    FUZZ_CHECK(channel.Listening());
}

// Sends the bytes as one peer, ends its side and returns everything that comes back.
std::vector<uint8_t> Exchange(const uint8_t* data, size_t size) {
    const std::string path = InstanceSocketPath(getpid());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    FUZZ_CHECK(path.size() < sizeof address.sun_path);
    std::memcpy(address.sun_path, path.c_str(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    FUZZ_CHECK(fd >= 0);
    FUZZ_CHECK(connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0);
    for (size_t sent = 0; sent < size;) {
        const ssize_t moved = send(fd, data + sent, size - sent, MSG_NOSIGNAL);
        FUZZ_CHECK(moved > 0 || (moved < 0 && errno == EINTR));
        sent += moved > 0 ? static_cast<size_t>(moved) : 0;
    }
    shutdown(fd, SHUT_WR);
    std::vector<uint8_t> answer;
    uint8_t buffer[64];
    for (ssize_t got; (got = recv(fd, buffer, sizeof buffer, 0)) != 0;) {
        // libFuzzer's timer signal interrupts calls now and then.
        if (got < 0 && errno == EINTR) {
            continue;
        }
        // The channel closes a connection whose request it read with the rest still unread.
        if (got < 0 && errno == ECONNRESET) {
            break;
        }
        FUZZ_CHECK(got > 0);
        answer.insert(answer.end(), buffer, buffer + got);
    }
    close(fd);
    return answer;
}

bool ComesFromOutside(uint32_t message) {
    return message == UM_OPEN || message == UM_KILL || message == MSG_APPLY ||
           message == MSG_COMMAND;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    StartChannel();
    size = std::min(size, kMaxSent);
    const std::vector<uint8_t> answer = Exchange(data, size);
    const std::optional<InstanceRequest> handled = TheWindow().Take();
    if (size < kRequestSize) {
        FUZZ_CHECK(!handled && answer.empty());
        return 0;
    }
    const InstanceRequest sent{ReadU32(data), static_cast<uintptr_t>(ReadU64(data + 4)),
                               static_cast<intptr_t>(ReadU64(data + 12))};
    if (!handled) {
        FUZZ_CHECK(answer.empty() && !AcceptedFromOtherProcess(sent));
        return 0;
    }
    FUZZ_CHECK(ComesFromOutside(handled->message));
    FUZZ_CHECK(handled->message == sent.message && handled->wParam == sent.wParam &&
               handled->lParam == sent.lParam);
    FUZZ_CHECK(answer.size() == kAnswerSize);
    FUZZ_CHECK(static_cast<intptr_t>(ReadU64(answer.data())) == AnswerOf(sent));
    return 0;
}
