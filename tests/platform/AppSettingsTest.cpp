#include "platform/AppSettings.h"

#include <gtest/gtest.h>

#include "platform/UserFolders.h"
#include "support/FileContents.h"

namespace keyloom {
namespace {

// Each test uses its own application title, so the tests share no settings file.
TEST(AppSettingsTest, PathIsPerApplicationTitle) {
    EXPECT_EQ(AppSettingsPath("Keyloom"), ConfigHome() + "/Keyloom_Orvane/Keyloom.ini");
}

TEST(AppSettingsTest, WrittenValuesReadBackAndMissingOnesGiveTheDefault) {
    EXPECT_EQ(GetAppSetting("RoundTrip", "PROFILES", "Flip", "0"), "0");
    ASSERT_TRUE(WriteAppSetting("RoundTrip", "PROFILES", "Flip", "1"));
    const std::string longPath(400, 'p');
    ASSERT_TRUE(WriteAppSetting("RoundTrip", "PROFILES", "PROFILE01", longPath));
    EXPECT_EQ(GetAppSetting("RoundTrip", "profiles", "flip", "0"), "1");
    EXPECT_EQ(GetAppSetting("RoundTrip", "PROFILES", "PROFILE01", ""), longPath);
    EXPECT_EQ(test::FileText(AppSettingsPath("RoundTrip")),
              "[PROFILES]\nFlip=1\nPROFILE01=" + longPath + "\n");
}

TEST(AppSettingsTest, IntegersAreReadLikeGetProfileInt) {
    ASSERT_TRUE(test::PutFile(AppSettingsPath("Numbers"),
                              "[PROFILES]\n"
                              "plain=42\n"
                              "negative=-7\n"
                              "plus=+8\n"
                              "trailing=12ab\n"
                              "letters=abc\n"
                              "empty=\n"
                              "quotedBlank=\"   \"\n"
                              "quotedPadded=\"  5\"\n"
                              "wraps=4294967297\n"));
    const auto read = [](const char* key) {
        return GetAppSettingInt("Numbers", "PROFILES", key, -100);
    };
    EXPECT_EQ(read("plain"), 42);
    EXPECT_EQ(read("negative"), -7);
    EXPECT_EQ(read("plus"), 8);
    EXPECT_EQ(read("trailing"), 12);
    EXPECT_EQ(read("letters"), 0);
    EXPECT_EQ(read("empty"), -100);
    EXPECT_EQ(read("quotedBlank"), 0);
    EXPECT_EQ(read("quotedPadded"), 5);
    EXPECT_EQ(read("wraps"), 1);
    EXPECT_EQ(read("absent"), -100);
}

}  // namespace
}  // namespace keyloom
