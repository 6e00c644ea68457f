#include "platform/UserFolders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "ScopedVariable.h"
#include "support/FileContents.h"
#include "support/TestEnvironment.h"

namespace keyloom {
namespace {

using test::ScopedVariable;

struct FolderRule {
    const char* variable;
    std::function<std::string()> folder;
    const char* underHome;
};

const FolderRule kFolderRules[] = {
    {"XDG_DATA_HOME", DataHome, "/.local/share"},
    {"XDG_CONFIG_HOME", ConfigHome, "/.config"},
    {"XDG_STATE_HOME", StateHome, "/.local/state"},
};

TEST(UserFoldersTest, AbsoluteVariableIsHonoured) {
    for (const auto& rule : kFolderRules) {
        ScopedVariable variable(rule.variable, "/somewhere/" + std::string(rule.variable));
        EXPECT_EQ(rule.folder(), "/somewhere/" + std::string(rule.variable));
    }
    ScopedVariable runtime("XDG_RUNTIME_DIR", "/run/user/4242");
    EXPECT_EQ(RuntimeHome(), "/run/user/4242");
}

TEST(UserFoldersTest, RelativeOrEmptyVariableFallsBackToHome) {
    ScopedVariable home("HOME", "/home/tester");
    for (const auto& rule : kFolderRules) {
        for (const char* value : {"relative/folder", "./x", ""}) {
            ScopedVariable variable(rule.variable, value);
            EXPECT_EQ(rule.folder(), std::string("/home/tester") + rule.underHome)
                << rule.variable << "=" << value;
        }
        ScopedVariable unset(rule.variable, std::nullopt);
        EXPECT_EQ(rule.folder(), std::string("/home/tester") + rule.underHome);
    }
}

TEST(UserFoldersTest, RelativeHomeIsNotUsed) {
    ScopedVariable home("HOME", "relative-home");
    ScopedVariable config("XDG_CONFIG_HOME", std::nullopt);
    const std::string folder = ConfigHome();
    EXPECT_EQ(folder.front(), '/');
    EXPECT_EQ(folder.find("relative-home"), std::string::npos);
}

TEST(UserFoldersTest, RuntimeFallbackIsAPrivateFolder) {
    ScopedVariable runtime("XDG_RUNTIME_DIR", "not/absolute");
    const std::string folder = RuntimeHome();
    EXPECT_EQ(folder, "/tmp/keyloom-" + std::to_string(getuid()));
    struct stat status {};
    ASSERT_EQ(stat(folder.c_str(), &status), 0);
    EXPECT_TRUE(S_ISDIR(status.st_mode));
    EXPECT_EQ(status.st_mode & 0777, 0700u);
}

TEST(UserFoldersTest, EnsureFolderCreatesParentsAndFailsBelowAFile) {
    const std::string base = test::MakeTemporaryFolder();
    EXPECT_TRUE(EnsureFolder(base + "/a/b/c"));
    EXPECT_TRUE(EnsureFolder(base + "/a/b/c"));
    ASSERT_TRUE(test::PutFile(base + "/file", "x"));
    EXPECT_FALSE(EnsureFolder(base + "/file"));
    EXPECT_FALSE(EnsureFolder(base + "/file/below"));
}

}  // namespace
}  // namespace keyloom
