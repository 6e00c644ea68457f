#include "storage/UserDataFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/PrivateProfile.h"
#include "platform/UserFolders.h"
#include "support/FileContents.h"
#include "support/TestEnvironment.h"

namespace keyloom::test {
namespace {

class UserDataFolderTest : public ::testing::Test {
  protected:
    std::string root = MakeTemporaryFolder();
    std::string shipped = root + "/UserDengColor_3.userd";
    UserDataFolder files{root + "/data/VQ52R_EN", shipped};
};

TEST_F(UserDataFolderTest, ThisUsersFilesLieInTheDataHome) {
    const UserDataFolder mine = UserDataFolder::OfThisUser();
    EXPECT_EQ(mine.LightingFilePath(1), DataHome() + "/VQ52R_EN/UserDengColor_1.userd");
    EXPECT_EQ(mine.SettingsFile().Path(), DataHome() + "/VQ52R_EN/wskb.ini");
    EXPECT_TRUE(mine.ShippedLightingPath().ends_with("/Skins/UserDengColor_3.userd"));
}

TEST_F(UserDataFolderTest, FirstRunCopiesTheShippedFileForEachProfile) {
    ASSERT_TRUE(PutFile(shipped, "[MODENAME]\r\n0=Shipped\r\n"));
    EXPECT_EQ(files.PrepareFirstRun(), 1);
    for (int profile = 0; profile < 3; ++profile) {
        EXPECT_EQ(FileText(files.LightingFilePath(profile)), "[MODENAME]\r\n0=Shipped\r\n");
    }
}

TEST_F(UserDataFolderTest, AnExistingFolderIsLeftUntouched) {
    ASSERT_TRUE(PutFile(shipped, "shipped"));
    std::filesystem::create_directories(files.Path());
    ASSERT_TRUE(PutFile(files.LightingFilePath(1), "mine"));
    EXPECT_EQ(files.PrepareFirstRun(), 0);
    EXPECT_EQ(FileText(files.LightingFilePath(1)), "mine");
    EXPECT_FALSE(std::filesystem::exists(files.LightingFilePath(0)));
}

TEST_F(UserDataFolderTest, ResetCopiesTheShippedFileOverOneProfilesFile) {
    ASSERT_TRUE(PutFile(shipped, "[Mode0]\n31=1,2,3,0\n"));
    ASSERT_EQ(files.PrepareFirstRun(), 1);
    ASSERT_EQ(files.LightingFile(1).WritePresetIndex(4), 1);
    ASSERT_EQ(files.LightingFile(2).WritePresetIndex(4), 1);
    EXPECT_EQ(files.ResetUserLighting(1), 1);
    EXPECT_EQ(FileText(files.LightingFilePath(1)), "[Mode0]\n31=1,2,3,0\n");
    EXPECT_EQ(files.LightingFile(2).ReadPresetIndex(), 4);
}

TEST_F(UserDataFolderTest, WithoutTheShippedFileTheCopiesAreEmpty) {
    EXPECT_EQ(files.PrepareFirstRun(), 1);
    EXPECT_EQ(FileText(files.LightingFilePath(2)), "");
    ASSERT_TRUE(PutFile(files.LightingFilePath(0), "[Mode0]\n31=1,2,3,0\n"));
    EXPECT_EQ(files.ResetUserLighting(0), 0);
    EXPECT_EQ(FileText(files.LightingFilePath(0)), "");
}

TEST_F(UserDataFolderTest, LightingViewFlagIsOnOnlyForAStoredOne) {
    const UserSettingsFile settings = files.SettingsFile();
    EXPECT_FALSE(settings.ReadLightingViewFlag());
    EXPECT_EQ(settings.WriteLightingViewFlag(true), 1);
    EXPECT_EQ(ReadProfileString("KEYCOLOR", "DengCheck", "", settings.Path()), "1");
    EXPECT_TRUE(settings.ReadLightingViewFlag());
    ASSERT_TRUE(WritePrivateProfileString("KEYCOLOR", "DengCheck", "2", settings.Path()));
    EXPECT_FALSE(settings.ReadLightingViewFlag());
}

}  // namespace
}  // namespace keyloom::test
