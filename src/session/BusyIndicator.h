#pragma once

// The busy picture shown while an apply writes to the keyboard. The window thread is busy with
// the write meanwhile, so a thread of its own shows the picture and arms TIMER_BUSY, whose ticks
// the window turns into the animation frames once it handles messages again.

#include <cstdint>
#include <memory>

#include "session/KeyboardSession.h"

namespace keyloom {

// The indicator thread's messages.
inline constexpr uint32_t BUSY_SHOW = 0x0401;
inline constexpr uint32_t BUSY_HIDE = 0x0402;

class BusyIndicator {
  public:
    // Starts the indicator's thread, which ends after the hide message.
    explicit BusyIndicator(KeyboardSession& session);

    void Show();
    // The picture stays up 100 ms more, so that even a short apply is seen.
    void Hide();

  private:
    struct Queue;

    static void Run(WindowPort& window, Queue& queue);
    void Post(uint32_t message);

    std::shared_ptr<Queue> queue_;
};

}  // namespace keyloom
