#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>

namespace keyloom {

// A message for another instance's main window, as a window message is written.
struct InstanceRequest {
    uint32_t message = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
};

// Runs one request and gives the answer that goes back to the sender.
using InstanceHandler =
    std::function<intptr_t(uint32_t message, uintptr_t wParam, intptr_t lParam)>;
// Whether a request may reach the handler at all.
using InstanceFilter = std::function<bool(const InstanceRequest& request)>;

// The socket through which other processes of this user reach the instance with the given pid:
// <runtime folder>/keyloom/<pid>.sock. Empty when the runtime folder is unusable.
std::string InstanceSocketPath(pid_t pid);

// The channel of this process: a socket only this user may open, and a thread that takes one
// request per connection, runs the handler and writes its answer back. Requests are handled one
// at a time, so a handler that waits for something long (a modal dialog) holds back the next
// sender until it returns. A request that `accept` refuses, or that comes from another user, is
// logged and its connection closed without an answer. The socket file is removed when the server
// is destroyed; destroy it outside the handler, since the destructor waits for a running handler.
class InstanceChannelServer {
  public:
    explicit InstanceChannelServer(InstanceHandler handler, InstanceFilter accept = {});
    ~InstanceChannelServer();
    InstanceChannelServer(const InstanceChannelServer&) = delete;
    InstanceChannelServer& operator=(const InstanceChannelServer&) = delete;

    // Whether the socket is there and requests are taken.
    bool Listening() const { return listenFd_ >= 0; }

  private:
    void Serve();
    void Answer(int connection) const;

    InstanceHandler handler_;
    InstanceFilter accept_;
    std::string path_;
    int listenFd_ = -1;
    int stopFd_ = -1;
    std::thread thread_;
};

// Sends a request to the instance with the given pid and waits at most `timeout` for the answer,
// which comes once its handler has run. Nothing when the instance has no channel, belongs to
// another user or does not answer in time. The socket of a process that no longer exists is
// removed.
std::optional<intptr_t> SendToInstance(pid_t pid, uint32_t message, uintptr_t wParam,
                                       intptr_t lParam, std::chrono::milliseconds timeout);

}  // namespace keyloom
