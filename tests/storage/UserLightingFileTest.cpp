#include "storage/UserLightingFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/PrivateProfile.h"
#include "support/TestEnvironment.h"

namespace keyloom::test {
namespace {

class UserLightingFileTest : public ::testing::Test {
  protected:
    void Set(const std::string& section, const std::string& key, const std::string& value) {
        ASSERT_TRUE(WritePrivateProfileString(section, key, value, file.Path()));
    }
    std::string Get(const std::string& section, const std::string& key) const {
        return ReadProfileString(section, key, "none", file.Path());
    }

    UserLightingFile file{MakeTemporaryFolder() + "/UserDengColor_1.userd"};
};

TEST_F(UserLightingFileTest, KeyColoursAreFourNumbersUnderTheLed) {
    EXPECT_EQ(file.WriteKeyColor(2, 31, {ColorOfRgb(255, 0, 0), false}), 1);
    EXPECT_EQ(Get("Mode2", "31"), "255,0,0,0");
    Set("Mode0", "31", "10,20");
    EXPECT_EQ(file.ReadKeyColor(0, 31).color, ColorOfRgb(10, 20, 0));
    EXPECT_FALSE(file.ReadKeyColor(0, 31).followsBase);
    Set("Mode0", "1", "300,-4,128,5");
    EXPECT_EQ(file.ReadKeyColor(0, 1).color, ColorOfRgb(255, 0, 128));
    EXPECT_TRUE(file.ReadKeyColor(0, 1).followsBase);
}

TEST_F(UserLightingFileTest, AnEmptyPresetReadsAsRedKeysFollowingBlackColours) {
    Set("Mode4", "31", "1,1,1,0");
    EXPECT_EQ(file.ReadKeyColor(5, 31).color, ColorOfRgb(255, 0, 0));
    EXPECT_TRUE(file.ReadKeyColor(5, 31).followsBase);
    const PresetSettings settings = file.ReadPresetSettings(5);
    EXPECT_EQ(settings.tool, TOOL_COLOR);
    EXPECT_EQ(settings.baseColor, 0u);
    EXPECT_EQ(settings.color, 0u);
    EXPECT_EQ(file.ReadPresetName(5), "0");
}

TEST_F(UserLightingFileTest, PresetSettingsAreWrittenTogether) {
    EXPECT_EQ(file.WritePresetSettings(3, {TOOL_BASE_COLOR, ColorOfRgb(1, 2, 3), 0x0080FF}), 1);
    EXPECT_EQ(Get("Mode3", "tool"), "1");
    EXPECT_EQ(Get("Mode3", "jcolor"), "1,2,3");
    EXPECT_EQ(Get("Mode3", "color"), "255,128,0");
    Set("Mode3", "tool", "2");
    EXPECT_EQ(file.ReadPresetSettings(3).tool, TOOL_COLOR);
}

TEST_F(UserLightingFileTest, PresetIndexThatIsNoPresetReadsAsZero) {
    EXPECT_EQ(file.WritePresetIndex(9), 1);
    EXPECT_EQ(file.ReadPresetIndex(), 9);
    for (const char* value : {"abc", "10", "-1"}) {
        Set("PRESENTMODE", "mode", value);
        EXPECT_EQ(file.ReadPresetIndex(), 0) << value;
    }
}

TEST_F(UserLightingFileTest, RenamingAPresetWritesItsNameUnderItsIndex) {
    EXPECT_EQ(file.WritePresetName(3, "Night shift"), 1);
    EXPECT_EQ(Get("MODENAME", "3"), "Night shift");
    EXPECT_EQ(file.WritePresetName(4, "two\nlines"), 0);
}

TEST_F(UserLightingFileTest, OutOfRangeArgumentsWriteNothing) {
    EXPECT_EQ(file.WriteKeyColor(0, 126, {}), 0);
    EXPECT_EQ(file.WriteKeyColor(10, 0, {}), 0);
    EXPECT_EQ(file.WritePresetIndex(-1), 0);
    EXPECT_EQ(file.WritePresetSettings(10, {}), 0);
    EXPECT_FALSE(std::filesystem::exists(file.Path()));
}

}  // namespace
}  // namespace keyloom::test
