#include "platform/ProgramLauncher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "ScopedVariable.h"
#include "support/Eventually.h"
#include "support/FileContents.h"
#include "support/TestEnvironment.h"

namespace keyloom {
namespace {

using test::Eventually;

void WriteScript(const std::string& path, const std::string& body) {
    ASSERT_TRUE(test::PutFile(path, "#!/bin/sh\n" + body + "\n"));
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

// The program reports its pid, session and where its input and output go; once it has ended
// nothing of it may stay behind.
TEST(ProgramLauncherTest, StartedProgramRunsInItsOwnSessionWithoutTerminalAndLeavesNoZombie) {
    const std::string report = test::MakeTemporaryFolder() + "/report";
    const std::string script =
        "echo $$ $(cut -d' ' -f6 /proc/$$/stat) $(readlink /proc/$$/fd/0) "
        "$(readlink /proc/$$/fd/1) $(readlink /proc/$$/fd/2) > " +
        report + ".part && mv " + report + ".part " + report;
    EXPECT_GT(OpenProgram("/bin/sh", {"-c", script}), 32);
    ASSERT_TRUE(Eventually([&] { return std::filesystem::exists(report); }));
    std::istringstream words(test::FileText(report).value_or(""));
    pid_t pid = 0;
    pid_t session = 0;
    std::string input, output, error;
    words >> pid >> session >> input >> output >> error;
    EXPECT_EQ(session, pid);
    EXPECT_EQ(input, "/dev/null");
    EXPECT_EQ(output, "/dev/null");
    EXPECT_EQ(error, "/dev/null");
    const std::string procEntry = "/proc/" + std::to_string(pid);
    EXPECT_TRUE(Eventually([&] { return !std::filesystem::exists(procEntry); }));
}

TEST(ProgramLauncherTest, FailuresAreNumberedLikeTheShell) {
    const std::string folder = test::MakeTemporaryFolder();
    EXPECT_EQ(OpenProgram(folder + "/missing", {}), OPEN_FILE_NOT_FOUND);
    ASSERT_TRUE(test::PutFile(folder + "/plain", "text\n"));
    EXPECT_EQ(OpenProgram(folder + "/plain", {}), OPEN_ACCESS_DENIED);
}

TEST(ProgramLauncherTest, DocumentGoesToTheDesktopHandler) {
    const std::string folder = test::MakeTemporaryFolder();
    const std::string opened = folder + "/opened";
    WriteScript(folder + "/xdg-open",
                "printf %s \"$1\" > " + opened + ".part && mv " + opened + ".part " + opened);
    {
        const test::ScopedVariable path("PATH", folder + ":/usr/bin:/bin");
        EXPECT_GT(OpenDocument("https://example.com/a page"), 32);
    }
    ASSERT_TRUE(Eventually([&] { return std::filesystem::exists(opened); }));
    EXPECT_EQ(test::FileText(opened), "https://example.com/a page");

    const test::ScopedVariable path("PATH", test::MakeTemporaryFolder());
    EXPECT_EQ(OpenDocument("https://example.com/"), OPEN_FILE_NOT_FOUND);
}

}  // namespace
}  // namespace keyloom
