#pragma once

// SIGTERM, SIGINT and SIGHUP (a logout, a closed terminal) end the programs through their own
// exit paths instead of killing them where they stand: the signals are blocked in every thread
// and read on a thread of their own, which hands each one to a callback.

#include <functional>
#include <thread>

namespace keyloom {

class TerminationSignals {
  public:
    // Blocks the three signals in the calling thread and in every thread it starts from now on.
    // Call it before any thread exists.
    static void Block();

    // Blocks the signals and watches for them; `onSignal` runs on the watching thread.
    explicit TerminationSignals(std::function<void(int signal)> onSignal);
    // Stops watching; the signals stay blocked, so a late one is simply not taken.
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    bool Watching() const { return thread_.joinable(); }

  private:
    void Watch();

    std::function<void(int signal)> onSignal_;
    int signalFd_ = -1;
    int stopFd_ = -1;
    std::thread thread_;
};

}  // namespace keyloom
