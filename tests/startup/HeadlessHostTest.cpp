#include "startup/HeadlessHost.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "session/WindowMessages.h"

namespace keyloom {
namespace {

using namespace std::chrono_literals;

TEST(HeadlessHostTest, MessagesRunInOrderOnTheHostThread) {
    HeadlessHost host;
    std::vector<uint32_t> seen;
    std::thread::id handlerThread;
    host.SetHandler([&](uint32_t message, uintptr_t wParam, intptr_t) -> intptr_t {
        handlerThread = std::this_thread::get_id();
        seen.push_back(message);
        if (message == 2) {
            // sent to itself from the window thread: handled at once, not queued
            EXPECT_EQ(host.SendMessage(3, 0, 0), 30);
        }
        return static_cast<intptr_t>(message * 10 + wParam);
    });
    host.PostMessage(1, 0, 0);
    EXPECT_EQ(host.SendMessage(2, 5, 0), 25);
    host.WaitIdle();
    EXPECT_EQ(seen, (std::vector<uint32_t>{1, 2, 3}));
    EXPECT_NE(handlerThread, std::this_thread::get_id());
}

TEST(HeadlessHostTest, TimersTickUntilKilled) {
    HeadlessHost host;
    std::atomic<int> ticks{0};
    host.SetHandler([&](uint32_t message, uintptr_t wParam, intptr_t) -> intptr_t {
        if (message == MSG_TIMER && wParam == TIMER_BUSY && ++ticks == 3) {
            host.KillTimer(TIMER_BUSY);
        }
        return 0;
    });
    host.SetTimer(TIMER_BUSY, 1);
    for (int i = 0; i < 500 && ticks < 3; ++i) {
        std::this_thread::sleep_for(10ms);
    }
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(ticks, 3);
}

TEST(HeadlessHostTest, QuestionsTakeTheDefaultButtonUnlessScripted) {
    HeadlessHost host;
    EXPECT_EQ(host.ShowMessage("A", "a", MessageButtons::kYesNo), MessageAnswer::kYes);
    EXPECT_EQ(host.ShowMessage("B", "b", MessageButtons::kYesNoDefaultNo), MessageAnswer::kNo);
    EXPECT_EQ(host.ShowMessage("C", "c", MessageButtons::kOk), MessageAnswer::kOk);
    host.AnswerQuestionsWith(MessageAnswer::kNo);
    EXPECT_EQ(host.ShowMessage("D", "d", MessageButtons::kYesNo), MessageAnswer::kNo);
    host.AnswerQuestionsWith(MessageAnswer::kYes);
    EXPECT_EQ(host.ShowMessage("E", "e", MessageButtons::kYesNoDefaultNo), MessageAnswer::kYes);
    EXPECT_EQ(host.ShowMessage("F", "f", MessageButtons::kOk), MessageAnswer::kOk);
    const auto shown = host.Messages();
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_EQ(shown[1].languageKey, "B");
    EXPECT_EQ(shown[4].answer, MessageAnswer::kYes);
}

TEST(HeadlessHostTest, OpenMessageShowsTheWindow) {
    HeadlessHost host;
    EXPECT_TRUE(host.WindowHidden());
    host.PostMessage(UM_OPEN, 0, 0);  // without its tag: ignored
    host.WaitIdle();
    EXPECT_TRUE(host.WindowHidden());
    host.PostMessage(UM_OPEN, TAG_OPEN, 0);
    host.WaitIdle();
    EXPECT_FALSE(host.WindowHidden());
    host.HideWindow();
    EXPECT_TRUE(host.WindowHidden());
}

}  // namespace
}  // namespace keyloom
