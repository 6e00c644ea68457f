// Keyloom started as a user starts it, more than once: the single instance and its hand-over.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <set>
#include <sstream>
#include <thread>

#include "platform/CompanionDaemon.h"
#include "platform/InstanceChannel.h"
#include "platform/InstanceLock.h"
#include "session/WindowMessages.h"
#include "support/ChildProcess.h"
#include "support/Eventually.h"
#include "support/FileContents.h"
#include "support/TestEnvironment.h"

namespace keyloom {
namespace {

using namespace std::chrono_literals;
using test::ChildProcess;
using test::Eventually;

const std::string kProgram = std::string(KEYLOOM_BIN_DIR) + "Keyloom";

// The processes of this user named `name` whose environment holds `entry`.
std::vector<pid_t> ProcessesWith(const std::string& name, const std::string& entry) {
    std::vector<pid_t> found;
    for (const auto& process : std::filesystem::directory_iterator("/proc")) {
        const std::string pid = process.path().filename();
        if (pid.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        std::string comm;
        std::istringstream firstLine(test::FileText(process.path() / "comm").value_or(""));
        std::getline(firstLine, comm);
        const std::string environment = test::FileText(process.path() / "environ").value_or("");
        if (comm == name && environment.find(entry + '\0') != std::string::npos) {
            found.push_back(std::stoi(pid));
        }
    }
    return found;
}

// The named semaphores a process has open, as (file, inode) from its memory map.
std::set<std::pair<std::string, ino_t>> OpenSemaphores(pid_t pid) {
    std::set<std::pair<std::string, ino_t>> found;
    std::istringstream maps(test::FileText("/proc/" + std::to_string(pid) + "/maps").value_or(""));
    for (std::string line; std::getline(maps, line);) {
        const auto path = line.find("/dev/shm/sem.");
        if (path == std::string::npos) {
            continue;
        }
        std::istringstream fields(line);
        std::string range, mode, offset, device;
        ino_t inode = 0;
        fields >> range >> mode >> offset >> device >> inode;
        found.emplace(line.substr(path), inode);
    }
    return found;
}

bool StillThere(const std::pair<std::string, ino_t>& semaphore) {
    struct stat file {};
    return stat(semaphore.first.c_str(), &file) == 0 && file.st_ino == semaphore.second;
}

class KeyloomProcessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("ZOZODIZ_SIM_STATE", (folder_ + "/sim.state").c_str(), 1);
        setenv("ZOZODIZ_TRACE", trace_.c_str(), 1);
    }

    // The companion programs that the starts of this test left running.
    void TearDown() override {
        const std::string runtime = std::string("XDG_RUNTIME_DIR=") + getenv("XDG_RUNTIME_DIR");
        for (const pid_t pid : ProcessesWith(COMPANION_DAEMON, runtime)) {
            kill(pid, SIGTERM);
        }
    }

    // A start of the tool with these arguments; its output goes to the test's file.
    std::unique_ptr<ChildProcess> Start(const std::vector<std::string>& args) {
        return std::make_unique<ChildProcess>(kProgram, args, output_);
    }

    // Whether a running instance takes requests: an apply with nothing pending, which changes
    // nothing, is delivered.
    bool InstanceAnswers() { return Start({"--send", "apply"})->ExitCodeWithin(10s) == 0; }

    // Waits until the running instance has read the keyboard at its arrival: it takes requests
    // and its exchange with the keyboard has settled. A request that came earlier would find no
    // keyboard yet and answer with the no-keyboard prompt.
    bool KeyboardSettled() {
        if (!Eventually([&] { return InstanceAnswers(); }, 20s)) {
            return false;
        }
        std::uintmax_t size = 0;
        return Eventually(
            [&] {
                std::error_code error;
                const std::uintmax_t now = std::filesystem::file_size(trace_, error);
                const bool quiet = !error && now > 0 && now == size;
                size = error ? 0 : now;
                std::this_thread::sleep_for(500ms);
                return quiet;
            },
            20s);
    }

    std::string Output() const { return test::FileText(output_).value_or(""); }

    const std::string folder_ = test::MakeTemporaryFolder();
    const std::string output_ = folder_ + "/output";
    const std::string trace_ = folder_ + "/trace";
};

TEST_F(KeyloomProcessTest, ASecondStartHandsOverToTheFirstAndEndsWithZero) {
    auto first = Start({"--simulate"});
    ASSERT_TRUE(KeyboardSettled()) << Output();
    auto second = Start({"--simulate"});
    EXPECT_EQ(second->ExitCodeWithin(10s), 0) << Output();
    // Only the first can answer a request sent after the hand-over.
    EXPECT_TRUE(InstanceAnswers());
    EXPECT_EQ(first->ExitCodeWithin(0ms), std::nullopt);
    first->Signal(SIGKILL);
}

TEST_F(KeyloomProcessTest, KillInAnyLetterCaseEndsTheRunningToolAndItself) {
    for (const char* kill : {"/Kill", "/KILL", "/kIlL"}) {
        auto running = Start({"--simulate"});
        ASSERT_TRUE(Eventually([&] { return InstanceAnswers(); }, 20s)) << Output();
        auto killer = Start({kill});
        EXPECT_EQ(killer->ExitCodeWithin(10s), 0) << kill;
        EXPECT_EQ(running->ExitCodeWithin(10s), 0) << kill << "\n" << Output();
    }
}

TEST_F(KeyloomProcessTest, OtherProcessesReachOnlyTheFourRequestsOfTheTool) {
    auto running = Start({"--simulate"});
    ASSERT_TRUE(Eventually([&] { return InstanceAnswers(); }, 20s)) << Output();
    const struct {
        uint32_t message;
        uintptr_t wParam;
    } kRefused[] = {{UM_PROFILE_RELOAD, TAG_PROF}, {UM_DEVICE_GONE, 0}, {MSG_COMMAND, 1006}};
    for (const auto& request : kRefused) {
        EXPECT_EQ(SendToInstance(running->Pid(), request.message, request.wParam, 0, 5s),
                  std::nullopt)
            << request.message;
    }
    EXPECT_TRUE(SendToInstance(running->Pid(), MSG_APPLY, 0, 0, 5s).has_value());
    EXPECT_NE(Output().find("refused message"), std::string::npos) << Output();
    EXPECT_EQ(Start({"--send", "0x5452"})->ExitCodeWithin(10s), 2);
    running->Signal(SIGTERM);
    EXPECT_EQ(running->ExitCodeWithin(10s), 0);
}

// A logout or a closed terminal ends the tool like its Exit: code 0, its events, channel and lock
// gone.
TEST_F(KeyloomProcessTest, TerminationSignalsEndTheToolThroughItsExit) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        auto running = Start({"--simulate"});
        ASSERT_TRUE(Eventually([&] { return InstanceAnswers(); }, 20s)) << Output();
        const auto semaphores = OpenSemaphores(running->Pid());
        EXPECT_EQ(semaphores.size(), 210u);
        running->Signal(signal);
        EXPECT_EQ(running->ExitCodeWithin(5s), 0) << signal << "\n" << Output();
        for (const auto& semaphore : semaphores) {
            EXPECT_FALSE(StillThere(semaphore)) << semaphore.first;
        }
        EXPECT_FALSE(std::filesystem::exists(InstanceSocketPath(running->Pid())));
        EXPECT_FALSE(InstanceLock::HeldElsewhere(TOOL_INSTANCE_LOCK));
    }
}

// The first exchange of the arrival is refused, so the arrival's worker waits for the box that
// says the factory layout could not be read; nobody answers it. Every way of ending the tool
// still ends it at once.
TEST_F(KeyloomProcessTest, AnExitWhileAWorkersMessageBoxIsOpenEndsTheTool) {
    setenv("KEYLOOM_LOG", "info", 1);
    setenv("ZOZODIZ_SIM_FAULTS", "1:4,2:4,3:4", 1);
    for (const bool byKill : {true, false}) {
        auto running = Start({"--simulate"});
        ASSERT_TRUE(Eventually(
            [&] {
                return Output().find("message MAIN_DEFAULT_MATRIX_PROMPT") != std::string::npos;
            },
            20s))
            << Output();
        if (byKill) {
            EXPECT_EQ(Start({"/kill"})->ExitCodeWithin(5s), 0);
        } else {
            running->Signal(SIGTERM);
        }
        EXPECT_EQ(running->ExitCodeWithin(5s), 0) << (byKill ? "/kill" : "SIGTERM") << Output();
        EXPECT_FALSE(InstanceLock::HeldElsewhere(TOOL_INSTANCE_LOCK));
        EXPECT_TRUE(test::PutFile(output_, ""));
    }
    unsetenv("ZOZODIZ_SIM_FAULTS");
    unsetenv("KEYLOOM_LOG");
}

// An older instance of another desktop session (another runtime folder) is not the one "/Kill"
// means.
TEST_F(KeyloomProcessTest, KillReachesTheInstanceOfItsOwnRuntimeFolder) {
    const std::string ownRuntime = getenv("XDG_RUNTIME_DIR");
    const std::string otherRuntime = test::MakeTemporaryFolder();
    std::filesystem::permissions(otherRuntime, std::filesystem::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", otherRuntime.c_str(), 1);
    auto other = Start({"--simulate"});
    setenv("XDG_RUNTIME_DIR", ownRuntime.c_str(), 1);
    ASSERT_TRUE(
        Eventually([&] { return std::filesystem::exists(otherRuntime + "/keyloom"); }, 20s));
    auto own = Start({"--simulate"});
    ASSERT_TRUE(Eventually([&] { return InstanceAnswers(); }, 20s)) << Output();

    EXPECT_EQ(Start({"/kill"})->ExitCodeWithin(10s), 0);
    EXPECT_EQ(own->ExitCodeWithin(10s), 0) << Output();
    // The other instance takes a request sent after the kill.
    setenv("XDG_RUNTIME_DIR", otherRuntime.c_str(), 1);
    EXPECT_TRUE(SendToInstance(other->Pid(), MSG_APPLY, 0, 0, 5s).has_value());
    setenv("XDG_RUNTIME_DIR", ownRuntime.c_str(), 1);
    EXPECT_EQ(other->ExitCodeWithin(0ms), std::nullopt);
    other->Signal(SIGTERM);
    EXPECT_EQ(other->ExitCodeWithin(10s), 0);
    for (const pid_t pid : ProcessesWith(COMPANION_DAEMON, "XDG_RUNTIME_DIR=" + otherRuntime)) {
        kill(pid, SIGTERM);
    }
}

// No transport: nothing to do, so the tool ends quietly, but says why on standard error.
TEST_F(KeyloomProcessTest, ATransportThatDoesNotStartEndsTheToolWithOneLine) {
    setenv("ZOZODIZ_BACKEND", "fail", 1);
    auto start = Start({});
    unsetenv("ZOZODIZ_BACKEND");
    EXPECT_EQ(start->ExitCodeWithin(10s), 0);
    const std::string output = Output();
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
    EXPECT_NE(output.find("transport library did not start"), std::string::npos) << output;
}

TEST_F(KeyloomProcessTest, KillWithoutARunningToolEndsAtOnce) {
    auto killer = Start({"/start", "/kill"});
    EXPECT_EQ(killer->ExitCodeWithin(10s), 0);
    EXPECT_EQ(Output(), "");
}

}  // namespace
}  // namespace keyloom
