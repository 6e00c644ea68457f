#include "platform/SafeFormat.h"

#include <gtest/gtest.h>

#include <climits>

namespace keyloom {
namespace {

TEST(SafeFormatTest, FillsTheIntegerPlaceholders) {
    EXPECT_EQ(FormatWithInt("Unknown key %d", 0x64), "Unknown key 100");
    EXPECT_EQ(FormatWithInt("%i", -5), "-5");
    EXPECT_EQ(FormatWithInt("%u", 7), "7");
    EXPECT_EQ(FormatWithInt("KEY_%03X", 0x9D), "KEY_09D");
    EXPECT_EQ(FormatWithInt("%x", 255), "ff");
    EXPECT_EQ(FormatWithInt("Main_%02d", 7), "Main_07");
    EXPECT_EQ(FormatWithInt("Main_%02d", 210), "Main_210");
    EXPECT_EQ(FormatWithInt("[%5d]", -42), "[  -42]");
    EXPECT_EQ(FormatWithInt("%-5d|", 42), "42   |");
    EXPECT_EQ(FormatWithInt("%+d %ld %lld %hd", 3), "+3 %ld %lld %hd");
    EXPECT_EQ(FormatWithInt("%#x", 255), "0xff");
    EXPECT_EQ(FormatWithInt("%.4d", 12), "0012");
    EXPECT_EQ(FormatWithInt("%d", LLONG_MIN), "-9223372036854775808");
    EXPECT_EQ(FormatWithInt("%u", -1), "18446744073709551615");
}

TEST(SafeFormatTest, FillsTheStringPlaceholders) {
    const std::string path = "/home/u/backup.qvp";
    EXPECT_EQ(FormatWithString("Bad file: %s.", path), "Bad file: /home/u/backup.qvp.");
    EXPECT_EQ(FormatWithString("%ls", "wide"), "wide");
    EXPECT_EQ(FormatWithString("%S", "wide"), "wide");
    EXPECT_EQ(FormatWithString("[%6s]", "汉字"), "[    汉字]");
    EXPECT_EQ(FormatWithString("[%-4s]", "ab"), "[ab  ]");
    EXPECT_EQ(FormatWithString("%.3s", "abcdef"), "abc");
    EXPECT_EQ(FormatWithString("%.1s", "汉字"), "汉");
    EXPECT_EQ(FormatWithString("%s", "100%d %s"), "100%d %s");
}

TEST(SafeFormatTest, OnlyTheFirstMatchingPlaceholderIsFilled) {
    EXPECT_EQ(FormatWithInt("%d and %d", 1), "1 and %d");
    EXPECT_EQ(FormatWithInt("%s is %d", 2), "%s is 2");
    EXPECT_EQ(FormatWithString("%d items in %s, %s", "x"), "%d items in x, %s");
    EXPECT_EQ(FormatWithString("%s%s%s%n", "a"), "a%s%s%n");
    EXPECT_EQ(FormatWithInt("%n%p%c%f%d", 9), "%n%p%c%f9");
}

TEST(SafeFormatTest, PercentSignsAndDanglingDirectives) {
    EXPECT_EQ(FormatWithInt("%", 1), "%");
    EXPECT_EQ(FormatWithInt("100%", 1), "100%");
    EXPECT_EQ(FormatWithInt("%d%%", 50), "50%");
    EXPECT_EQ(FormatWithInt("%%d", 50), "%d");
    EXPECT_EQ(FormatWithInt("%5", 1), "%5");
    EXPECT_EQ(FormatWithInt("%-0", 1), "%-0");
    EXPECT_EQ(FormatWithString("50% off", "x"), "50% off");
    EXPECT_EQ(FormatWithString("", "x"), "");
    EXPECT_EQ(FormatWithInt("no placeholder", 1), "no placeholder");
}

TEST(SafeFormatTest, HostileWidthsAreCopiedAsTheyStand) {
    EXPECT_EQ(FormatWithInt("%999999999d", 1), "%999999999d");
    EXPECT_EQ(FormatWithInt("%99999999999999999999999d!", 1), "%99999999999999999999999d!");
    EXPECT_EQ(FormatWithInt("%260d", 1), "%260d");
    EXPECT_EQ(FormatWithInt("%.260d", 1), "%.260d");
    EXPECT_EQ(FormatWithString("%1000000s", "x"), "%1000000s");
    EXPECT_EQ(FormatWithInt("%259d", 1), std::string(258, ' ') + "1");
    EXPECT_EQ(FormatWithInt("%*d", 1), "%*d");
    EXPECT_EQ(FormatWithString("%*s%.*s", "x"), "%*s%.*s");
    EXPECT_EQ(FormatWithInt("%lllld", 1), "%lllld");
}

}  // namespace
}  // namespace keyloom
