#include "session/SessionThreads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>

namespace keyloom {
namespace {

// The threads are held until every one has started, so that a wait that does not wait finds
// them unfinished.
TEST(SessionThreadsTest, WaitReturnsOnlyOnceEveryThreadHasEnded) {
    for (const int count : {0, 1, 5}) {
        SCOPED_TRACE(count);
        SessionThreads threads;
        std::promise<void> release;
        const std::shared_future<void> released = release.get_future().share();
        std::atomic<int> ended{0};
        for (int i = 0; i < count; ++i) {
            threads.Start([released, &ended] {
                released.wait();
                ++ended;
            });
        }
        release.set_value();
        threads.WaitUntilAllEnded();
        EXPECT_EQ(ended, count);
    }
}

// A thread may start another one; the wait covers both.
TEST(SessionThreadsTest, WaitCoversThreadsStartedByThreads) {
    SessionThreads threads;
    std::atomic<bool> innerEnded{false};
    threads.Start([&] { threads.Start([&] { innerEnded = true; }); });
    threads.WaitUntilAllEnded();
    EXPECT_TRUE(innerEnded);
}

}  // namespace
}  // namespace keyloom
