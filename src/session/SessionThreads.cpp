#include "session/SessionThreads.h"

#include <thread>

namespace keyloom {

void SessionThreads::Start(std::function<void()> work) {
    {
        std::lock_guard lock(mutex_);
        ++running_;
    }
    std::thread([this, work = std::move(work)] {
        work();
        // Woken under the lock: a waiter that then lets the session go cannot free the lock
        // before this thread is done with it.
        std::lock_guard lock(mutex_);
        if (--running_ == 0) {
            allEnded_.notify_all();
        }
    }).detach();
}

void SessionThreads::WaitUntilAllEnded() const {
    std::unique_lock lock(mutex_);
    allEnded_.wait(lock, [this] { return running_ == 0; });
}

bool SessionThreads::AllEnded() const {
    std::lock_guard lock(mutex_);
    return running_ == 0;
}

}  // namespace keyloom
