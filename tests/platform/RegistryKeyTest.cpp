#include "platform/RegistryKey.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "platform/UserFolders.h"
#include "support/FileContents.h"
#include "support/TestEnvironment.h"

namespace keyloom {
namespace {

using test::FileText;
using test::PutFile;

class RegistryKeyTest : public ::testing::Test {
  protected:
    const std::string folder_ = test::MakeTemporaryFolder();
    const std::string path_ = folder_ + "/VQ52R_EN/registry.ini";
};

TEST_F(RegistryKeyTest, DefaultPathIsInTheConfigFolder) {
    EXPECT_EQ(RegistryKey::DefaultPath(), ConfigHome() + "/VQ52R_EN/registry.ini");
}

TEST_F(RegistryKeyTest, OpenCreatesFolderAndEmptyFile) {
    const RegistryKey key = RegistryKey::OpenOrCreate(path_);
    EXPECT_TRUE(key.IsOpen());
    EXPECT_EQ(FileText(path_), "");
    EXPECT_FALSE(key.ReadDword("dwLanguageId"));
}

TEST_F(RegistryKeyTest, OpenKeepsAnExistingFile) {
    ASSERT_TRUE(PutFile(folder_ + "/registry.ini", "dwLanguageId=dword:00000804\n"));
    const RegistryKey key = RegistryKey::OpenOrCreate(folder_ + "/registry.ini");
    EXPECT_EQ(key.ReadDword("dwLanguageId"), 0x0804u);
}

TEST_F(RegistryKeyTest, ValuesKeepTheirType) {
    const RegistryKey key = RegistryKey::OpenOrCreate(path_);
    ASSERT_TRUE(key.WriteDword("dwLanguageId", 0x0409));
    ASSERT_TRUE(key.WriteString("Title", "say \"hi\"\\ \t\r\nbye "));
    ASSERT_TRUE(key.WriteDword("Max", 0xFFFFFFFF));
    EXPECT_EQ(FileText(path_),
              "dwLanguageId=dword:00000409\n"
              "Title=\"say \\\"hi\\\"\\\\ \\t\\r\\nbye \"\n"
              "Max=dword:ffffffff\n");
    EXPECT_EQ(key.ReadDword("DWLANGUAGEID"), 0x0409u);
    EXPECT_EQ(key.ReadString("title"), "say \"hi\"\\ \t\r\nbye ");
    EXPECT_EQ(key.ReadDword("Max"), 0xFFFFFFFFu);
}

TEST_F(RegistryKeyTest, WrongTypeReadsAsMissing) {
    const RegistryKey key = RegistryKey::OpenOrCreate(path_);
    ASSERT_TRUE(key.WriteString("dwLanguageId", "00000409"));
    ASSERT_TRUE(key.WriteDword("Name", 7));
    EXPECT_FALSE(key.ReadDword("dwLanguageId"));
    EXPECT_FALSE(key.ReadString("Name"));
    EXPECT_FALSE(key.ReadDword("Absent"));
    EXPECT_FALSE(key.ReadString("Absent"));
}

TEST_F(RegistryKeyTest, DamagedLinesReadAsMissing) {
    ASSERT_TRUE(PutFile(path_,
                        "; hand-edited\n"
                        "short=dword:409\n"
                        "upper=DWORD:0000ABCD\n"
                        "long=dword:000000409\n"
                        "nothex=dword:0000040g\n"
                        "empty=dword:\n"
                        "signed=dword:-1\n"
                        "binary=hex:01,02\n"
                        "bare=text\n"
                        "open=\"no end\n"
                        "escape=\"bad \\q\"\n"
                        "trailing=\"a\"b\"\n"
                        "halfescape=\"a\\\"\n"
                        "\xFF\xFE garbage without equals\n"
                        "[section]\n"
                        "hidden=dword:00000001\n"));
    const RegistryKey key = RegistryKey::OpenOrCreate(path_);
    EXPECT_EQ(key.ReadDword("short"), 0x409u);
    EXPECT_EQ(key.ReadDword("upper"), 0xABCDu);
    for (const char* name : {"long", "nothex", "empty", "signed", "binary", "bare", "hidden"}) {
        EXPECT_FALSE(key.ReadDword(name)) << name;
    }
    for (const char* name : {"bare", "open", "escape", "trailing", "halfescape", "short"}) {
        EXPECT_FALSE(key.ReadString(name)) << name;
    }
}

TEST_F(RegistryKeyTest, WriteReplacesOnlyItsValue) {
    ASSERT_TRUE(PutFile(path_, "; settings\nA=dword:00000001\nB = \"b\"\n[section]\nC=1\n"));
    const RegistryKey key = RegistryKey::OpenOrCreate(path_);
    ASSERT_TRUE(key.WriteString("b", "new"));
    ASSERT_TRUE(key.WriteDword("D", 4));
    EXPECT_EQ(FileText(path_),
              "; settings\nA=dword:00000001\nB = \"new\"\nD=dword:00000004\n[section]\nC=1\n");
}

TEST_F(RegistryKeyTest, SecondObjectSeesTheWritesOfTheFirst) {
    const RegistryKey first = RegistryKey::OpenOrCreate(path_);
    const RegistryKey second = RegistryKey::OpenOrCreate(path_);
    ASSERT_TRUE(first.WriteDword("dwLanguageId", 0));
    EXPECT_EQ(second.ReadDword("dwLanguageId"), 0u);
    ASSERT_TRUE(second.WriteDword("dwLanguageId", 0x0804));
    EXPECT_EQ(first.ReadDword("dwLanguageId"), 0x0804u);
}

TEST_F(RegistryKeyTest, UnavailableKeyIsTolerated) {
    ASSERT_TRUE(PutFile(folder_ + "/plain", "a regular file"));
    for (const std::string& path : {folder_ + "/plain/VQ52R_EN/registry.ini", folder_}) {
        const RegistryKey key = RegistryKey::OpenOrCreate(path);
        EXPECT_FALSE(key.IsOpen()) << path;
        EXPECT_FALSE(key.WriteDword("dwLanguageId", 0x0409)) << path;
        EXPECT_FALSE(key.ReadDword("dwLanguageId")) << path;
        EXPECT_FALSE(key.WriteString("Name", "x")) << path;
        EXPECT_FALSE(key.ReadString("Name")) << path;
    }
    EXPECT_EQ(FileText(folder_ + "/plain"), "a regular file");
}

TEST_F(RegistryKeyTest, RefusesNamesThatCannotBeReadBack) {
    const RegistryKey key = RegistryKey::OpenOrCreate(path_);
    EXPECT_FALSE(key.WriteDword("", 1));
    EXPECT_FALSE(key.WriteDword("a=b", 1));
    EXPECT_FALSE(key.WriteDword("two\nlines", 1));
    EXPECT_FALSE(key.WriteString(";comment", "x"));
    EXPECT_EQ(FileText(path_), "");
}

TEST_F(RegistryKeyTest, DeletedFileIsCreatedAgainOnWrite) {
    const RegistryKey key = RegistryKey::OpenOrCreate(path_);
    ASSERT_EQ(std::remove(path_.c_str()), 0);
    EXPECT_FALSE(key.ReadDword("dwLanguageId"));
    ASSERT_TRUE(key.WriteDword("dwLanguageId", 0x0409));
    EXPECT_EQ(key.ReadDword("dwLanguageId"), 0x0409u);
}

}  // namespace
}  // namespace keyloom
