#include "controls/CIniFile.h"

#include <gtest/gtest.h>

#include "WidgetTestSupport.h"
#include "support/TestEnvironment.h"

namespace keyloom {
namespace {

TEST(CIniFileTest, ReadsValuesUpTo2047CharactersAndNothingForEmptyOnes) {
    const std::string longValue(3000, 'x');
    const CIniFile file(test::WriteTextFile(test::MakeTemporaryFolder(), "Skin.ini",
                                            "[SCREEN]\nMain = bg.jpg\nMask=\nLong=" + longValue));
    EXPECT_EQ(file.ReadString("screen", "main"), "bg.jpg");
    EXPECT_EQ(file.ReadString("SCREEN", "Mask"), std::nullopt);
    EXPECT_EQ(file.ReadString("SCREEN", "Link"), std::nullopt);
    EXPECT_EQ(file.ReadString("SCREEN", "Long"), longValue.substr(0, 2047));
}

}  // namespace
}  // namespace keyloom
