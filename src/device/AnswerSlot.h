#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>

namespace keyloom {

// Where the keyboard's answer to the exchange in flight lands. The answer arrives on a
// transport thread; the exchanging thread waits for it on an auto-reset event. One answer is
// taken per armed request: once it is in the caller's buffer, nothing else is written there.
class AnswerSlot {
  public:
    enum class Wait { kAnswered, kTimedOut };

    // Points the slot at the caller's buffer, resets the event and marks an exchange in flight.
    void Arm(uint8_t* buffer, size_t capacity);
    bool InFlight() const;
    // Ends the exchange in flight: a late answer is dropped from now on.
    void ClearInFlight();
    // Takes the first answer while an exchange is in flight; drops it otherwise.
    void Deliver(const uint8_t* data, size_t length);
    // Waits for the event and resets it; on an answer, `received` (when given) is its length.
    Wait WaitForAnswer(std::chrono::milliseconds timeout, size_t* received = nullptr);
    size_t ReceivedLength() const;

  private:
    mutable std::mutex mutex_;
    std::condition_variable answered_;
    uint8_t* buffer_ = nullptr;
    size_t capacity_ = 0;
    size_t received_ = 0;
    bool inFlight_ = false;
    bool accepted_ = false;  // the armed request has its answer
    bool signalled_ = false;
};

}  // namespace keyloom
