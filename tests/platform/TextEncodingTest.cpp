#include "platform/TextEncoding.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

std::vector<uint8_t> Units(std::initializer_list<uint16_t> units) {
    std::vector<uint8_t> bytes;
    for (const uint16_t unit : units) {
        bytes.push_back(static_cast<uint8_t>(unit));
        bytes.push_back(static_cast<uint8_t>(unit >> 8));
    }
    return bytes;
}

std::vector<uint8_t> ToUtf16(std::string_view text) {
    std::vector<uint8_t> bytes;
    AppendUtf16Le(bytes, text);
    return bytes;
}

TEST(TextEncodingTest, ConvertsAllPlanesBothWays) {
    const std::vector<uint8_t> utf16 = Units({'A', 0x00E9, 0x6C49, 0xD83D, 0xDE00, 0xFFFF});
    const std::string utf8 = "A\xC3\xA9\xE6\xB1\x89\xF0\x9F\x98\x80\xEF\xBF\xBF";
    EXPECT_EQ(Utf16LeToUtf8(utf16.data(), utf16.size()), utf8);
    EXPECT_EQ(ToUtf16(utf8), utf16);
}

TEST(TextEncodingTest, UnpairedSurrogatesSurviveTheRoundTrip) {
    for (const auto& units :
         {Units({0xD800, 'x'}), Units({'x', 0xDC00}), Units({0xDBFF}), Units({0xDC00, 0xD800})}) {
        const std::string utf8 = Utf16LeToUtf8(units.data(), units.size());
        EXPECT_EQ(ToUtf16(utf8), units);
    }
}

TEST(TextEncodingTest, DamagedInputBecomesReplacementCharacters) {
    const std::vector<uint8_t> odd = {'A', 0, 'B'};
    EXPECT_EQ(Utf16LeToUtf8(odd.data(), odd.size()), "A\xEF\xBF\xBD");
    // A stray continuation byte, an overlong '/', a lead byte cut short by the end of the text.
    EXPECT_EQ(ToUtf16("\x80\xC0\xAF\xE6\xB1"), Units({0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD}));
}

TEST(TextEncodingTest, DecodesOneCharacterAndCountsWindowsUnits) {
    const std::string text = "a\xE6\xB1\x89\xF0\x9F\x98\x80\xF4\x90\x80\x80";
    const Utf8Char ascii = DecodeUtf8Char(text, 0);
    const Utf8Char han = DecodeUtf8Char(text, 1);
    const Utf8Char emoji = DecodeUtf8Char(text, 4);
    const Utf8Char beyond = DecodeUtf8Char(text, 8);
    EXPECT_TRUE(ascii.valid && ascii.length == 1 && Utf16Units(ascii) == 1);
    EXPECT_TRUE(han.valid && han.codePoint == 0x6C49 && han.length == 3 && Utf16Units(han) == 1);
    EXPECT_TRUE(emoji.valid && emoji.codePoint == 0x1F600 && emoji.length == 4 &&
                Utf16Units(emoji) == 2);
    EXPECT_FALSE(beyond.valid);
    EXPECT_EQ(beyond.length, 1u);
    EXPECT_EQ(Utf16Units(beyond), 1u);
}

}  // namespace
}  // namespace keyloom
