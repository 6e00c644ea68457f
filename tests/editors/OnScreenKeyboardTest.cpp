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

std::string PutScript(const std::string& folder, const std::string& name, bool executable,
                      const std::string& body = "") {
    const std::string path = folder + "/" + name;
    EXPECT_TRUE(test::PutFile(path, "#!/bin/sh\n" + body));
    fs::permissions(path, executable ? fs::perms::owner_all : fs::perms::owner_read);
    return path;
}

TEST(OnScreenKeyboardTest, FindsAnExecutableKnownProgramInAnyFolderOfThePath) {
    const std::string first = test::MakeTemporaryFolder();
    const std::string second = test::MakeTemporaryFolder();
    PutScript(first, "onboard", false);
    PutScript(first, "osk", true);
    fs::create_directory(first + "/squeekboard");
    EXPECT_EQ(FindOnScreenKeyboard(first), std::nullopt);
    EXPECT_EQ(FindOnScreenKeyboard(""), std::nullopt);

    const std::string florence = PutScript(second, "florence", true);
    EXPECT_EQ(FindOnScreenKeyboard(first + "::" + second), florence);
}

TEST(OnScreenKeyboardTest, StartsTheProgramFound) {
    const std::string folder = test::MakeTemporaryFolder();
    const std::string marker = folder + "/started";
    const std::string program = PutScript(folder, "onboard", true, "touch '" + marker + "'\n");
    EXPECT_TRUE(StartOnScreenKeyboard(program));
    EXPECT_TRUE(test::Eventually([&] { return fs::exists(marker); }));
    EXPECT_FALSE(StartOnScreenKeyboard(folder + "/florence"));
}

}  // namespace
}  // namespace keyloom
