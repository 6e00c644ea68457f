// Device answers arriving for the report exchange's requests, in any order and shape: the answer
// slot takes exactly the first whole answer that repeats the request in flight, copies no more
// than the caller's buffer holds, and signals once; checked against a model of that rule.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "device/AnswerSlot.h"
#include "device/ConfigReport.h"
#include "support/FuzzCheck.h"
#include "support/FuzzInput.h"

using namespace keyloom;

namespace {

constexpr size_t kMaxLength = 2 * kReportSize;
constexpr std::chrono::milliseconds kNoWait{0};

enum Step : uint8_t { kArm, kDeliver, kDeliverEcho, kClear, kWait, kAbandon };
constexpr uint8_t kStepCount = kAbandon + 1;

// What the slot should hold.
struct Model {
    ReportEcho echo{};
    std::vector<uint8_t> buffer;  // the caller's buffer as it should be
    size_t received = 0;
    bool inFlight = false;
    bool accepted = false;
    bool signalled = false;
    bool abandoned = false;
};

struct Caller {
    std::unique_ptr<uint8_t[]> buffer;
    size_t capacity = 0;
};

void Arm(fuzz::FuzzInput& input, AnswerSlot& slot, Model& model, Caller& caller) {
    caller.capacity = input.Byte() % kMaxLength;
    caller.buffer.reset(new uint8_t[caller.capacity]());
    std::array<uint8_t, kReportSize> request{};
    const auto bytes = input.Bytes(kReportSize);
    std::copy(bytes.begin(), bytes.end(), request.begin());
    slot.Arm(caller.buffer.get(), caller.capacity, request.data());
    std::copy_n(request.begin() + REPORT_ECHO_AT, REPORT_ECHO_SIZE, model.echo.begin());
    model.buffer.assign(caller.capacity, 0);
    model.received = 0;
    model.inFlight = true;
    model.accepted = false;
    model.signalled = false;
}

void Deliver(fuzz::FuzzInput& input, AnswerSlot& slot, Model& model, bool echo) {
    const auto bytes = input.Bytes(input.Byte() % kMaxLength);
    // On the heap at its exact size, so that reading past the answer is caught.
    const std::unique_ptr<uint8_t[]> answer(new uint8_t[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), answer.get());
    if (echo && bytes.size() >= REPORT_ECHO_AT + REPORT_ECHO_SIZE) {
        std::copy(model.echo.begin(), model.echo.end(), answer.get() + REPORT_ECHO_AT);
    }
    const bool answers =
        bytes.size() >= REPORT_ECHO_AT + REPORT_ECHO_SIZE &&
        std::equal(model.echo.begin(), model.echo.end(), answer.get() + REPORT_ECHO_AT);
    slot.Deliver(answer.get(), bytes.size());
    if (model.inFlight && !model.accepted && answers) {
        model.received = std::min(bytes.size(), model.buffer.size());
        std::copy_n(answer.get(), model.received, model.buffer.begin());
        model.accepted = true;
        model.signalled = true;
    }
}

void Wait(AnswerSlot& slot, Model& model) {
    size_t received = SIZE_MAX;
    const AnswerSlot::Wait wait = slot.WaitForAnswer(kNoWait, &received);
    if (model.abandoned) {
        FUZZ_CHECK(wait == AnswerSlot::Wait::kAbandoned);
    } else if (model.signalled) {
        FUZZ_CHECK(wait == AnswerSlot::Wait::kAnswered && received == model.received);
        model.signalled = false;
    } else {
        FUZZ_CHECK(wait == AnswerSlot::Wait::kTimedOut && received == SIZE_MAX);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput input(data, size);
    AnswerSlot slot;
    Model model;
    Caller caller;
    while (!input.Empty()) {
        const auto step = static_cast<Step>(input.Byte() % kStepCount);
        switch (step) {
            case kArm:
                Arm(input, slot, model, caller);
                break;
            case kDeliver:
            case kDeliverEcho:
                Deliver(input, slot, model, step == kDeliverEcho);
                break;
            case kClear:
                slot.ClearInFlight();
                model.inFlight = false;
                break;
            case kWait:
                Wait(slot, model);
                break;
            case kAbandon:
                slot.Abandon();
                model.abandoned = true;
                break;
        }
        FUZZ_CHECK(slot.InFlight() == model.inFlight && slot.Abandoned() == model.abandoned);
        FUZZ_CHECK(slot.ReceivedLength() == model.received);
        FUZZ_CHECK(std::equal(model.buffer.begin(), model.buffer.end(), caller.buffer.get()));
    }
    return 0;
}
