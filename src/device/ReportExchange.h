#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <mutex>

#include "device/AnswerSlot.h"
#include "device/DeviceResult.h"
#include "device/TransportCalls.h"

namespace keyloom {

// Sends configuration requests and waits for their answers, one exchange at a time.
class ReportExchange {
  public:
    ReportExchange(const TransportCalls& transport, AnswerSlot& slot)
        : transport_(transport), slot_(slot) {}

    // Sends the request and waits up to 1000 ms for an answer that repeats its command, length
    // and offset (any other report is dropped and the wait goes on), three attempts at most.
    // 1: answered (received set; a status error after the third attempt is returned as an
    // answer too); 0: no keyboard; -1: send refused; -2: no matching answer.
    [[nodiscard]] DeviceResult ExchangeReport(const uint8_t* request, size_t requestLength,
                                              uint8_t* answer, size_t answerCapacity,
                                              size_t* received);

    // Sends without waiting for an answer; the transport's result.
    [[nodiscard]] int SendReportNoWait(const uint8_t* request, size_t requestLength);

    const TransportCalls& Transport() const { return transport_; }

    // How long one attempt waits for its answer: 1000 ms, shorter only for tests that make the
    // keyboard keep silent at every request in turn.
    void SetAnswerWait(std::chrono::milliseconds wait) { answerWait_ = wait; }

  private:
    DeviceResult Attempts(const uint8_t* request, uint8_t* answer, size_t answerCapacity,
                          size_t* received);

    const TransportCalls& transport_;
    AnswerSlot& slot_;
    std::mutex exchangeLock_;  // held for a whole exchange, so threads take turns
    std::atomic<std::chrono::milliseconds> answerWait_{std::chrono::milliseconds(1000)};
};

}  // namespace keyloom
