// keyloomctl run as a user runs it: a separate process on the virtual keyboard.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>

#include "cli/CtlRun.h"
#include "model/MacroRecord.h"
#include "model/WorkingProfile.h"
#include "platform/AtomicFile.h"
#include "platform/InstanceLock.h"
#include "platform/ScopedVariable.h"
#include "storage/ProfileFile.h"
#include "storage/UserDataFolder.h"
#include "support/ChildProcess.h"
#include "support/Eventually.h"
#include "support/FileContents.h"
#include "support/TestEnvironment.h"

namespace keyloom {
namespace {

using test::CtlRun;
using test::RunCtl;

using KeyloomctlTest = test::CtlTest;

TEST_F(KeyloomctlTest, ReadsTheConfigurationBlockThroughTheWholeStack) {
    const std::string trace = folder_ + "/trace.txt";
    const CtlRun run = RunCtl(simulated_ + " ZOZODIZ_TRACE=" + trace, "--simulate config");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("macro memory:   4096 bytes"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("lighting modes: 1 2 3"), std::string::npos) << run.output;

    std::string expected = "W 04 2f 00 03 2c 00 00 00";
    for (int i = 0; i < 56; ++i) {
        expected += " 00";
    }
    std::istringstream in(test::FileText(trace).value_or(""));
    bool found = false;
    for (std::string line; std::getline(in, line);) {
        found = found || line == expected;
    }
    EXPECT_TRUE(found) << "no configuration read request in the trace";
}

// A script must see that nothing was done: a failure with one line saying why.
TEST_F(KeyloomctlTest, TransportThatDoesNotStartFailsWithOneLine) {
    const CtlRun run = RunCtl("ZOZODIZ_BACKEND=fail", "config");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << run.output;
    EXPECT_NE(run.output.find("transport library did not start"), std::string::npos) << run.output;
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

// A backup as a user might have made it: assignments in all three profiles and two macros.
WorkingProfile SampleProfiles() {
    WorkingProfile profile;
    AssignmentTable table = profile.Assignments();
    for (int block = 0; block < 3; ++block) {
        InitAssignmentBlock(table, block);
    }
    table.SetEntry(0, 0x1E, {ASSIGN_KEY, 0, 0x030});    // A acts as B
    table.SetEntry(1, 0x3B, {ASSIGN_MEDIA, 0, 7});      // F1 mutes
    table.SetEntry(2, 0x01, {ASSIGN_DISABLED});         // Esc does nothing
    table.SetEntry(0, 256, {ASSIGN_MACRO, 0x0301, 2});  // G1 plays the second macro
    table.SetEntry(2, 265, {ASSIGN_FUNCTION, 0x1301, 3});
    const char* names[] = {"Reload", "Dash and jump"};
    for (int i = 0; i < 2; ++i) {
        MacroRecord macro;
        macro.SetName(names[i]);
        macro.SetId(static_cast<uint16_t>(i + 1));
        macro.SetRepeatCount(static_cast<uint8_t>(i + 2));
        const MacroEvent events[] = {{30, 0x02A, MACRO_PRESS},
                                     {120, 0x1E, MACRO_PRESS},
                                     {10, 0x1E, MACRO_RELEASE},
                                     {0, 0x02A, MACRO_RELEASE}};
        macro.SetEvents(events);
        profile.macros.push_back(macro);
    }
    return profile;
}

WorkingProfile ReadBack(const std::string& path) {
    WorkingProfile read;
    EXPECT_EQ(ReadProfileFile(path, read), 1) << path;
    return read;
}

TEST_F(KeyloomctlTest, RestoreThenBackupGivesBackTheSameProfiles) {
    const std::string original = folder_ + "/a.qvp";
    const std::string copy = folder_ + "/b.qvp";
    WorkingProfile sample = SampleProfiles();
    ASSERT_EQ(WriteProfileFile(original, sample), 1);

    const CtlRun restore = RunCtl(simulated_, "--simulate restore " + original);
    ASSERT_EQ(restore.exitCode, 0) << restore.output;
    const CtlRun backup = RunCtl(simulated_, "--simulate backup " + copy);
    ASSERT_EQ(backup.exitCode, 0) << backup.output;

    WorkingProfile back = ReadBack(copy);
    AssignmentTable expected = sample.Assignments();
    AssignmentTable actual = back.Assignments();
    for (int block = 0; block < 3; ++block) {
        for (int slot = 0; slot < ASSIGNMENT_SLOTS; ++slot) {
            const KeyAssignment want = expected.EntryOf(block, slot);
            const KeyAssignment got = actual.EntryOf(block, slot);
            ASSERT_EQ(got.kind, want.kind) << "block " << block << " slot " << slot;
            ASSERT_EQ(got.value, want.value) << "block " << block << " slot " << slot;
        }
    }
    ASSERT_EQ(back.macros.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(back.macros[i].Name(), sample.macros[i].Name());
        EXPECT_EQ(back.macros[i].RepeatCount(), sample.macros[i].RepeatCount());
        EXPECT_EQ(back.macros[i].Events(), sample.macros[i].Events());
    }
}

TEST_F(KeyloomctlTest, DamagedBackupIsRefusedAndChangesNothing) {
    const std::string good = folder_ + "/good.qvp";
    ASSERT_EQ(RunCtl(simulated_, "--simulate backup " + good).exitCode, 0);
    const std::string working = test::TestHome() + "/XDG_DATA_HOME/VQ52R_EN/$Profile0";
    const auto before = test::FileBytes(working);
    ASSERT_TRUE(before.has_value());

    auto bytes = test::FileBytes(good).value_or(std::vector<uint8_t>{});
    ASSERT_GT(bytes.size(), 31u);
    bytes[31] ^= 0x01;  // the header's checksum
    const std::string damaged = folder_ + "/damaged.qvp";
    ASSERT_TRUE(WriteFileAtomically(damaged, bytes));
    const CtlRun run = RunCtl(simulated_, "--simulate restore " + damaged);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.output.find("damaged.qvp"), std::string::npos) << run.output;
    // the format error naming the file, the restore failure, and keyloomctl's own reason
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 3) << run.output;
    EXPECT_EQ(test::FileBytes(working), before);
}

TEST_F(KeyloomctlTest, ProfileSwitchReachesTheKeyboard) {
    const CtlRun run = RunCtl(simulated_, "--simulate profile 2");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(RunCtl(simulated_, "--simulate info").output.find("active profile: 2"),
              std::string::npos);
    EXPECT_EQ(RunCtl(simulated_, "--simulate profile 4").exitCode, 2);
}

// The position (from 1) of the first request with this command among the requests written in a
// trace, which is how the virtual keyboard counts them for its faults.
size_t FirstRequestWithCommand(const std::string& trace, int command) {
    std::istringstream in(test::FileText(trace).value_or(""));
    size_t written = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("W ", 0) != 0) {
            continue;
        }
        ++written;
        // "W 04 cc cc CC": the command is the fourth byte.
        if (std::stoi(line.substr(11, 2), nullptr, 16) == command) {
            return written;
        }
    }
    return 0;
}

TEST_F(KeyloomctlTest, RestoreThatTheKeyboardRefusesFails) {
    const std::string backup = folder_ + "/a.qvp";
    WorkingProfile sample = SampleProfiles();
    ASSERT_EQ(WriteProfileFile(backup, sample), 1);
    ASSERT_EQ(RunCtl(simulated_, "--simulate restore " + backup).exitCode, 0);
    const std::string trace = folder_ + "/trace.txt";
    ASSERT_EQ(
        RunCtl(simulated_ + " ZOZODIZ_TRACE=" + trace, "--simulate restore " + backup).exitCode, 0);
    const size_t begin = FirstRequestWithCommand(trace, 1);
    ASSERT_GT(begin, 0u);

    // The key tables come after the begin and the macros: one of their chunks refused three
    // times makes that exchange fail.
    const size_t keyChunk = begin + 4;
    std::string faults = "ZOZODIZ_SIM_FAULTS=";
    for (size_t attempt = 0; attempt < 3; ++attempt) {
        faults += std::to_string(keyChunk + attempt) + ":4,";
    }
    const CtlRun run = RunCtl(simulated_ + " " + faults, "--simulate restore " + backup);
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find("cannot restore"), std::string::npos) << run.output;
}

TEST_F(KeyloomctlTest, AnInterruptGivesUpTheExchangeAndLeavesNoFile) {
    const std::string output = folder_ + "/output";
    const std::string backup = folder_ + "/interrupted.qvp";
    const std::string trace = folder_ + "/trace.txt";
    // The child takes these; the tests after this one find the variables as they were.
    const test::ScopedVariable state("ZOZODIZ_SIM_STATE", folder_ + "/sim.state");
    std::optional<test::ScopedVariable> faults(std::in_place, "ZOZODIZ_SIM_FAULTS",
                                               "1:1,2:1,3:1");  // silent at first
    std::optional<test::ScopedVariable> traced(std::in_place, "ZOZODIZ_TRACE", trace);
    test::ChildProcess ctl(KEYLOOM_BIN_DIR "keyloomctl", {"--simulate", "backup", backup}, output);
    faults.reset();
    traced.reset();
    // Interrupted once its first request is on the wire, so the signal meets a waiting exchange.
    ASSERT_TRUE(test::Eventually(
        [&] { return test::FileText(trace).value_or("").find("W ") != std::string::npos; }));
    ctl.Signal(SIGINT);
    EXPECT_EQ(ctl.ExitCodeWithin(std::chrono::seconds(5)), 128 + SIGINT);
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
        EXPECT_EQ(entry.path().filename().string().find("interrupted"), std::string::npos)
            << entry.path();
    }
}

// Started before the window ever was, keyloomctl leaves the user's lighting presets seeded as the
// window's first start would.
TEST_F(KeyloomctlTest, AFirstRunSeedsTheUserLightingFiles) {
    const std::string data = folder_ + "/data";
    ASSERT_EQ(RunCtl(simulated_ + " XDG_DATA_HOME=" + data, "--simulate info").exitCode, 0);
    const auto shipped = test::FileBytes(KEYLOOM_BIN_DIR "Skins/UserDengColor_3.userd");
    ASSERT_TRUE(shipped.has_value());
    const UserDataFolder files(data + "/VQ52R_EN", "");
    for (int profile = 0; profile < 3; ++profile) {
        EXPECT_EQ(test::FileBytes(files.LightingFilePath(profile)), shipped) << profile;
    }
}

TEST_F(KeyloomctlTest, RefusesWhileTheToolRuns) {
    InstanceLock tool(TOOL_INSTANCE_LOCK);
    ASSERT_TRUE(tool.Held());
    const CtlRun run = RunCtl(simulated_, "--simulate info");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.output.find("Keyloom is running"), std::string::npos);
}

}  // namespace
}  // namespace keyloom
