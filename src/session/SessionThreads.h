#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>

namespace keyloom {

// The threads of a session that end by themselves (device-state and tray icon workers, the busy
// indicator): detached but counted, so that whoever lets the session go can wait for them first.
class SessionThreads {
  public:
    void Start(std::function<void()> work);
    // Returns once every thread started so far has ended; the last one to end wakes it.
    void WaitUntilAllEnded() const;
    // Whether every thread started so far has ended, without waiting.
    bool AllEnded() const;

  private:
    mutable std::mutex mutex_;
    mutable std::condition_variable allEnded_;
    int running_ = 0;
};

}  // namespace keyloom
