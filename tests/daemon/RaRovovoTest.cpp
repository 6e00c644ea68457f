#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "platform/CompanionDaemon.h"
#include "platform/InstanceLock.h"
#include "support/ChildProcess.h"
#include "support/Eventually.h"
#include "support/TestEnvironment.h"

namespace keyloom {
namespace {

using namespace std::chrono_literals;
using test::Eventually;

// A copy of the companion program with its output going to a file.
class DaemonCopy : public test::ChildProcess {
  public:
    explicit DaemonCopy(const std::string& output)
        : ChildProcess(std::string(KEYLOOM_BIN_DIR) + COMPANION_DAEMON, {}, output) {}
};

void ExpectOneCopyEndedCleanlyBy(int stopSignal) {
    const std::string output = test::MakeTemporaryFolder() + "/output";
    DaemonCopy first(output);
    ASSERT_TRUE(Eventually([] { return InstanceLock::HeldElsewhere(COMPANION_DAEMON); }));
    DaemonCopy second(output);
    EXPECT_EQ(second.ExitCodeWithin(2s), 0);
    // The second copy has ended, so whatever it did is done: the first still runs and holds the
    // lock.
    EXPECT_TRUE(InstanceLock::HeldElsewhere(COMPANION_DAEMON));
    EXPECT_EQ(first.ExitCodeWithin(0ms), std::nullopt);
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
