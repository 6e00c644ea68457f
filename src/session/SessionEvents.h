#pragma once

// What happened to the keyboard, told to whoever listens (keyloomctl watch): plugged in or out,
// and what the keyboard did of its own accord.

#include <cstdint>
#include <functional>
#include <mutex>

namespace keyloom {

enum class SessionEventKind {
    kPlugged,         // the keyboard arrived and was read
    kUnplugged,       // the last keyboard went away
    kProfileChanged,  // value: the active profile read after the keyboard's change, 0 to 2
    kLightingChanged,
    kBankSwitched,  // value: the G-key bank now shown, 0 for A, 1 for B
    kConsumerCode,  // value: the code, known to the tool or not
};

struct SessionEvent {
    SessionEventKind kind;
    int value = 0;
};

class SessionEvents {
  public:
    using Listener = std::function<void(const SessionEvent&)>;

    // One listener at a time; an empty one stops listening. Once this returns, the previous
    // listener is not running and is not called again.
    void Listen(Listener listener);
    // Called on the thread that saw the event. The listener runs under a lock, so it must only
    // take note: calling back into the session from it could wait forever.
    void Raise(SessionEvent event);

  private:
    std::mutex lock_;
    Listener listener_;
};

}  // namespace keyloom
