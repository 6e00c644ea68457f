#include "storage/MacroRecordDelaySetting.h"

#include <gtest/gtest.h>

#include "platform/AppSettings.h"
#include "support/TestEnvironment.h"

namespace keyloom {
namespace {

TEST(MacroRecordDelaySettingTest, StoresOnlyZeroOrOneAndReadsTheNumber) {
    const std::string title = "MacroRecordDelaySettingTest";
    const std::string name = "Record delays";
    ASSERT_EQ(AppSettingsPath(title).rfind(test::TestHome(), 0), 0u);  // never the user's own
    EXPECT_EQ(ReadRecordDelaySetting(title, name), 0);
    EXPECT_EQ(WriteRecordDelaySetting(title, name, 1), 1);
    EXPECT_EQ(GetAppSetting(title, "PROFILES", name, ""), "1");
    EXPECT_EQ(ReadRecordDelaySetting(title, name), 1);
    EXPECT_EQ(WriteRecordDelaySetting(title, name, 2), 1);
    EXPECT_EQ(GetAppSetting(title, "PROFILES", name, ""), "0");
    ASSERT_TRUE(WriteAppSetting(title, "PROFILES", name, "7"));
    EXPECT_EQ(ReadRecordDelaySetting(title, name), 7);
}

}  // namespace
}  // namespace keyloom
