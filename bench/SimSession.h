#pragma once

// The virtual keyboard in this process with the tool's session on it, as keyloomctl runs it:
// libZozOdiz.so bound from the build, a headless window, and the user's files, the keyboard's
// memory and the transport's trace in a folder of their own under the temporary folder.

#include <memory>
#include <string>

#include "device/DeviceLink.h"
#include "session/AppContext.h"
#include "session/KeyboardSession.h"
#include "startup/HeadlessHost.h"

namespace keyloom::bench {

class SimSession {
  public:
    // The one session of the process; `traced` on its first call says whether the transport
    // writes its trace (every exchange then costs the lines too).
    static SimSession& Instance(bool traced);

    KeyboardSession& Session() { return *session_; }
    HeadlessHost& Host() { return host_; }
    const std::string& Folder() const { return folder_; }
    // Empty when not traced.
    const std::string& TracePath() const { return tracePath_; }
    // Waits until the workers and the window's messages are done.
    void Settle();

  private:
    explicit SimSession(bool traced);
    SimSession(const SimSession&) = delete;
    SimSession& operator=(const SimSession&) = delete;

    std::string folder_;
    std::string tracePath_;
    AppContext context_;
    HeadlessHost host_;
    std::unique_ptr<KeyboardSession> session_;
};

}  // namespace keyloom::bench
