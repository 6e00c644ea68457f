#include "device/AnswerSlot.h"

#include <algorithm>

namespace keyloom {

void AnswerSlot::Arm(uint8_t* buffer, size_t capacity, const uint8_t* request) {
    std::lock_guard lock(mutex_);
    buffer_ = buffer;
    capacity_ = capacity;
    std::copy_n(request + REPORT_ECHO_AT, REPORT_ECHO_SIZE, echo_.begin());
    received_ = 0;
    accepted_ = false;
    signalled_ = false;
    inFlight_ = true;
}

bool AnswerSlot::InFlight() const {
    std::lock_guard lock(mutex_);
    return inFlight_;
}

void AnswerSlot::ClearInFlight() {
    std::lock_guard lock(mutex_);
    inFlight_ = false;
}

void AnswerSlot::Deliver(const uint8_t* data, size_t length) {
    {
        std::lock_guard lock(mutex_);
        if (!inFlight_ || accepted_ || buffer_ == nullptr || !Answers(data, length)) {
            return;
        }
        received_ = std::min(length, capacity_);
        std::copy_n(data, received_, buffer_);
        accepted_ = true;
        signalled_ = true;
    }
    answered_.notify_all();
}

// A late answer to an earlier request, such as the previous chunk's, repeats other bytes.
bool AnswerSlot::Answers(const uint8_t* data, size_t length) const {
    return length >= REPORT_ECHO_AT + REPORT_ECHO_SIZE &&
           std::equal(echo_.begin(), echo_.end(), data + REPORT_ECHO_AT);
}

AnswerSlot::Wait AnswerSlot::WaitForAnswer(std::chrono::milliseconds timeout, size_t* received) {
    std::unique_lock lock(mutex_);
    if (!answered_.wait_for(lock, timeout, [this] { return signalled_ || abandoned_; })) {
        return Wait::kTimedOut;
    }
    if (abandoned_) {
        return Wait::kAbandoned;
    }
    signalled_ = false;
    if (received != nullptr) {
        *received = received_;
    }
    return Wait::kAnswered;
}

void AnswerSlot::Abandon() {
    {
        std::lock_guard lock(mutex_);
        abandoned_ = true;
    }
    answered_.notify_all();
}

bool AnswerSlot::Abandoned() const {
    std::lock_guard lock(mutex_);
    return abandoned_;
}

size_t AnswerSlot::ReceivedLength() const {
    std::lock_guard lock(mutex_);
    return received_;
}

}  // namespace keyloom
