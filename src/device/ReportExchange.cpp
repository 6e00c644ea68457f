#include "device/ReportExchange.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "device/ConfigReport.h"
#include "device/DeviceResult.h"

namespace keyloom {

namespace {

using std::chrono::milliseconds;

constexpr int kMaxAttempts = 3;
constexpr milliseconds kAnswerWait{1000};
constexpr milliseconds kRetryPause{10};
// Left for an exchange that another caller still has in flight.
constexpr milliseconds kBusyBackOff{1001};

bool IsStatusError(uint8_t status) {
    return status == 0xFF || status == 0xFE;
}

}  // namespace

int ReportExchange::ExchangeReport(const uint8_t* request, size_t requestLength, uint8_t* answer,
                                   size_t answerCapacity, size_t* received) {
    std::lock_guard lock(exchangeLock_);
    *received = 0;
    if (transport_.DeviceCount(CONFIG_COLLECTION) == 0) {
        return RESULT_NO_DEVICE;
    }
    ConfigReport padded{};
    std::copy_n(request, std::min(requestLength, kReportSize), padded.begin());
    const int result = Attempts(padded.data(), answer, answerCapacity, received);
    slot_.ClearInFlight();
    return result;
}

int ReportExchange::Attempts(const uint8_t* request, uint8_t* answer, size_t answerCapacity,
                             size_t* received) {
    for (int attempt = 1;; ++attempt) {
        if (slot_.InFlight()) {
            std::this_thread::sleep_for(kBusyBackOff);
            slot_.ClearInFlight();
        }
        slot_.Arm(answer, answerCapacity, request);
        if (transport_.WriteOne(request, kReportSize) <= 0) {
            return RESULT_SEND_REFUSED;
        }
        if (slot_.WaitForAnswer(kAnswerWait, received) == AnswerSlot::Wait::kAnswered) {
            const bool statusError =
                *received > REPORT_STATUS_AT && IsStatusError(answer[REPORT_STATUS_AT]);
            if (!statusError || attempt == kMaxAttempts) {
                return RESULT_OK;
            }
        }
        if (attempt == kMaxAttempts) {
            *received = 0;
            return RESULT_NO_ANSWER;
        }
        slot_.ClearInFlight();
        std::this_thread::sleep_for(kRetryPause);
    }
}

int ReportExchange::SendReportNoWait(const uint8_t* request, size_t requestLength) {
    ConfigReport padded{};
    std::copy_n(request, std::min(requestLength, kReportSize), padded.begin());
    return transport_.WriteOne(padded.data(), kReportSize);
}

}  // namespace keyloom
