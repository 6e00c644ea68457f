#include "platform/ProcessList.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <thread>

#include "support/TestEnvironment.h"

extern char** environ;

namespace keyloom {
namespace {

// Starts a copy of sleep under the given file name; `Stop` ends it.
pid_t StartProgramNamed(const std::string& path) {
    if (!std::filesystem::exists(path)) {
        std::filesystem::copy_file("/bin/sleep", path);
    }
    char* argv[] = {const_cast<char*>(path.c_str()), const_cast<char*>("30"), nullptr};
    pid_t child = 0;
    EXPECT_EQ(posix_spawn(&child, path.c_str(), nullptr, nullptr, argv, environ), 0);
    return child;
}

void Stop(pid_t child) {
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

size_t PositionOf(const std::vector<ProcessEntry>& processes, pid_t pid) {
    return static_cast<size_t>(std::ranges::find(processes, pid, &ProcessEntry::pid) -
                               processes.begin());
}

TEST(ProcessListTest, FindsTheOldestOfItsNameIgnoringLetterCase) {
    const std::string program = test::MakeTemporaryFolder() + "/KeyloomProbe";
    const pid_t first = StartProgramNamed(program);
    // Start times are counted in clock ticks of 10 ms.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const pid_t second = StartProgramNamed(program);

    EXPECT_EQ(FindOtherInstance("keyloomPROBE"), first);
    const auto processes = ListUserProcesses();
    ASSERT_TRUE(processes);
    EXPECT_LT(PositionOf(*processes, first), PositionOf(*processes, second));
    EXPECT_LT(PositionOf(*processes, second), processes->size());
    Stop(first);
    EXPECT_EQ(FindOtherInstance("KeyloomProbe"), second);
    Stop(second);
    EXPECT_EQ(FindOtherInstance("KeyloomProbe"), 0);
}

// The name is longer than a command name may be, so it can only come from the executable.
TEST(ProcessListTest, NamesAProgramWhoseFileWasRemoved) {
    const std::string program = test::MakeTemporaryFolder() + "/KeyloomRemovedProbe";
    const pid_t running = StartProgramNamed(program);
    std::filesystem::remove(program);
    EXPECT_EQ(FindOtherInstance("keyloomremovedprobe"), running);
    Stop(running);
}

TEST(ProcessListTest, ListsOldestFirstAndLeavesThisProcessOutOfTheSearch) {
    const auto processes = ListUserProcesses();
    ASSERT_TRUE(processes);
    EXPECT_TRUE(std::ranges::is_sorted(*processes, {}, &ProcessEntry::startTime));
    const auto self = std::ranges::find(*processes, getpid(), &ProcessEntry::pid);
    ASSERT_NE(self, processes->end());
    EXPECT_EQ(self->name, std::filesystem::read_symlink("/proc/self/exe").filename().string());
    EXPECT_NE(FindOtherInstance(self->name), getpid());
}

}  // namespace
}  // namespace keyloom
