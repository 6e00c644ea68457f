#include "storage/LanguageTables.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "platform/RegistryKey.h"
#include "support/FileContents.h"
#include "support/TestEnvironment.h"

namespace keyloom {
namespace {

// A folder that stands in for the executable's folder and holds a settings key of its own. The
// system language is set through LC_ALL, which wins over LC_MESSAGES and LANG.
class LanguageTablesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = test::MakeTemporaryFolder() + "/";
        SetSystemLocale("C");
    }

    void TearDown() override { unsetenv("LC_ALL"); }

    static void SetSystemLocale(const char* locale) { setenv("LC_ALL", locale, 1); }

    RegistryKey Settings() const { return RegistryKey::OpenOrCreate(folder_ + "registry.ini"); }

    void WriteFile(const std::string& name, const std::string& text) const {
        ASSERT_TRUE(test::PutFile(folder_ + name, text));
    }

    std::string folder_;
};

TEST_F(LanguageTablesTest, ChineseHongKongIsWrittenAsSimplifiedChinese) {
    SetSystemLocale("zh_HK.UTF-8");
    const RegistryKey settings = Settings();
    EXPECT_EQ(CurrentLanguageId(settings), 0x0804);
    EXPECT_EQ(settings.ReadDword(kLanguageIdValue), 0x0804u);
    EXPECT_EQ(LanguageSlot(settings), 1);
}

TEST_F(LanguageTablesTest, ChineseSingaporeBecomesTraditionalChineseAndFallsToEnglish) {
    SetSystemLocale("zh_SG.UTF-8");
    const RegistryKey settings = Settings();
    EXPECT_EQ(CurrentLanguageId(settings), 0x0409);
    EXPECT_EQ(settings.ReadDword(kLanguageIdValue), 0x0409u);
    EXPECT_EQ(LanguageSlot(settings), 0);
}

TEST_F(LanguageTablesTest, UnsupportedSystemLanguageIsWrittenAsEnglish) {
    SetSystemLocale("de_DE.UTF-8");
    const RegistryKey settings = Settings();
    EXPECT_EQ(CurrentLanguageId(settings), 0x0409);
    EXPECT_EQ(settings.ReadDword(kLanguageIdValue), 0x0409u);
}

TEST_F(LanguageTablesTest, SimplifiedChineseSystemLanguageIsKept) {
    SetSystemLocale("zh_CN.UTF-8");
    EXPECT_EQ(CurrentLanguageId(Settings()), 0x0804);
}

TEST_F(LanguageTablesTest, PresetIdIsReturnedUnchangedAndWithoutFileFallsToEnglishSlot) {
    SetSystemLocale("zh_CN.UTF-8");
    const RegistryKey settings = Settings();
    ASSERT_TRUE(settings.WriteDword(kLanguageIdValue, 0x0404));
    EXPECT_EQ(CurrentLanguageId(settings), 0x0404);
    EXPECT_EQ(LanguageSlot(settings), 0);
    EXPECT_EQ(settings.ReadDword(kLanguageIdValue), 0x0404u);
}

TEST_F(LanguageTablesTest, ValueOfAnotherTypeIsReplacedByTheSystemChoice) {
    SetSystemLocale("zh_CN.UTF-8");
    const RegistryKey settings = Settings();
    ASSERT_TRUE(settings.WriteString(kLanguageIdValue, "0409"));
    EXPECT_EQ(CurrentLanguageId(settings), 0x0804);
    EXPECT_EQ(settings.ReadDword(kLanguageIdValue), 0x0804u);
}

TEST_F(LanguageTablesTest, StoredZeroMeansChooseFromTheSystemLanguage) {
    SetSystemLocale("zh_CN.UTF-8");
    const RegistryKey settings = Settings();
    ASSERT_TRUE(settings.WriteDword(kLanguageIdValue, 0));
    EXPECT_EQ(CurrentLanguageId(settings), 0x0804);
    EXPECT_EQ(settings.ReadDword(kLanguageIdValue), 0x0804u);
}

TEST_F(LanguageTablesTest, ChoiceStaysUntilTheValueIsChangedOutside) {
    SetSystemLocale("zh_CN.UTF-8");
    const RegistryKey settings = Settings();
    EXPECT_EQ(CurrentLanguageId(settings), 0x0804);
    SetSystemLocale("C");
    EXPECT_EQ(CurrentLanguageId(settings), 0x0804);
    ASSERT_TRUE(settings.WriteDword(kLanguageIdValue, 0x0409));
    EXPECT_EQ(CurrentLanguageId(settings), 0x0409);
    EXPECT_EQ(LanguageSlot(settings), 0);
}

TEST_F(LanguageTablesTest, UnavailableSettingsKeyFollowsTheSystemLanguageOnEveryCall) {
    WriteFile("plain-file", "");
    const RegistryKey settings = RegistryKey::OpenOrCreate(folder_ + "plain-file/registry.ini");
    ASSERT_FALSE(settings.IsOpen());
    SetSystemLocale("zh_CN.UTF-8");
    EXPECT_EQ(CurrentLanguageId(settings), 0x0804);
    SetSystemLocale("en_US.UTF-8");
    EXPECT_EQ(CurrentLanguageId(settings), 0x0409);
}

TEST_F(LanguageTablesTest, ProcessDefaultsUseTheSettingsKeyOfTheUser) {
    ASSERT_TRUE(RegistryKey::OpenOrCreate().WriteDword(kLanguageIdValue, 0));
    SetSystemLocale("zh_HK.UTF-8");
    EXPECT_EQ(CurrentLanguageId(), 0x0804);
    EXPECT_EQ(LanguageSlot(), 1);
    EXPECT_EQ(RegistryKey::OpenOrCreate().ReadDword(kLanguageIdValue), 0x0804u);
}

TEST_F(LanguageTablesTest, FileNamesFollowTheLanguageTable) {
    EXPECT_EQ(LanguageFilePath(0, "/opt/keyloom/"), "/opt/keyloom/Lang0409.ini");
    EXPECT_EQ(LanguageFilePath(1, "/opt/keyloom/"), "/opt/keyloom/Lang0804.ini");
    EXPECT_EQ(LanguageFilePath(2, "/opt/keyloom/"), "/opt/keyloom/Lang0000.ini");
    EXPECT_EQ(LanguageFilePath(3, "/opt/keyloom/"), "/opt/keyloom/Lang0000.ini");
}

TEST_F(LanguageTablesTest, TextOfTheSlotComesFromItsFile) {
    WriteFile("Lang0409.ini", "[TEXT]\nGREETING=Hello\n");
    WriteFile("Lang0804.ini", "[TEXT]\nGREETING=你好\n");
    WriteFile("Lang0000.ini", "[TEXT]\nGREETING=Nobody\n");
    EXPECT_EQ(LangText("GREETING", 0, folder_), "Hello");
    EXPECT_EQ(LangText("GREETING", 1, folder_), "你好");
    EXPECT_EQ(LangText("GREETING", 2, folder_), "Nobody");
    EXPECT_EQ(LangText("GREETING", 3, folder_), "Nobody");
}

TEST_F(LanguageTablesTest, SlotAboveThreeReadsTheEnglishFile) {
    WriteFile("Lang0409.ini", "[TEXT]\nGREETING=Hello\n");
    WriteFile("Lang0804.ini", "[TEXT]\nGREETING=你好\n");
    EXPECT_EQ(LangText("GREETING", 4, folder_), "Hello");
    EXPECT_EQ(LangText("GREETING", 257, folder_), "Hello");
    EXPECT_EQ(LangText("GREETING", -1, folder_), "Hello");
}

TEST_F(LanguageTablesTest, EmptyValueGivesEmptyTextAndMissingKeyGivesError) {
    WriteFile("Lang0409.ini", "[TEXT]\nEMPTY=\nQUOTED_EMPTY=\"\"\n[LIGHT]\nSpeed=Speed\n");
    EXPECT_EQ(LangText("EMPTY", 0, folder_), "");
    EXPECT_EQ(LangText("QUOTED_EMPTY", 0, folder_), "");
    EXPECT_EQ(LangText("ABSENT", 0, folder_), kMissingLanguageText);
    EXPECT_EQ(LangModeText("1", 0, folder_), kMissingLanguageText);
}

TEST_F(LanguageTablesTest, MissingFileGivesError) {
    EXPECT_EQ(LangText("MAIN_CAPTION", 0, folder_), "#Error");
    EXPECT_EQ(LangLightText("Speed", 1, folder_), "#Error");
    EXPECT_EQ(LangModeText("1", 1, folder_), "#Error");
}

TEST_F(LanguageTablesTest, EachLookupReadsItsOwnSection) {
    WriteFile("Lang0804.ini", "[TEXT]\n1=text one\n[LIGHT]\n1=light one\n[MODE]\n1=mode one\n");
    EXPECT_EQ(LangText("1", 1, folder_), "text one");
    EXPECT_EQ(LangLightText("1", 1, folder_), "light one");
    EXPECT_EQ(LangModeText("1", 1, folder_), "mode one");
}

TEST_F(LanguageTablesTest, EveryLookupReadsTheFileAgain) {
    WriteFile("Lang0409.ini", "[TEXT]\nGREETING=Hello\n");
    EXPECT_EQ(LangText("GREETING", 0, folder_), "Hello");
    WriteFile("Lang0409.ini", "[TEXT]\nGREETING=Welcome\n");
    EXPECT_EQ(LangText("GREETING", 0, folder_), "Welcome");
}

TEST_F(LanguageTablesTest, TextIsCutTo259Characters) {
    WriteFile("Lang0804.ini", "[TEXT]\nLONG=" + std::string(300, 'x') + "\n");
    EXPECT_EQ(LangText("LONG", 1, folder_), std::string(259, 'x'));
}

}  // namespace
}  // namespace keyloom
