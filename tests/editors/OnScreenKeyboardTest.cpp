#include "editors/OnScreenKeyboard.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/Eventually.h"
#include "support/FileContents.h"
#include "support/TestEnvironment.h"

namespace keyloom {
namespace {

namespace fs = std::filesystem;

// Writes a shell script as `folder`/`name` with the given permissions; its path.
std::string PutScript(const std::string& folder, const std::string& name, fs::perms permissions,
                      const std::string& body = "") {
    const std::string path = folder + "/" + name;
    EXPECT_TRUE(test::PutFile(path, "#!/bin/sh\n" + body));
    fs::permissions(path, permissions);
    return path;
}

constexpr fs::perms kExecutable = fs::perms::owner_all;
constexpr fs::perms kNotExecutable = fs::perms::owner_read | fs::perms::owner_write;

TEST(OnScreenKeyboardTest, FindsAKnownKeyboardInAnyFolderOfThePath) {
    const std::string empty = test::MakeTemporaryFolder();
    const std::string tools = test::MakeTemporaryFolder();
    PutScript(tools, "xterm", kExecutable);
    const std::string florence = PutScript(tools, "florence", kExecutable);
    EXPECT_EQ(FindOnScreenKeyboard(empty + "::" + tools), florence);
}

TEST(OnScreenKeyboardTest, FindsNothingWithoutAnExecutableKnownKeyboard) {
    const std::string folder = test::MakeTemporaryFolder();
    PutScript(folder, "onboard", kNotExecutable);
    PutScript(folder, "osk", kExecutable);
    fs::create_directory(folder + "/squeekboard");
    EXPECT_EQ(FindOnScreenKeyboard(folder), std::nullopt);
    EXPECT_EQ(FindOnScreenKeyboard(""), std::nullopt);
}

TEST(OnScreenKeyboardTest, SkipsANonExecutableFileForAnExecutableOneLaterOnThePath) {
    const std::string first = test::MakeTemporaryFolder();
    const std::string second = test::MakeTemporaryFolder();
    PutScript(first, "onboard", kNotExecutable);
    const std::string onboard = PutScript(second, "onboard", kExecutable);
    EXPECT_EQ(FindOnScreenKeyboard(first + ":" + second), onboard);
}

TEST(OnScreenKeyboardTest, StartsTheProgramFound) {
    const std::string folder = test::MakeTemporaryFolder();
    const std::string marker = folder + "/started";
    const std::string program =
        PutScript(folder, "matchbox-keyboard", kExecutable, "touch '" + marker + "'\n");
    EXPECT_TRUE(StartOnScreenKeyboard(program));
    EXPECT_TRUE(test::Eventually([&] { return fs::exists(marker); }));
    EXPECT_FALSE(StartOnScreenKeyboard(folder + "/wvkbd-mobintl"));
}

}  // namespace
}  // namespace keyloom
