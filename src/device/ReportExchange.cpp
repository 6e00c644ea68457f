#include "device/ReportExchange.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include "device/ConfigReport.h"
#include "device/DeviceResult.h"
#include "platform/LittleEndian.h"
#include "platform/Log.h"

namespace keyloom {

namespace {

using std::chrono::milliseconds;

constexpr int kMaxAttempts = 3;
constexpr milliseconds kRetryPause{10};
// Left for an exchange that another caller still has in flight.
constexpr milliseconds kBusyBackOff{1001};

bool IsStatusError(uint8_t status) {
    return status == 0xFF || status == 0xFE;
}

void LogAttempt(const uint8_t* request, int attempt, const std::string& what) {
    Log(LogLevel::kInfo, "exchange of command " + std::to_string(request[REPORT_COMMAND_AT]) +
                             " at offset " + std::to_string(ReadU16(request + REPORT_OFFSET_AT)) +
                             ", attempt " + std::to_string(attempt) + ": " + what);
}

}  // namespace

DeviceResult ReportExchange::ExchangeReport(const uint8_t* request, size_t requestLength,
                                            uint8_t* answer, size_t answerCapacity,
                                            size_t* received) {
    std::lock_guard lock(exchangeLock_);
    *received = 0;
    if (slot_.Abandoned() || transport_.DeviceCount(CONFIG_COLLECTION) == 0) {
        return RESULT_NO_DEVICE;
    }
    ConfigReport padded{};
    std::copy_n(request, std::min(requestLength, kReportSize), padded.begin());
    const DeviceResult result = Attempts(padded.data(), answer, answerCapacity, received);
    slot_.ClearInFlight();
    return result;
}

DeviceResult ReportExchange::Attempts(const uint8_t* request, uint8_t* answer,
                                      size_t answerCapacity, size_t* received) {
    for (int attempt = 1;; ++attempt) {
        if (slot_.InFlight()) {
            std::this_thread::sleep_for(kBusyBackOff);
            slot_.ClearInFlight();
        }
        slot_.Arm(answer, answerCapacity, request);
        if (transport_.WriteOne(request, kReportSize) <= 0) {
            LogWarning("exchange of command " + std::to_string(request[REPORT_COMMAND_AT]) +
                       ": the transport refused the send");
            return RESULT_SEND_REFUSED;
        }
        const AnswerSlot::Wait wait = slot_.WaitForAnswer(answerWait_, received);
        if (wait == AnswerSlot::Wait::kAbandoned) {
            *received = 0;
            return RESULT_NO_DEVICE;
        }
        if (wait == AnswerSlot::Wait::kAnswered) {
            const bool statusError =
                *received > REPORT_STATUS_AT && IsStatusError(answer[REPORT_STATUS_AT]);
            if (statusError) {
                LogAttempt(request, attempt, "status " + std::to_string(answer[REPORT_STATUS_AT]));
            }
            if (!statusError || attempt == kMaxAttempts) {
                return RESULT_OK;
            }
        } else {
            LogAttempt(request, attempt, "no answer");
        }
        if (attempt == kMaxAttempts) {
            LogWarning("exchange of command " + std::to_string(request[REPORT_COMMAND_AT]) +
                       " at offset " + std::to_string(ReadU16(request + REPORT_OFFSET_AT)) +
                       ": no matching answer in " + std::to_string(kMaxAttempts) + " attempts");
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
