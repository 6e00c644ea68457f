#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <csignal>
#include <filesystem>
#include <optional>

#include "platform/CompanionDaemon.h"
#include "platform/Eventually.h"
#include "platform/InstanceLock.h"
#include "support/TestEnvironment.h"

extern char** environ;

namespace keyloom {
namespace {

using namespace std::chrono_literals;
using test::Eventually;

// A copy of the companion program with its output going to a file; killed at the end of the
// test if it still runs.
class DaemonCopy {
  public:
    explicit DaemonCopy(const std::string& output) {
        const std::string program = std::string(KEYLOOM_BIN_DIR) + COMPANION_DAEMON;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT, 0600);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
        EXPECT_EQ(posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ), 0);
        posix_spawn_file_actions_destroy(&actions);
    }
    ~DaemonCopy() {
        if (pid_ > 0 && !exitCode_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    void Signal(int signal) const { kill(pid_, signal); }

    // The exit code (128 + signal when a signal ended it), or nothing while it still runs.
    std::optional<int> ExitCodeWithin(std::chrono::milliseconds limit) {
        int status = 0;
        if (pid_ > 0 &&
            Eventually([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, limit)) {
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        return exitCode_;
    }

  private:
    pid_t pid_ = 0;
    std::optional<int> exitCode_;
};

void ExpectOneCopyEndedCleanlyBy(int stopSignal) {
    const std::string output = test::MakeTemporaryFolder() + "/output";
    DaemonCopy first(output);
    ASSERT_TRUE(Eventually([] { return InstanceLock::HeldElsewhere(COMPANION_DAEMON); }));
    DaemonCopy second(output);
    EXPECT_EQ(second.ExitCodeWithin(2s), 0);
    EXPECT_EQ(first.ExitCodeWithin(200ms), std::nullopt);
    first.Signal(stopSignal);
    EXPECT_EQ(first.ExitCodeWithin(5s), 0);
    EXPECT_FALSE(InstanceLock::HeldElsewhere(COMPANION_DAEMON));
    EXPECT_EQ(std::filesystem::file_size(output), 0u);
}

TEST(RaRovovoTest, OneCopyStaysQuietUntilTerminated) {
    ExpectOneCopyEndedCleanlyBy(SIGTERM);
}

TEST(RaRovovoTest, OneCopyStaysQuietUntilInterrupted) {
    ExpectOneCopyEndedCleanlyBy(SIGINT);
}

}  // namespace
}  // namespace keyloom
