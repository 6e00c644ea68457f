#pragma once

#include <memory>
#include <optional>

#include "cli/CtlInterruption.h"
#include "session/AppContext.h"
#include "session/KeyboardSession.h"
#include "startup/HeadlessHost.h"

namespace keyloom {

// The tool's start-up without a window: the transport bound by name, the channels opened, the
// device-state worker's arrival done (reading the keyboard back into the working profile file,
// unless told not to), message boxes printed to standard error and answered from the command
// line.
class CtlSession {
  public:
    // On a bound transport, which lives until the process ends, as does the interruption.
    CtlSession(DeviceLink& link, std::optional<MessageAnswer> answers, bool readsKeyboardBack,
               CtlInterruption& interruption);
    ~CtlSession();
    CtlSession(const CtlSession&) = delete;
    CtlSession& operator=(const CtlSession&) = delete;

    KeyboardSession& Session() { return *session_; }
    HeadlessHost& Host() { return host_; }
    CtlInterruption& Interruption() { return interruption_; }
    bool KeyboardPresent() const;
    // Waits until the window messages and the workers started so far are done.
    void Settle();
    // The pending changes applied as the window's Apply does, the profile's key table written
    // too when it is not the active one; false, with the reason printed, when the keyboard did
    // not take them.
    [[nodiscard]] bool Apply(int profile);

  private:
    CtlInterruption& interruption_;
    AppContext context_;
    HeadlessHost host_;
    std::unique_ptr<KeyboardSession> session_;
};

}  // namespace keyloom
