#pragma once

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>

#include "device/ConfigReport.h"

namespace keyloom {

// Where the keyboard's answer to the exchange in flight lands. The answer arrives on a
// transport thread; the exchanging thread waits for it on an auto-reset event. One answer is
// taken per armed request, and only one that repeats the request's command, length and offset:
// a late answer to an earlier request never reaches the caller's buffer.
class AnswerSlot {
  public:
    enum class Wait { kAnswered, kTimedOut, kAbandoned };

    // Points the slot at the caller's buffer, resets the event and marks the request (a whole
    // report) in flight.
    void Arm(uint8_t* buffer, size_t capacity, const uint8_t* request);
    bool InFlight() const;
    // Ends the exchange in flight: a late answer is dropped from now on.
    void ClearInFlight();
    // Takes the first answer to the request in flight; drops anything else.
    void Deliver(const uint8_t* data, size_t length);
    // Waits for the event and resets it; on an answer, `received` (when given) is its length.
    [[nodiscard]] Wait WaitForAnswer(std::chrono::milliseconds timeout, size_t* received = nullptr);
    // From now on every wait ends at once: a program that was asked to end gives up the exchange
    // in flight instead of waiting out its attempts. Safe from any thread.
    void Abandon();
    bool Abandoned() const;
    size_t ReceivedLength() const;

  private:
    bool Answers(const uint8_t* data, size_t length) const;

    mutable std::mutex mutex_;
    std::condition_variable answered_;
    uint8_t* buffer_ = nullptr;
    size_t capacity_ = 0;
    size_t received_ = 0;
    ReportEcho echo_{};
    bool inFlight_ = false;
    bool accepted_ = false;  // the armed request has its answer
    bool signalled_ = false;
    bool abandoned_ = false;
};

}  // namespace keyloom
