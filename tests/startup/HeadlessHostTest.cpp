#include "startup/HeadlessHost.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "session/WindowMessages.h"
#include "support/Eventually.h"

namespace keyloom {
namespace {

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

// A second timer of the same period starts as the first is killed: while it ticks, the first
// would be due as often, so its ticks show the first had every chance to tick again.
TEST(HeadlessHostTest, TimersTickUntilKilled) {
    HeadlessHost host;
    std::atomic<int> ticks{0};
    std::atomic<int> laterTicks{0};
    host.SetHandler([&](uint32_t message, uintptr_t wParam, intptr_t) -> intptr_t {
        if (message == MSG_TIMER && wParam == TIMER_BUSY && ++ticks == 3) {
            host.KillTimer(TIMER_BUSY);
            host.SetTimer(TIMER_PREVIEW, 1);
        } else if (message == MSG_TIMER && wParam == TIMER_PREVIEW && ++laterTicks == 3) {
            host.KillTimer(TIMER_PREVIEW);
        }
        return 0;
    });
    host.SetTimer(TIMER_BUSY, 1);
    ASSERT_TRUE(test::Eventually([&] { return laterTicks == 3; }));
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
