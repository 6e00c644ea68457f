#include "device/AnswerSlot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <thread>

#include "device/ConfigReport.h"

namespace keyloom {
namespace {

using std::chrono::milliseconds;

const ConfigReport kRequest = BuildRequest(CMD_READ_KEYS, 56, 0x0170);

// The keyboard's answer to `request`: its header repeated, `fill` in every data byte.
ConfigReport AnswerTo(const ConfigReport& request, uint8_t fill) {
    ConfigReport answer{};
    std::copy_n(request.begin(), REPORT_DATA_AT, answer.begin());
    std::fill(answer.begin() + REPORT_DATA_AT, answer.end(), fill);
    return answer;
}

TEST(AnswerSlotTest, AnswerWithNothingInFlightIsDropped) {
    AnswerSlot slot;
    const ConfigReport report = AnswerTo(kRequest, 1);
    slot.Deliver(report.data(), report.size());
    EXPECT_EQ(slot.ReceivedLength(), 0u);

    ConfigReport buffer{};
    slot.Arm(buffer.data(), buffer.size(), kRequest.data());
    slot.ClearInFlight();
    slot.Deliver(report.data(), report.size());
    EXPECT_EQ(buffer, ConfigReport{});
    EXPECT_EQ(slot.WaitForAnswer(milliseconds(1)), AnswerSlot::Wait::kTimedOut);
}

TEST(AnswerSlotTest, AnswerIsCutToTheCallersCapacity) {
    AnswerSlot slot;
    std::array<uint8_t, 12> buffer{};
    slot.Arm(buffer.data(), 10, kRequest.data());
    const ConfigReport report = AnswerTo(kRequest, 9);
    slot.Deliver(report.data(), report.size());
    EXPECT_EQ(slot.WaitForAnswer(milliseconds(0)), AnswerSlot::Wait::kAnswered);
    EXPECT_EQ(slot.ReceivedLength(), 10u);
    std::array<uint8_t, 12> expected{};
    std::copy_n(report.begin(), 10, expected.begin());
    EXPECT_EQ(buffer, expected);
}

TEST(AnswerSlotTest, EventResetsItselfAfterOneWait) {
    AnswerSlot slot;
    ConfigReport buffer{};
    slot.Arm(buffer.data(), buffer.size(), kRequest.data());
    std::thread transport([&] {
        const ConfigReport report = AnswerTo(kRequest, 2);
        slot.Deliver(report.data(), report.size());
    });
    EXPECT_EQ(slot.WaitForAnswer(milliseconds(5000)), AnswerSlot::Wait::kAnswered);
    transport.join();
    EXPECT_EQ(slot.WaitForAnswer(milliseconds(1)), AnswerSlot::Wait::kTimedOut);
}

TEST(AnswerSlotTest, OnlyTheFirstAnswerToARequestIsTaken) {
    AnswerSlot slot;
    ConfigReport buffer{};
    slot.Arm(buffer.data(), buffer.size(), kRequest.data());
    const ConfigReport first = AnswerTo(kRequest, 1);
    const ConfigReport second = AnswerTo(kRequest, 2);
    slot.Deliver(first.data(), first.size());
    slot.Deliver(second.data(), second.size());
    size_t received = 0;
    EXPECT_EQ(slot.WaitForAnswer(milliseconds(0), &received), AnswerSlot::Wait::kAnswered);
    slot.Deliver(second.data(), second.size());
    EXPECT_EQ(received, kReportSize);
    EXPECT_EQ(slot.ReceivedLength(), kReportSize);
    EXPECT_EQ(buffer, first);
    EXPECT_EQ(slot.WaitForAnswer(milliseconds(1)), AnswerSlot::Wait::kTimedOut);
}

TEST(AnswerSlotTest, AnswerThatDoesNotRepeatTheRequestIsDropped) {
    const struct {
        const char* what;
        size_t byte;  // of the answer, changed; past the report's end: the answer is cut there
        size_t length;
    } stale[] = {
        {"command", REPORT_COMMAND_AT, kReportSize},
        {"length", REPORT_LENGTH_AT, kReportSize},
        {"offset, low byte", REPORT_OFFSET_AT, kReportSize},
        {"offset, high byte", REPORT_OFFSET_AT + 1, kReportSize},
        {"cut before the offset's end", kReportSize, REPORT_STATUS_AT - 1},
    };
    const ConfigReport right = AnswerTo(kRequest, 5);
    for (const auto& s : stale) {
        AnswerSlot slot;
        ConfigReport buffer{};
        slot.Arm(buffer.data(), buffer.size(), kRequest.data());
        ConfigReport wrong = AnswerTo(kRequest, 6);
        if (s.byte < kReportSize) {
            wrong[s.byte] ^= 0x01;
        }
        slot.Deliver(wrong.data(), s.length);
        EXPECT_EQ(slot.WaitForAnswer(milliseconds(0)), AnswerSlot::Wait::kTimedOut) << s.what;
        EXPECT_EQ(buffer, ConfigReport{}) << s.what;
        slot.Deliver(right.data(), right.size());
        EXPECT_EQ(slot.WaitForAnswer(milliseconds(0)), AnswerSlot::Wait::kAnswered) << s.what;
        EXPECT_EQ(buffer, right) << s.what;
    }
}

TEST(AnswerSlotTest, ArmingForgetsTheLastAnswer) {
    AnswerSlot slot;
    ConfigReport buffer{};
    slot.Arm(buffer.data(), buffer.size(), kRequest.data());
    const ConfigReport report = AnswerTo(kRequest, 1);
    slot.Deliver(report.data(), report.size());
    slot.Arm(buffer.data(), buffer.size(), kRequest.data());
    EXPECT_EQ(slot.ReceivedLength(), 0u);
    EXPECT_EQ(slot.WaitForAnswer(milliseconds(1)), AnswerSlot::Wait::kTimedOut);
}

}  // namespace
}  // namespace keyloom
