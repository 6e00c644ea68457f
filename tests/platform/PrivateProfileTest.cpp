#include "platform/PrivateProfile.h"

#include <gtest/gtest.h>

#include "support/FileContents.h"
#include "support/TestEnvironment.h"

namespace keyloom {
namespace {

using test::FileText;
using test::PutFile;

class PrivateProfileTest : public ::testing::Test {
  protected:
    std::string Read(const std::string& section, const std::string& key,
                     const std::string& defaultValue = "#Error") const {
        return ReadProfileString(section, key, defaultValue, path_);
    }

    const std::string folder_ = test::MakeTemporaryFolder();
    const std::string path_ = folder_ + "/Lang0409.ini";
};

// UTF-16LE bytes of ASCII text (each character followed by a zero byte).
std::string Utf16LeOfAscii(std::string_view text) {
    std::string bytes;
    for (const char c : text) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

TEST_F(PrivateProfileTest, FindsNamesWithoutRegardToCaseAndBlanks) {
    ASSERT_TRUE(PutFile(path_,
                        "; comment = not a key\n"
                        "[Text]\n"
                        "  Main_Caption  =   Keyloom Tool \t\n"
                        "UNKNOWN_KEY=Key %d\n"
                        "[ Light ]\n"
                        "Usb=Report rate\n"
                        "[TEXT]\n"
                        "LATE=second section of the same name is not searched\n"));
    EXPECT_EQ(Read("TEXT", "MAIN_CAPTION"), "Keyloom Tool");
    EXPECT_EQ(Read("text", "unknown_key"), "Key %d");
    EXPECT_EQ(Read("LIGHT", "USB"), "Report rate");
    EXPECT_EQ(Read("TEXT", "Usb"), "#Error");
    EXPECT_EQ(Read("TEXT", "LATE"), "#Error");
    EXPECT_EQ(Read("TEXT", "; comment"), "#Error");
}

TEST_F(PrivateProfileTest, EmptyValueIsNotTheDefault) {
    ASSERT_TRUE(PutFile(path_, "[TEXT]\nEMPTY=\nBLANK=   \nQUOTES=\"\"\nNO_EQUALS\n"));
    std::string out = "stale";
    EXPECT_EQ(GetPrivateProfileString("TEXT", "EMPTY", "#Error", out, 260, path_), 0u);
    EXPECT_EQ(out, "");
    EXPECT_EQ(Read("TEXT", "BLANK"), "");
    EXPECT_EQ(Read("TEXT", "QUOTES"), "");
    EXPECT_EQ(Read("TEXT", "NO_EQUALS"), "#Error");
    EXPECT_EQ(Read("TEXT", "ABSENT"), "#Error");
    EXPECT_EQ(Read("OTHER", "EMPTY"), "#Error");
    EXPECT_EQ(ReadProfileString("TEXT", "EMPTY", "#Error", folder_ + "/absent.ini"), "#Error");
    EXPECT_EQ(ReadProfileString("TEXT", "EMPTY", "#Error", folder_), "#Error");
}

TEST_F(PrivateProfileTest, DefaultLosesTrailingSpacesOnly) {
    EXPECT_EQ(Read("TEXT", "ABSENT", "  1,1,1,1   "), "  1,1,1,1");
    EXPECT_EQ(Read("TEXT", "ABSENT", "   "), "");
}

TEST_F(PrivateProfileTest, RemovesOneMatchingPairOfQuotes) {
    ASSERT_TRUE(PutFile(path_,
                        "[S]\n"
                        "double=\" padded \"\n"
                        "single='x'\n"
                        "mixed=\"x'\n"
                        "lone=\"\n"
                        "inner=a \"b\" c\n"
                        "nested=\"\"x\"\"\n"));
    EXPECT_EQ(Read("S", "double"), " padded ");
    EXPECT_EQ(Read("S", "single"), "x");
    EXPECT_EQ(Read("S", "mixed"), "\"x'");
    EXPECT_EQ(Read("S", "lone"), "\"");
    EXPECT_EQ(Read("S", "inner"), "a \"b\" c");
    EXPECT_EQ(Read("S", "nested"), "\"x\"");
}

TEST_F(PrivateProfileTest, CutsToTheBufferInWholeCharacters) {
    // "汉字文本" is four characters in twelve bytes; U+1F600 takes two UTF-16 units.
    ASSERT_TRUE(PutFile(path_, "[S]\nascii=abcdef\nhan=汉字文本\nwide=a\xF0\x9F\x98\x80z\n"));
    std::string out;
    EXPECT_EQ(GetPrivateProfileString("S", "ascii", "", out, 4, path_), 3u);
    EXPECT_EQ(out, "abc");
    EXPECT_EQ(GetPrivateProfileString("S", "ascii", "", out, 7, path_), 6u);
    EXPECT_EQ(out, "abcdef");
    EXPECT_EQ(GetPrivateProfileString("S", "ascii", "", out, 1, path_), 0u);
    EXPECT_EQ(out, "");
    EXPECT_EQ(GetPrivateProfileString("S", "ascii", "", out, 0, path_), 0u);
    EXPECT_EQ(out, "");
    EXPECT_EQ(GetPrivateProfileString("S", "han", "", out, 3, path_), 2u);
    EXPECT_EQ(out, "汉字");
    EXPECT_EQ(GetPrivateProfileString("S", "wide", "", out, 3, path_), 1u);
    EXPECT_EQ(out, "a");
    EXPECT_EQ(GetPrivateProfileString("S", "wide", "", out, 4, path_), 3u);
    EXPECT_EQ(out, "a\xF0\x9F\x98\x80");
    EXPECT_EQ(GetPrivateProfileString("S", "absent", "defaults", out, 4, path_), 3u);
    EXPECT_EQ(out, "def");
}

TEST_F(PrivateProfileTest, ReadsCrLfAndByteOrderMarkFiles) {
    ASSERT_TRUE(PutFile(path_, "\xEF\xBB\xBF[TEXT]\r\nA=first\r\nB=second"));
    EXPECT_EQ(Read("TEXT", "A"), "first");
    EXPECT_EQ(Read("TEXT", "B"), "second");
}

TEST_F(PrivateProfileTest, EveryCallReadsTheFileAgain) {
    ASSERT_TRUE(PutFile(path_, "[S]\nk=old\n"));
    EXPECT_EQ(Read("S", "k"), "old");
    ASSERT_TRUE(PutFile(path_, "[S]\nk=new\n"));
    EXPECT_EQ(Read("S", "k"), "new");
}

TEST_F(PrivateProfileTest, WriteCreatesFolderFileSectionAndKey) {
    const std::string path = folder_ + "/new/folder/wskb.ini";
    ASSERT_TRUE(WritePrivateProfileString("KEYCOLOR", "DengCheck", "1", path));
    EXPECT_EQ(FileText(path), "[KEYCOLOR]\nDengCheck=1\n");
    ASSERT_TRUE(WritePrivateProfileString("Mode0", "tool", "0", path));
    ASSERT_TRUE(WritePrivateProfileString("keycolor", "Other", "x", path));
    EXPECT_EQ(FileText(path), "[KEYCOLOR]\nDengCheck=1\nOther=x\n[Mode0]\ntool=0\n");
    EXPECT_EQ(ReadProfileString("KeyColor", "DENGCHECK", "", path), "1");
}

TEST_F(PrivateProfileTest, WriteKeepsEveryOtherLineByteForByte) {
    const std::string before =
        "; lighting presets\r\n"
        "[Mode0]\r\n"
        "  Tool = 0   \r\n"
        "; colour of the keys\r\n"
        "jcolor=0,0,0\r\n"
        "\r\n"
        "; next section\r\n"
        "[Mode1]\r\n"
        "tool=1";
    ASSERT_TRUE(PutFile(path_, before));
    ASSERT_TRUE(WritePrivateProfileString("mode0", "TOOL", "1", path_));
    ASSERT_TRUE(WritePrivateProfileString("Mode0", "color", "255,0,0", path_));
    ASSERT_TRUE(WritePrivateProfileString("Mode1", "color", "1,2,3", path_));
    ASSERT_TRUE(WritePrivateProfileString("Mode2", "tool", "0", path_));
    EXPECT_EQ(FileText(path_),
              "; lighting presets\r\n"
              "[Mode0]\r\n"
              "  Tool = 1\r\n"
              "; colour of the keys\r\n"
              "jcolor=0,0,0\r\n"
              "color=255,0,0\r\n"
              "\r\n"
              "; next section\r\n"
              "[Mode1]\r\n"
              "tool=1\r\n"
              "color=1,2,3\r\n"
              "[Mode2]\r\n"
              "tool=0\r\n");
}

TEST_F(PrivateProfileTest, WriteToAnEmptyValueAndAnEmptySection) {
    ASSERT_TRUE(PutFile(path_, "[A]\n[B]\nk=\nz=1\n"));
    ASSERT_TRUE(WritePrivateProfileString("B", "k", "v", path_));
    ASSERT_TRUE(WritePrivateProfileString("A", "first", "1", path_));
    EXPECT_EQ(FileText(path_), "[A]\nfirst=1\n[B]\nk=v\nz=1\n");
}

TEST_F(PrivateProfileTest, Utf16FileIsReadAndWrittenBackInUtf16) {
    // "[TEXT]\r\nA=汉字\r\n" in UTF-16LE with its byte order mark.
    const std::string before =
        "\xFF\xFE" + Utf16LeOfAscii("[TEXT]\r\nA=") + "\x49\x6C\x57\x5B" + Utf16LeOfAscii("\r\n");
    ASSERT_TRUE(PutFile(path_, before));
    EXPECT_EQ(Read("TEXT", "A"), "汉字");
    ASSERT_TRUE(WritePrivateProfileString("TEXT", "B", "b", path_));
    EXPECT_EQ(FileText(path_), before + Utf16LeOfAscii("B=b\r\n"));
    ASSERT_TRUE(WritePrivateProfileString("TEXT", "A", "字", path_));
    EXPECT_EQ(FileText(path_), "\xFF\xFE" + Utf16LeOfAscii("[TEXT]\r\nA=") + "\x57\x5B" +
                                   Utf16LeOfAscii("\r\nB=b\r\n"));
}

TEST_F(PrivateProfileTest, Utf8ByteOrderMarkIsKept) {
    ASSERT_TRUE(PutFile(path_, "\xEF\xBB\xBF[S]\nk=1\n"));
    ASSERT_TRUE(WritePrivateProfileString("S", "k", "2", path_));
    EXPECT_EQ(FileText(path_), "\xEF\xBB\xBF[S]\nk=2\n");
}

TEST_F(PrivateProfileTest, RefusesWhatCannotBeReadBack) {
    ASSERT_TRUE(PutFile(path_, "[S]\nk=1\n"));
    EXPECT_FALSE(WritePrivateProfileString("S", "a=b", "v", path_));
    EXPECT_FALSE(WritePrivateProfileString("S", " ;k", "v", path_));
    EXPECT_FALSE(WritePrivateProfileString("S", "[k", "v", path_));
    EXPECT_FALSE(WritePrivateProfileString("S", "  ", "v", path_));
    EXPECT_FALSE(WritePrivateProfileString("", "k", "v", path_));
    EXPECT_FALSE(WritePrivateProfileString("S\n[T]", "k", "v", path_));
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "two\nlines", path_));
    EXPECT_EQ(FileText(path_), "[S]\nk=1\n");
}

TEST_F(PrivateProfileTest, NamesWithBlanksFindTheirOwnLine) {
    ASSERT_TRUE(WritePrivateProfileString(" S ", " k ", "1", path_));
    ASSERT_TRUE(WritePrivateProfileString("S", "k", "2", path_));
    EXPECT_EQ(FileText(path_), "[ S ]\n k =2\n");
}

TEST_F(PrivateProfileTest, WriteFailsWhereNoFileCanBe) {
    ASSERT_TRUE(PutFile(path_, "[S]\nk=1\n"));
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "2", path_ + "/below-a-file.ini"));
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "2", folder_));
    EXPECT_EQ(FileText(path_), "[S]\nk=1\n");
}

}  // namespace
}  // namespace keyloom
