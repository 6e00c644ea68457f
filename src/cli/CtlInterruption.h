#pragma once

// A termination signal asked keyloomctl to end. Most commands are cut short by it; a command
// that runs until interrupted (watch) waits for it and takes it as its normal end.

#include <functional>
#include <mutex>

namespace keyloom {

class CtlInterruption {
  public:
    // From the signal thread.
    void Interrupt(int signal);
    // 0 until a signal came.
    int Signal() const;
    // Whether a command took the signal as its normal end.
    bool Expected() const;

    // `onInterrupt` runs once the signal comes (at once when it came already); an empty one
    // stops that. Setting one says the command ends by the signal.
    void OnInterrupt(std::function<void()> onInterrupt);

  private:
    mutable std::mutex lock_;
    int signal_ = 0;
    bool expected_ = false;
    std::function<void()> onInterrupt_;  // called under the lock, so it is never left running
};

}  // namespace keyloom
