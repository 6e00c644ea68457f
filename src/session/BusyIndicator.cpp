#include "session/BusyIndicator.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "session/WindowMessages.h"

namespace keyloom {

namespace {

constexpr uint32_t kFrameMilliseconds = 50;
constexpr std::chrono::milliseconds kLingerAfterHide{100};

}  // namespace

// Shared with the thread, which outlives the indicator by the time it lingers.
struct BusyIndicator::Queue {
    std::mutex mutex;
    std::condition_variable posted;
    std::deque<uint32_t> messages;

    uint32_t Take() {
        std::unique_lock lock(mutex);
        posted.wait(lock, [this] { return !messages.empty(); });
        const uint32_t message = messages.front();
        messages.pop_front();
        return message;
    }
};

void BusyIndicator::Run(WindowPort& window, Queue& queue) {
    while (queue.Take() != BUSY_HIDE) {
        window.SetBusyPictureVisible(true);
        window.SetTimer(TIMER_BUSY, kFrameMilliseconds);
    }
    std::this_thread::sleep_for(kLingerAfterHide);
    window.KillTimer(TIMER_BUSY);
    window.SetBusyPictureVisible(false);
}

BusyIndicator::BusyIndicator(KeyboardSession& session) : queue_(std::make_shared<Queue>()) {
    StartSessionThread(
        session, [&window = *session.context.window, queue = queue_] { Run(window, *queue); });
}

void BusyIndicator::Show() {
    Post(BUSY_SHOW);
}

void BusyIndicator::Hide() {
    Post(BUSY_HIDE);
}

void BusyIndicator::Post(uint32_t message) {
    {
        std::lock_guard lock(queue_->mutex);
        queue_->messages.push_back(message);
    }
    queue_->posted.notify_one();
}

}  // namespace keyloom
