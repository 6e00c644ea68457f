#pragma once

#include <cstdint>

namespace keyloom {

// Session events of the tool's own session, numbered as the window system numbers them.
inline constexpr uint32_t SESSION_CONSOLE_CONNECT = 1;
inline constexpr uint32_t SESSION_CONSOLE_DISCONNECT = 2;
inline constexpr uint32_t SESSION_LOCK = 7;
inline constexpr uint32_t SESSION_UNLOCK = 8;

// Whether the user is away from the session: set by a console disconnect or a session lock, and
// cleared only by the event that ends that same state (a connect ends a disconnect, an unlock
// ends a lock). Other events leave it as it is.
class SessionAwayFlag {
  public:
    void OnSessionChange(uint32_t event);
    bool Away() const { return away_; }

  private:
    bool away_ = false;
    uint32_t endingEvent_ = 0;
};

}  // namespace keyloom
