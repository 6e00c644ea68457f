#include "platform/InstanceLock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <unistd.h>
#include <atomic>
#include <csignal>
#include <thread>

namespace keyloom {
namespace {

// The lock belongs to the open file: a second open in the same process contends like another
// process would, which is what the tool sees when a second instance starts.
TEST(InstanceLockTest, OneHolderAtATimeUntilReleased) {
    InstanceLock first("KeyloomTestLock");
    ASSERT_TRUE(first.Held());
    EXPECT_TRUE(InstanceLock::HeldElsewhere("KeyloomTestLock"));
    InstanceLock second("KeyloomTestLock");
    EXPECT_FALSE(second.Held());
    first.Release();
    EXPECT_FALSE(InstanceLock::HeldElsewhere("KeyloomTestLock"));
    InstanceLock third("KeyloomTestLock");
    EXPECT_TRUE(third.Held());
}

// keyloomctl looks at the lock while the tool may be starting: the look must never be what keeps
// the tool from taking it.
TEST(InstanceLockTest, LookingAtTheLockNeverTakesIt) {
    std::atomic<bool> looking{true};
    std::atomic<int> looks{0};
    std::thread looker([&] {
        while (looking) {
            (void)InstanceLock::HeldElsewhere("KeyloomTestLook");  // only the look matters
            ++looks;
        }
    });
    while (looks == 0) {
        std::this_thread::yield();
    }
    for (int start = 0; start < 500; ++start) {
        InstanceLock lock("KeyloomTestLook");
        ASSERT_TRUE(lock.Held()) << "start " << start;
        lock.Release();
    }
    looking = false;
    looker.join();
}

TEST(InstanceLockTest, LockDiesWithItsProcess) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstanceLock held("KeyloomTestLock2");
        const char byte = held.Held() ? 1 : 0;
        (void)!write(ready[1], &byte, 1);
        pause();
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    EXPECT_EQ(byte, 1);
    EXPECT_TRUE(InstanceLock::HeldElsewhere("KeyloomTestLock2"));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_FALSE(InstanceLock::HeldElsewhere("KeyloomTestLock2"));
    close(ready[0]);
    close(ready[1]);
}

}  // namespace
}  // namespace keyloom
