#include "device/AnswerSlot.h"

#include <gtest/gtest.h>

#include <array>
#include <thread>

namespace keyloom {
namespace {

using std::chrono::milliseconds;

TEST(AnswerSlotTest, AnswerWithNothingInFlightIsDropped) {
    AnswerSlot slot;
    const uint8_t report[4] = {4, 1, 2, 3};
    slot.Deliver(report, sizeof report);
    EXPECT_EQ(slot.ReceivedLength(), 0u);

    std::array<uint8_t, 4> buffer{};
    slot.Arm(buffer.data(), buffer.size());
    slot.ClearInFlight();
    slot.Deliver(report, sizeof report);
    EXPECT_EQ(buffer, (std::array<uint8_t, 4>{}));
    EXPECT_EQ(slot.WaitForAnswer(milliseconds(1)), AnswerSlot::Wait::kTimedOut);
}

TEST(AnswerSlotTest, AnswerIsCutToTheCallersCapacity) {
    AnswerSlot slot;
    std::array<uint8_t, 6> buffer{};
    slot.Arm(buffer.data(), 4);
    const uint8_t report[6] = {9, 8, 7, 6, 5, 4};
    slot.Deliver(report, sizeof report);
    EXPECT_EQ(slot.WaitForAnswer(milliseconds(0)), AnswerSlot::Wait::kAnswered);
    EXPECT_EQ(slot.ReceivedLength(), 4u);
    EXPECT_EQ(buffer, (std::array<uint8_t, 6>{9, 8, 7, 6, 0, 0}));
}

TEST(AnswerSlotTest, EventResetsItselfAfterOneWait) {
    AnswerSlot slot;
    std::array<uint8_t, 2> buffer{};
    slot.Arm(buffer.data(), buffer.size());
    std::thread transport([&] {
        const uint8_t report[2] = {1, 2};
        slot.Deliver(report, sizeof report);
    });
    EXPECT_EQ(slot.WaitForAnswer(milliseconds(5000)), AnswerSlot::Wait::kAnswered);
    transport.join();
    EXPECT_EQ(slot.WaitForAnswer(milliseconds(1)), AnswerSlot::Wait::kTimedOut);
}

TEST(AnswerSlotTest, OnlyTheFirstAnswerToARequestIsTaken) {
    AnswerSlot slot;
    std::array<uint8_t, 3> buffer{};
    slot.Arm(buffer.data(), buffer.size());
    const uint8_t first[3] = {1, 2, 3};
    const uint8_t second[2] = {7, 8};
    slot.Deliver(first, sizeof first);
    slot.Deliver(second, sizeof second);
    size_t received = 0;
    EXPECT_EQ(slot.WaitForAnswer(milliseconds(0), &received), AnswerSlot::Wait::kAnswered);
    slot.Deliver(second, sizeof second);
    EXPECT_EQ(received, 3u);
    EXPECT_EQ(slot.ReceivedLength(), 3u);
    EXPECT_EQ(buffer, (std::array<uint8_t, 3>{1, 2, 3}));
    EXPECT_EQ(slot.WaitForAnswer(milliseconds(1)), AnswerSlot::Wait::kTimedOut);
}

TEST(AnswerSlotTest, ArmingForgetsTheLastAnswer) {
    AnswerSlot slot;
    std::array<uint8_t, 2> buffer{};
    slot.Arm(buffer.data(), buffer.size());
    const uint8_t report[2] = {1, 2};
    slot.Deliver(report, sizeof report);
    slot.Arm(buffer.data(), buffer.size());
    EXPECT_EQ(slot.ReceivedLength(), 0u);
    EXPECT_EQ(slot.WaitForAnswer(milliseconds(1)), AnswerSlot::Wait::kTimedOut);
}

}  // namespace
}  // namespace keyloom
