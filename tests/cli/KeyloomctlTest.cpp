// keyloomctl run as a user runs it: a separate process on the virtual keyboard.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "support/TestEnvironment.h"

namespace keyloom {
namespace {

struct CtlRun {
    int exitCode = -1;
    std::string output;  // standard output and standard error
};

CtlRun RunCtl(const std::string& environment, const std::string& arguments) {
    const std::string command =
        environment + " " + KEYLOOM_BIN_DIR + "keyloomctl " + arguments + " 2>&1";
    CtlRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot run " << command;
        return run;
    }
    std::array<char, 4096> buffer{};
    size_t got;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        run.output.append(buffer.data(), got);
    }
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class KeyloomctlTest : public ::testing::Test {
  protected:
    const std::string folder_ = test::MakeTemporaryFolder();
    const std::string simulated_ = "ZOZODIZ_SIM_STATE=" + folder_ + "/sim.state";
};

TEST_F(KeyloomctlTest, ReadsTheConfigurationBlockThroughTheWholeStack) {
    const std::string trace = folder_ + "/trace.txt";
    const CtlRun run = RunCtl(simulated_ + " ZOZODIZ_TRACE=" + trace, "--simulate config");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("macro memory:   4096 bytes"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("lighting modes: 1 2 3"), std::string::npos) << run.output;

    std::ifstream in(trace);
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first.substr(0, 26), "W 04 2f 00 03 2c 00 00 00 ");
}

TEST_F(KeyloomctlTest, TransportThatDoesNotStartEndsQuietlyWithSuccess) {
    const CtlRun run = RunCtl("ZOZODIZ_BACKEND=fail", "config");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "");
}

TEST_F(KeyloomctlTest, WrongUsageFailsWithAReason) {
    const CtlRun none = RunCtl(simulated_, "--simulate");
    EXPECT_NE(none.exitCode, 0);
    EXPECT_NE(none.output.find("Usage:"), std::string::npos);
    const CtlRun unknown = RunCtl(simulated_, "--simulate frobnicate");
    EXPECT_NE(unknown.exitCode, 0);
    const CtlRun help = RunCtl("", "--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.output.find("config"), std::string::npos);
}

}  // namespace
}  // namespace keyloom
